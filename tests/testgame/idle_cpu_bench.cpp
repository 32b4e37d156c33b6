// Prints how much processor time the idle, unpatched stand-in game uses over
// ten seconds: the baseline that a patched message loop improves on. A
// figure, not a test: run it with `make bench`.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/support/temp_folder.h"

namespace {

ULONGLONG Milliseconds(const FILETIME& t) {
  return ((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000;
}

}  // namespace

int main() {
  keelson::test::TempFolder folder;
  const std::wstring game = folder / L"Marivel1270.exe";
  if (!CopyFileW((keelson::test::TestBinaryFolder() + L"\\Marivel1270.exe").c_str(), game.c_str(), FALSE)) {
    std::printf("idle bench: the stand-in game is missing\n");
    return 1;
  }
  std::wstring commandLine = L"\"" + game + L"\" /script \"new; wait 10000; quit\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(game.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::printf("idle bench: the stand-in game did not start\n");
    return 1;
  }
  const ULONGLONG started = GetTickCount64();
  if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  const ULONGLONG wallMs = GetTickCount64() - started;
  FILETIME created, exited, kernel, user;
  GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const ULONGLONG cpuMs = Milliseconds(kernel) + Milliseconds(user);
  std::printf("idle stand-in 1.2.7.0: %llu ms of processor time in %llu ms = %.0f%% of one core\n", cpuMs, wallMs,
              100.0 * static_cast<double>(cpuMs) / static_cast<double>(wallMs));
  return 0;
}
