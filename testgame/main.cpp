// Marivel, as far as the modules can tell: a window, a busy message loop,
// save files, worker threads and a control script (script.h).
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "testgame/control.h"
#include "testgame/game_state.h"
#include "testgame/game_window.h"
#include "testgame/script.h"
#include "testgame/workers.h"

namespace {

std::wstring ReadUtf8File(const std::wstring& path, bool& ok) {
  ok = false;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return L"";
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size();
  CloseHandle(file);
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

// "/script STEPS" or "/scriptfile FILE"; anything else is an error.
marivel::Script ScriptFromCommandLine() {
  marivel::Script script;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!argv) return script;
  for (int i = 1; i < count; ++i) {
    const std::wstring option = argv[i];
    if ((option == L"/script" || option == L"-script") && i + 1 < count) {
      script = marivel::ParseScript(argv[++i]);
    } else if ((option == L"/scriptfile" || option == L"-scriptfile") && i + 1 < count) {
      bool ok = false;
      const std::wstring text = ReadUtf8File(argv[++i], ok);
      script = marivel::ParseScript(text);
      if (!ok) script.error = L"cannot read the script file";
    } else {
      script.error = L"unknown option " + option;
    }
  }
  LocalFree(argv);
  return script;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  // The loop calls PeekMessageA through this slot.
  g_pollSlot = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "PeekMessageA"));
  if (!g_pollSlot) return 1;
  const marivel::Script script = ScriptFromCommandLine();

  HWND window = marivel::CreateGameWindow(instance);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  marivel::CheckFlag();

  marivel::StartWorkers();
  marivel::StartControl(script);
  MSG msg = {};
  GameMessageLoop(&msg);
  marivel::StopControl();
  marivel::StopWorkers();
  return marivel::ControlExitCode();
}
