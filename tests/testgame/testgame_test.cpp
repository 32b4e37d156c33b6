// The stand-in game played through its control script: the save files it
// writes, the suspend save it removes, and the state it reports.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/temp_folder.h"

namespace {

using keelson::test::ChildResult;
using keelson::test::FileExists;
using keelson::test::ReadFileBytes;
using keelson::test::RunChild;
using keelson::test::TempFolder;
using keelson::test::TestBinaryFolder;

// The names a new game starts with, in CP932: "ジョアン", "フェレロ".
const std::string kFirstName = "\x83\x57\x83\x87\x83\x41\x83\x93";
const std::string kSecondName = "\x83\x74\x83\x46\x83\x8C\x83\x8D";

struct Release {
  const wchar_t* exe;
  const char* version;
  const char* flagMarker;  // what the zero path of the flag check leaves behind
};

const Release kReleases[] = {
    {L"Marivel1270.exe", "1.2.7.0", "0x00000000"},
    {L"Marivel1400.exe", "1.4.0.0", "0x0052C58C"},
    {L"Marivel1005.exe", "1.0.0.5", "0x00000000"},
};

std::map<std::string, std::string> ReadDump(const std::wstring& path) {
  std::map<std::string, std::string> values;
  const std::string text = ReadFileBytes(path);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const size_t eq = line.find('=');
    if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
    start = end + 1;
  }
  return values;
}

int32_t Le32(const std::string& bytes, size_t at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + i])) << (8 * i);
  return static_cast<int32_t>(v);
}

std::string ZeroTerminated(const std::string& bytes, size_t at) { return std::string(bytes.c_str() + at); }

struct SaveFields {
  int32_t year;
  int month, day, city;
  std::string firstName, secondName;
};

SaveFields ReadSaveFields(const std::wstring& path) {
  const std::string b = ReadFileBytes(path);
  if (b.size() < 0x100) return {0, 0, 0, 0, "", ""};
  return {Le32(b, 0x15),
          static_cast<uint8_t>(b[0x19]),
          static_cast<uint8_t>(b[0x1A]),
          static_cast<uint8_t>(b[0x5B]),
          ZeroTerminated(b, 0x5F),
          ZeroTerminated(b, 0x72)};
}

class GameFolder {
 public:
  explicit GameFolder(const Release& release) : game_(folder_ / release.exe) {
    copied_ = CopyFileW((TestBinaryFolder() + L"\\" + release.exe).c_str(), game_.c_str(), FALSE) != FALSE;
  }
  bool Ready() const { return copied_; }
  std::wstring operator/(const std::wstring& name) const { return folder_ / name; }
  ChildResult Play(const std::wstring& steps) const { return RunChild(game_, L"/script \"" + steps + L"\""); }
  const std::wstring& Game() const { return game_; }

 private:
  TempFolder folder_;
  std::wstring game_;
  bool copied_ = false;
};

// New game, a stay at the inn, a save, a suspend; then a resume in a second
// run and a load in a third, each answered by the files and the state dump.
void PlaySession(const Release& release) {
  SCOPED_TRACE(release.version);
  GameFolder folder(release);
  ASSERT_TRUE(folder.Ready());

  ChildResult run = folder.Play(L"new; city 12; date 1522 7 9; inn; dump inn.txt; save; date 1530 1 2; suspend; quit");
  ASSERT_TRUE(run.started);
  EXPECT_EQ(0u, run.exitCode) << run.output;

  auto dump = ReadDump(folder / L"inn.txt");
  EXPECT_EQ(release.version, dump["version"]);
  EXPECT_EQ("30", dump["stay_nights"]);
  EXPECT_EQ("1", dump["stay_rooms"]);
  EXPECT_EQ("0", dump["flag"]);
  EXPECT_EQ(release.flagMarker, dump["flag_marker"]);
  EXPECT_EQ("1522 8 8", dump["date"]);  // 30 nights from 9 July

  const SaveFields saved = ReadSaveFields(folder / L"SAVEDATA.MVR");
  EXPECT_EQ(1522, saved.year);
  EXPECT_EQ(8, saved.month);
  EXPECT_EQ(8, saved.day);
  EXPECT_EQ(12, saved.city);
  EXPECT_EQ(kFirstName, saved.firstName);
  EXPECT_EQ(kSecondName, saved.secondName);
  EXPECT_GE(ReadFileBytes(folder / L"SAVEDATA.MVR").size(), 100u * 1024);
  EXPECT_TRUE(FileExists(folder / L"ACCDATA.MVR"));
  for (int book = 0; book < 5; ++book) {
    EXPECT_TRUE(FileExists(folder / (L"ACCDATA" + std::to_wstring(book) + L".ACC"))) << book;
    EXPECT_TRUE(FileExists(folder / (L"ACCDATA" + std::to_wstring(book) + L".IDX"))) << book;
  }
  const SaveFields suspended = ReadSaveFields(folder / L"SAVEDATA.TMP");
  EXPECT_EQ(1530, suspended.year);
  EXPECT_EQ(1, suspended.month);
  EXPECT_EQ(2, suspended.day);

  run = folder.Play(L"resume; dump resumed.txt; quit");
  EXPECT_EQ(0u, run.exitCode) << run.output;
  EXPECT_FALSE(FileExists(folder / L"SAVEDATA.TMP")) << "a resume must delete the suspend save";
  dump = ReadDump(folder / L"resumed.txt");
  EXPECT_EQ("1530 1 2", dump["date"]);
  EXPECT_EQ("12", dump["city"]);
  EXPECT_EQ("1", dump["stays"]);
  EXPECT_EQ(kFirstName, dump["first_name"]);

  run = folder.Play(L"new; suspend; load; dump loaded.txt; quit");
  EXPECT_EQ(0u, run.exitCode) << run.output;
  EXPECT_FALSE(FileExists(folder / L"SAVEDATA.TMP")) << "loading a regular save must delete the suspend save";
  EXPECT_EQ("1522 8 8", ReadDump(folder / L"loaded.txt")["date"]);
}

