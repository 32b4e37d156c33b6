// The control channel: a thread that runs the script's steps (script.h).
// Steps that touch the game are posted to the main window and run on the UI
// thread; a step posted while another one waits in a modal dialog is held
// back until that one has finished. Dialog steps act from the control thread
// on a dialog of the UI thread. Each step is reported on standard error.
#pragma once

#include <windows.h>

#include "testgame/script.h"

namespace marivel {

// Starts the control thread; the main window must exist.
void StartControl(const Script& script);
// Waits a little for the control thread to finish (the process is ending).
void StopControl();

// UI thread: runs the step posted with kStepMessage.
void HandleStepMessage(LPARAM posted);
// UI thread: remembers the outcome of the last game command, for the dump.
void NoteCommandResult(unsigned id, bool ok);
// 0 when every step succeeded, 2 when one failed or the script was unsound.
int ControlExitCode();

}  // namespace marivel
