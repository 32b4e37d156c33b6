// The record through which a module calls the plugin host.
#pragma once

#include <windows.h>

#include <cstdint>

namespace keelson {

// A hook in the main window's message chain: returns false to stop the
// chain, and may set *result for the window procedure's answer.
using MainWindowHookProc = bool(__stdcall*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// The host's seven entry points, bound by export name. Any entry may be null:
// callers test before every call and treat null as the empty result.
struct HostApi {
  int32_t(__stdcall* PluginGetCount)();
  FARPROC(__stdcall* PluginGetProcAddress)(uint32_t index, const char* name);
  uint32_t(__stdcall* FileOffsetToMemoryAddress)(uint32_t fileOffset);
  HWND(__stdcall* GetMainWindowHandle)();
  bool(__stdcall* RegiterMainWindowHook)(MainWindowHookProc hook);
  bool(__stdcall* GetExtradata)(const void* key, const void** data, uint32_t* size);
  bool(__stdcall* SetExtradata)(const void* key, const void* data, uint32_t size);
};

// Where the host lives, relative to the game executable's folder.
inline constexpr wchar_t kHostRelativePath[] = L"MVR95Util\\Keelson.plugin";

// Loads the host from the game executable's folder and fills `api` with its
// exports; every entry is null when the host is not there. Each binding
// keeps one reference to the host, which is never released.
HostApi& BindHost(HostApi& api);

}  // namespace keelson