TEST(StandInGame, Session1270) { PlaySession(kReleases[0]); }
TEST(StandInGame, Session1400) { PlaySession(kReleases[1]); }
TEST(StandInGame, Session1005) { PlaySession(kReleases[2]); }

// The script can find a modal dialog of the game, read it and press its button.
TEST(StandInGame, ScriptAnswersModalDialog) {
  GameFolder folder(kReleases[0]);
  ASSERT_TRUE(folder.Ready());
  const ChildResult run =
      folder.Play(L"about; dialog About Marivel; read 65535 about.txt; press 1; sync; dump after.txt; quit");
  EXPECT_EQ(0u, run.exitCode) << run.output;
  EXPECT_NE(std::string::npos, ReadFileBytes(folder / L"about.txt").find("Marivel for Windows95 1.2.7.0"));
  EXPECT_TRUE(FileExists(folder / L"after.txt"));
}

struct Running {
  PROCESS_INFORMATION process = {};
  bool started = false;
  Running(const std::wstring& game, const std::wstring& steps) {
    std::wstring commandLine = L"\"" + game + L"\" /script \"" + steps + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    started = CreateProcessW(game.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &process) != FALSE;
  }
  ~Running() {
    if (!started) return;
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  template <typename T>
  bool Read(uintptr_t address, T& value) const {
    SIZE_T got = 0;
    return ReadProcessMemory(process.hProcess, reinterpret_cast<const void*>(address), &value, sizeof value, &got) &&
           got == sizeof value;
  }
};

// What other modules read at absolute addresses is the live game state: the
// slot the loop calls through, the date and the carried items.
TEST(StandInGame, FixedAddressesHoldLiveState) {
  struct Case {
    const Release& release;
    uintptr_t pollSlot, date, items;
  };
  const Case cases[] = {{kReleases[0], 0x6145E4, 0x571058, 0x58DE50}, {kReleases[1], 0x4BC224, 0x57CA90, 0x5FE1C0}};
  const auto peekMessage = reinterpret_cast<uintptr_t>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "PeekMessageA"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release.version);
    GameFolder folder(c.release);
    ASSERT_TRUE(folder.Ready());
    Running game(folder.Game(), L"new; date 1533 11 30; items 7 -1 284; wait 3000; quit");
    ASSERT_TRUE(game.started);
    // The items are set last: once they show, every step before them has run.
    int32_t items[16] = {};
    for (int i = 0; i < 200 && !(game.Read(c.items, items) && items[2] == 284); ++i) Sleep(100);
    EXPECT_EQ(7, items[0]);
    EXPECT_EQ(-1, items[1]);
    EXPECT_EQ(284, items[2]);
    EXPECT_EQ(-1, items[15]);
    int32_t date[3] = {};
    ASSERT_TRUE(game.Read(c.date, date));
    EXPECT_EQ(1533, date[0]);
    EXPECT_EQ(11, date[1]);
    EXPECT_EQ(30, date[2]);
    uint32_t slot = 0;
    ASSERT_TRUE(game.Read(c.pollSlot, slot));
    EXPECT_EQ(peekMessage, slot);
  }
}

}  // namespace
