// The control script: steps that drive the game the way its own UI would.
//
// Given on the command line as  /script "STEPS"  or  /scriptfile FILE  (UTF-8).
// Steps are separated by ';' or line breaks, words by blanks; a word in
// double quotes may hold blanks and ';'. Verbs (case does not matter):
//   new | save | load | suspend | resume | inn | market | about
//                       the game's own menu commands, sent as WM_COMMAND
//   menu ID             WM_COMMAND with any command id (menus added by others too)
//   date Y M D          set the game date
//   items C1 .. C16     set the carried items (up to 16 codes, the rest empty, -1 = empty)
//   city N              set the city number (255: none)
//   names FIRST SECOND  set the two name fields (stored in the ANSI code page)
//   dump FILE           write the state as "key=value" lines
//   sync                wait until the game is back in its own message loop
//   wait MS             sleep on the control thread
//   dialog [CAPTION]    wait (10 s) for a dialog of the UI thread, with that caption if given
//                       (the words of CAPTION are joined by single blanks, as is TEXT)
//   type ID TEXT        set the text of control ID of that dialog
//   press ID            press button ID of that dialog
//   read ID FILE        write the text of control ID of that dialog to FILE (UTF-8)
//   quit                close the main window
// Relative FILE paths are taken from the game folder.
#pragma once

#include <string>
#include <vector>

namespace marivel {

struct Step {
  std::wstring verb;  // lower case
  std::vector<std::wstring> args;
};

struct Script {
  std::vector<Step> steps;
  std::wstring error;  // first problem found; empty when the script is sound
};

Script ParseScript(const std::wstring& text);

// Parses a number written in decimal or as 0x hex; false when `text` is none.
bool ParseNumber(const std::wstring& text, long long& value);

}  // namespace marivel
