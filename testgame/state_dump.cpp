#include "testgame/state_dump.h"

#include <windows.h>

#include <cstdio>

#include "testgame/game_state.h"
#include "testgame/release.h"

namespace marivel {

std::string FormatStateDump(unsigned lastCommand, bool lastCommandOk) {
  const GameState& s = State();
  const int32_t* date = GameDate();
  std::string out;
  char line[160];
  auto add = [&](const char* format, auto... values) {
    std::snprintf(line, sizeof line, format, values...);
    out += line;
  };
  add("version=%s\n", GAME_VERSION_TEXT);
  add("date=%ld %ld %ld\n", static_cast<long>(date[0]), static_cast<long>(date[1]), static_cast<long>(date[2]));
  add("city=%u\n", static_cast<unsigned>(s.city));
  out += "first_name=" + std::string(s.firstName) + "\n";
  out += "second_name=" + std::string(s.secondName) + "\n";
  out += "items=";
  for (int i = 0; i < kCarriedSlots; ++i) add(i ? " %ld" : "%ld", static_cast<long>(CarriedItems()[i]));
  out += "\n";
  add("stays=%lu\n", static_cast<unsigned long>(s.stayCount));
  add("stay_nights=%lu\n", static_cast<unsigned long>(s.lastNights));
  add("stay_rooms=%lu\n", static_cast<unsigned long>(s.lastRooms));
  add("flag=%ld\n", static_cast<long>(s.flag));
  add("flag_marker=0x%08lX\n", static_cast<unsigned long>(s.flagMarker));
  add("frames=%lu\n", static_cast<unsigned long>(s.frames));
  add("last_command=%u %s\n", lastCommand, lastCommandOk ? "ok" : "failed");
  return out;
}

bool WriteStateDump(const std::wstring& path, unsigned lastCommand, bool lastCommandOk) {
  const std::string text = FormatStateDump(lastCommand, lastCommandOk);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
  CloseHandle(file);
  return ok;
}

}  // namespace marivel
