// The state as text, one "key=value" per line, for tests and the demo:
//   version=1.2.7.0          date=1480 4 1          city=0
//   first_name=... second_name=... (bytes of the ANSI code page)
//   items=16 codes           stays=N  stay_nights=N  stay_rooms=N
//   flag=0|1                 flag_marker=0x........  frames=N
//   last_command=ID ok|failed
#pragma once

#include <string>

namespace marivel {

std::string FormatStateDump(unsigned lastCommand, bool lastCommandOk);
bool WriteStateDump(const std::wstring& path, unsigned lastCommand, bool lastCommandOk);

}  // namespace marivel
