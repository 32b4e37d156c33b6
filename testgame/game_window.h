// The main window: class "Marivel for Windows95", two menu bars (title and
// in-game, swapped with SetMenu once a game runs), a plain status paint.
#pragma once

#include <windows.h>

namespace marivel {

// Posted to the main window with a control step (see control.h) as lParam.
constexpr UINT kStepMessage = WM_APP + 0x10;

HWND CreateGameWindow(HINSTANCE instance);
HWND MainWindow();

}  // namespace marivel
