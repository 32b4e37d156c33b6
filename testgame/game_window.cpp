#include "testgame/game_window.h"

#include <cstdio>

#include "testgame/control.h"
#include "testgame/game_commands.h"
#include "testgame/game_state.h"
#include "testgame/release.h"

namespace marivel {
namespace {

constexpr char kClassName[] = "Marivel for Windows95";

HWND g_window = nullptr;
HMENU g_titleMenu = nullptr;
HMENU g_gameMenu = nullptr;
DWORD g_lastPaint = 0;

HMENU BuildTitleMenu() {
  HMENU bar = CreateMenu();
  HMENU game = CreatePopupMenu();
  AppendMenuA(game, MF_STRING, kCmdNewGame, "&New game");
  AppendMenuA(game, MF_STRING, kCmdLoad, "&Load");
  AppendMenuA(game, MF_STRING, kCmdResume, "&Resume");
  AppendMenuA(game, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(game, MF_STRING, kCmdQuit, "&Quit");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(game), "&Game");
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, kCmdAbout, "&About Marivel");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
  return bar;
}

HMENU BuildGameMenu() {
  HMENU bar = CreateMenu();
  HMENU game = CreatePopupMenu();
  AppendMenuA(game, MF_STRING, kCmdNewGame, "&New game");
  AppendMenuA(game, MF_STRING, kCmdSave, "&Save");
  AppendMenuA(game, MF_STRING, kCmdLoad, "&Load");
  AppendMenuA(game, MF_STRING, kCmdSuspend, "S&uspend");
  AppendMenuA(game, MF_STRING, kCmdResume, "&Resume");
  AppendMenuA(game, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(game, MF_STRING, kCmdQuit, "&Quit");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(game), "&Game");
  HMENU town = CreatePopupMenu();
  AppendMenuA(town, MF_STRING, kCmdInn, "Stay at the &inn");
  AppendMenuA(town, MF_STRING, kCmdMarket, "&Market");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(town), "&Town");
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, kCmdAbout, "&About Marivel");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
  return bar;
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT area;
  GetClientRect(window, &area);
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const GameState& s = State();
  const int32_t* date = GameDate();
  char lines[6][96];
  std::snprintf(lines[0], sizeof lines[0], "Marivel %s", GAME_VERSION_TEXT);
  std::snprintf(lines[1], sizeof lines[1], "Frame %lu", static_cast<unsigned long>(s.frames));
  std::snprintf(lines[2], sizeof lines[2], "Date %04ld/%02ld/%02ld", static_cast<long>(date[0]),
                static_cast<long>(date[1]), static_cast<long>(date[2]));
  if (s.city == kNoCity)
    std::snprintf(lines[3], sizeof lines[3], "City -");
  else
    std::snprintf(lines[3], sizeof lines[3], "City %u", static_cast<unsigned>(s.city));
  std::snprintf(lines[4], sizeof lines[4], "Captain %s = %s", s.firstName, s.secondName);
  std::snprintf(lines[5], sizeof lines[5], "Inn stays %lu, last %lu nights", static_cast<unsigned long>(s.stayCount),
                static_cast<unsigned long>(s.lastNights));
  for (int i = 0; i < 6; ++i) TextOutA(dc, 16, 16 + 22 * i, lines[i], lstrlenA(lines[i]));
  EndPaint(window, &ps);
}

void OnCommand(HWND window, unsigned id) {
  switch (id) {
    case kCmdQuit:
      PostMessageA(window, WM_CLOSE, 0, 0);
      return;
    case kCmdAbout:
      MessageBoxA(window, "Marivel for Windows95 " GAME_VERSION_TEXT, "About Marivel", MB_OK | MB_ICONINFORMATION);
      return;
    case kCmdNewGame:
    case kCmdSave:
    case kCmdLoad:
    case kCmdSuspend:
    case kCmdResume:
    case kCmdInn:
    case kCmdMarket: {
      const bool ok = RunGameCommand(id);
      NoteCommandResult(id, ok);
      // Once a game runs, the title menu gives way to the in-game one.
      if (ok && GetMenu(window) == g_titleMenu && (id == kCmdNewGame || id == kCmdLoad || id == kCmdResume))
        SetMenu(window, g_gameMenu);
      InvalidateRect(window, nullptr, FALSE);
      return;
    }
    default:
      return;
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam));
      return 0;
    case kStepMessage:
      HandleStepMessage(lParam);
      return 0;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(ControlExitCode());
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

HWND CreateGameWindow(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kClassName;
  if (!RegisterClassA(&wc)) return nullptr;
  g_titleMenu = BuildTitleMenu();
  g_gameMenu = BuildGameMenu();
  g_window = CreateWindowExA(0, kClassName, "Marivel " GAME_VERSION_TEXT, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                             CW_USEDEFAULT, 640, 480, nullptr, g_titleMenu, instance, nullptr);
  return g_window;
}

HWND MainWindow() { return g_window; }

}  // namespace marivel

extern "C" int GameTakeMessage(MSG* msg) {
  if (msg->message == WM_QUIT) return 0;
  TranslateMessage(msg);
  DispatchMessageA(msg);
  return 1;
}

extern "C" void GameIdleFrame() {
  marivel::GameState& s = marivel::State();
  ++s.frames;
  // A frame is drawn into the window about every 50 ms; the loop itself never rests.
  const DWORD now = GetTickCount();
  if (now - marivel::g_lastPaint >= 50 && marivel::g_window) {
    marivel::g_lastPaint = now;
    InvalidateRect(marivel::g_window, nullptr, FALSE);
  }
}
