// The first steps of every module's process attach.
#pragma once

#include <windows.h>

namespace keelson {

// Sets the run-time locale "japanese" for all categories and remembers the
// module handle. Each module then does its own start-up.
void BeginProcessAttach(HINSTANCE instance);

// The handle remembered by BeginProcessAttach (null before it).
HINSTANCE ModuleInstance();

}  // namespace keelson
