#include "runtime/host_api.h"

#include "runtime/string_base.h"

namespace keelson {

namespace {

template <typename Fn>
void Bind(HMODULE host, const char* name, Fn& entry) {
  entry = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(host, name)));
}

}  // namespace

HostApi& BindHost(HostApi& api) {
  // The host is loaded by its full path beside the game executable only: a
  // relative name would let the library search find a planted copy in the
  // current directory or on PATH.
  StringBaseW path;
  path.AssignModulePath(nullptr);
  path.CutToFolder();
  path.AppendPath(kHostRelativePath);
  HMODULE host = LoadLibraryW(path.Text());

  if (host == nullptr || host == reinterpret_cast<HMODULE>(INVALID_HANDLE_VALUE)) {
    api = HostApi{};
    return api;
  }
  Bind(host, "PluginGetCount", api.PluginGetCount);
  Bind(host, "PluginGetProcAddress", api.PluginGetProcAddress);
  Bind(host, "FileOffsetToMemoryAddress", api.FileOffsetToMemoryAddress);
  Bind(host, "GetMainWindowHandle", api.GetMainWindowHandle);
  Bind(host, "RegiterMainWindowHook", api.RegiterMainWindowHook);
  Bind(host, "GetExtradata", api.GetExtradata);
  Bind(host, "SetExtradata", api.SetExtradata);
  return api;
}

}  // namespace keelson
