// Binds the host as a module does and prints what it found:
//   bound N        entries that are not null (of seven)
//   same 0|1       a second binding gives the same seven entries
//   exports 0|1    each entry is the export of the host beside this program
//   count N        PluginGetCount() through the record, -1 when null
//   loaded NAME    every loaded module named Keelson.plugin, full path
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

#include "runtime/host_api.h"
#include "runtime/string_base.h"

namespace {

void** Entries(keelson::HostApi& api) { return reinterpret_cast<void**>(&api); }

}  // namespace

int main() {
  keelson::HostApi first{};
  keelson::HostApi second{};
  keelson::BindHost(first);
  keelson::BindHost(second);

  int bound = 0;
  for (int i = 0; i < 7; ++i) bound += Entries(first)[i] != nullptr;
  std::printf("bound %d\n", bound);
  std::printf("same %d\n", std::memcmp(&first, &second, sizeof(first)) == 0 ? 1 : 0);

  keelson::StringBaseW expected;
  expected.AssignModulePath(nullptr);
  expected.CutToFolder();
  expected.AppendPath(keelson::kHostRelativePath);
  HMODULE host = GetModuleHandleW(expected.Text());
  static const char* const names[7] = {"PluginGetCount",      "PluginGetProcAddress",  "FileOffsetToMemoryAddress",
                                       "GetMainWindowHandle", "RegiterMainWindowHook", "GetExtradata",
                                       "SetExtradata"};
  int exports = host != nullptr ? 1 : 0;
  for (int i = 0; host != nullptr && i < 7; ++i) {
    if (Entries(first)[i] != reinterpret_cast<void*>(GetProcAddress(host, names[i]))) exports = 0;
  }
  std::printf("exports %d\n", exports);
  std::printf("count %d\n", first.PluginGetCount ? first.PluginGetCount() : -1);

  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
  MODULEENTRY32W module = {};
  module.dwSize = sizeof(module);
  for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module)) {
    if (lstrcmpiW(module.szModule, L"Keelson.plugin") == 0) std::printf("loaded %ls\n", module.szExePath);
  }
  CloseHandle(snapshot);
  return 0;
}
