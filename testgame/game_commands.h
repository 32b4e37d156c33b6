// The game's own commands, as its menu runs them on the UI thread.
#pragma once

namespace marivel {

// Menu command ids of the game's menu bars.
enum CommandId : unsigned {
  kCmdNewGame = 40001,
  kCmdSave = 40002,
  kCmdLoad = 40003,
  kCmdSuspend = 40004,
  kCmdResume = 40005,
  kCmdQuit = 40006,
  kCmdInn = 40011,
  kCmdMarket = 40012,
  kCmdAbout = 40021,
};

// Runs one command; false when it failed (a missing save, a file error).
// kCmdQuit is handled by the window, not here.
bool RunGameCommand(unsigned id);

}  // namespace marivel
