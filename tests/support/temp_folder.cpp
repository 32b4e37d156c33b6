#include "tests/support/temp_folder.h"

#include <windows.h>

#include "runtime/string_base.h"

namespace keelson::test {

TempFolder::TempFolder() {
  static LONG counter = 0;
  wchar_t base[MAX_PATH + 1];
  GetTempPathW(MAX_PATH + 1, base);
  for (;;) {
    wchar_t name[64];
    wsprintfW(name, L"keelson-%lu-%ld", GetCurrentProcessId(), InterlockedIncrement(&counter));
    path_ = std::wstring(base) + name;
    if (CreateDirectoryW(path_.c_str(), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

bool MakeFolders(const std::wstring& path) {
  // Start after the root: "C:\" or "\\?\C:\".
  const size_t root = path.rfind(L":\\", 8);
  for (size_t i = root == std::wstring::npos ? 1 : root + 2; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == L'\\') {
      const std::wstring part = path.substr(0, i);
      if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
  }
  return true;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::string ReadFileBytes(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path.c_str());
}

std::wstring TestBinaryFolder() {
  StringBaseW path;
  path.AssignModulePath(nullptr);
  path.CutToFolder();
  return std::wstring(path.Text(), path.Length() - 1);
}

}  // namespace keelson::test
