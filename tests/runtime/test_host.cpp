// A host with the seven exports and recognisable answers, for binding tests.
#include <windows.h>

#include <cstdint>

#include "runtime/module_attach.h"

// Exported by name through the .def file.
extern "C" {
int32_t __stdcall PluginGetCount() { return 7; }
FARPROC __stdcall PluginGetProcAddress(uint32_t, const char*) { return nullptr; }
uint32_t __stdcall FileOffsetToMemoryAddress(uint32_t offset) { return offset + 0x400000; }
HWND __stdcall GetMainWindowHandle() { return nullptr; }
bool __stdcall RegiterMainWindowHook(void*) { return true; }
bool __stdcall GetExtradata(const void*, const void**, uint32_t*) { return false; }
bool __stdcall SetExtradata(const void*, const void*, uint32_t) { return false; }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) keelson::BeginProcessAttach(instance);
  return TRUE;
}
