#include "testgame/save_files.h"

#include <windows.h>

namespace marivel {
namespace {

constexpr char kRegularSave[] = "SAVEDATA.MVR";
constexpr char kSuspendSave[] = "SAVEDATA.TMP";

std::string PathOf(const char* name) { return GameFolder() + name; }

bool WriteAll(HANDLE file, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(bytes.size() - done > 65536 ? 65536 : bytes.size() - done);
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes, DWORD disposition) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool ok = WriteAll(file, bytes);
  CloseHandle(file);
  return ok;
}

bool ReadWhole(const std::string& path, std::vector<uint8_t>& bytes) {
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const DWORD size = GetFileSize(file, nullptr);
  bool ok = size != INVALID_FILE_SIZE;
  if (ok) {
    bytes.assign(size, 0);
    DWORD read = 0;
    ok = size == 0 || (ReadFile(file, bytes.data(), size, &read, nullptr) && read == size);
  }
  CloseHandle(file);
  return ok;
}

// Bookkeeping files that every save brings along: ACCDATA.MVR and five
// account books, each with its index.
bool WriteAccountFiles(const std::vector<uint8_t>& save) {
  std::vector<uint8_t> summary(4096, 0);
  for (size_t i = 0; i < summary.size(); ++i) summary[i] = save[(i * 7) % save.size()];
  bool ok = WriteWhole(PathOf("ACCDATA.MVR"), summary, CREATE_ALWAYS);
  for (int book = 0; book < 5; ++book) {
    std::vector<uint8_t> entries(8192 + 1024 * book, static_cast<uint8_t>(book));
    std::vector<uint8_t> index(512, static_cast<uint8_t>(0x10 + book));
    const std::string stem = "ACCDATA" + std::to_string(book);
    ok = WriteWhole(PathOf((stem + ".ACC").c_str()), entries, CREATE_ALWAYS) && ok;
    ok = WriteWhole(PathOf((stem + ".IDX").c_str()), index, CREATE_ALWAYS) && ok;
  }
  return ok;
}

}  // namespace

const std::string& GameFolder() {
  static const std::string folder = [] {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p(path, length);
    return p.substr(0, p.find_last_of("\\/") + 1);
  }();
  return folder;
}

bool WriteRegularSave(const std::vector<uint8_t>& save) {
  const bool saved = WriteWhole(PathOf(kRegularSave), save, CREATE_ALWAYS);
  return WriteAccountFiles(save) && saved;
}

bool WriteSuspendSave(const std::vector<uint8_t>& save) {
  const std::string path = PathOf(kSuspendSave);
  if (WriteWhole(path, save, CREATE_NEW)) return WriteAccountFiles(save);
  if (GetLastError() != ERROR_FILE_EXISTS) return false;
  DeleteFileA(path.c_str());
  return WriteWhole(path, save, CREATE_NEW) && WriteAccountFiles(save);
}

bool ReadRegularSave(std::vector<uint8_t>& save) { return ReadWhole(PathOf(kRegularSave), save); }
bool ReadSuspendSave(std::vector<uint8_t>& save) { return ReadWhole(PathOf(kSuspendSave), save); }

bool DeleteSuspendSave() {
  const std::string path = PathOf(kSuspendSave);
  DeleteFileA(path.c_str());
  return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace marivel
