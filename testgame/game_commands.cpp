#include "testgame/game_commands.h"

#include <windows.h>

#include "testgame/game_state.h"
#include "testgame/save_files.h"
#include "testgame/save_format.h"

namespace marivel {
namespace {

std::vector<uint8_t> CurrentSave() { return EncodeSave(State(), GameDate(), CarriedItems()); }

bool Restore(const std::vector<uint8_t>& bytes) {
  GameState& s = State();
  GameState loaded = s;
  int32_t date[3];
  int32_t items[kCarriedSlots];
  if (!DecodeSave(bytes, loaded, date, items)) return false;
  s = loaded;
  for (int i = 0; i < 3; ++i) GameDate()[i] = date[i];
  for (int i = 0; i < kCarriedSlots; ++i) CarriedItems()[i] = items[i];
  CheckFlag();
  return true;
}

}  // namespace

bool RunGameCommand(unsigned id) {
  std::vector<uint8_t> bytes;
  switch (id) {
    case kCmdNewGame:
      StartNewGame();
      return true;
    case kCmdSave:
      return WriteRegularSave(CurrentSave());
    case kCmdSuspend:
      return WriteSuspendSave(CurrentSave());
    case kCmdLoad: {
      const bool ok = ReadRegularSave(bytes) && Restore(bytes);
      // A loaded regular save makes any suspend save stale.
      if (ok) DeleteSuspendSave();
      return ok;
    }
    case kCmdResume: {
      const bool ok = ReadSuspendSave(bytes) && Restore(bytes);
      // A suspend save is good for one resume only.
      if (ok) DeleteSuspendSave();
      return ok;
    }
    case kCmdInn:
      if (State().city == kNoCity) return false;
      GameInnRoutine(&State());
      CheckFlag();
      return true;
    case kCmdMarket: {
      // Sells the first carried item, if any.
      for (int i = 0; i < kCarriedSlots; ++i) {
        if (CarriedItems()[i] >= 0) {
          CarriedItems()[i] = -1;
          return true;
        }
      }
      return false;
    }
    case kCmdAbout:
      return true;
    default:
      return false;
  }
}

}  // namespace marivel
