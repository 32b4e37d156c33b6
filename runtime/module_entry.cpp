#include "runtime/module_entry.h"

#include <cstdint>

#include "runtime/neutral/string_rules.h"

extern "C" BOOL WINAPI DllMainCRTStartup(HANDLE instance, DWORD reason, LPVOID reserved);

namespace {

void FillSlot(void** slot, void* function) {
  DWORD previous = 0;
  if (!VirtualProtect(slot, sizeof(*slot), PAGE_EXECUTE_READWRITE, &previous)) return;
  *slot = function;
  VirtualProtect(slot, sizeof(*slot), previous, &previous);
}

uintptr_t CurrentKey() { return keelson::ProcessPointerKey(GetCurrentProcessId()); }

template <typename Fn>
Fn FindKernelEntry(const char* name) {
  HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
  if (kernel == nullptr) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel, name)));
}

}  // namespace

extern "C" {

BOOL WINAPI ModuleEntry(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    FillSlot(&ModuleSlotFindActCtxSectionStringW, reinterpret_cast<void*>(&ForwardFindActCtxSectionStringW));
    FillSlot(&ModuleSlotFindActCtxSectionStringA, reinterpret_cast<void*>(&ForwardFindActCtxSectionStringA));
    FillSlot(&ModuleSlotEncodePointer, reinterpret_cast<void*>(&EncodeProcessPointer));
    FillSlot(&ModuleSlotDecodePointer, reinterpret_cast<void*>(&DecodeProcessPointer));
  }
  return DllMainCRTStartup(instance, reason, reserved);
}

PVOID WINAPI EncodeProcessPointer(PVOID value) {
  return reinterpret_cast<PVOID>(keelson::EncodeWithKey(reinterpret_cast<uintptr_t>(value), CurrentKey()));
}

PVOID WINAPI DecodeProcessPointer(PVOID value) {
  return reinterpret_cast<PVOID>(keelson::DecodeWithKey(reinterpret_cast<uintptr_t>(value), CurrentKey()));
}

BOOL WINAPI ForwardFindActCtxSectionStringA(DWORD flags, const GUID* extension, ULONG sectionId, LPCSTR stringToFind,
                                            PACTCTX_SECTION_KEYED_DATA data) {
  using Fn = BOOL(WINAPI*)(DWORD, const GUID*, ULONG, LPCSTR, PACTCTX_SECTION_KEYED_DATA);
  Fn target = FindKernelEntry<Fn>("FindActCtxSectionStringA");
  return target ? target(flags, extension, sectionId, stringToFind, data) : FALSE;
}

BOOL WINAPI ForwardFindActCtxSectionStringW(DWORD flags, const GUID* extension, ULONG sectionId, LPCWSTR stringToFind,
                                            PACTCTX_SECTION_KEYED_DATA data) {
  using Fn = BOOL(WINAPI*)(DWORD, const GUID*, ULONG, LPCWSTR, PACTCTX_SECTION_KEYED_DATA);
  Fn target = FindKernelEntry<Fn>("FindActCtxSectionStringW");
  return target ? target(flags, extension, sectionId, stringToFind, data) : FALSE;
}

}  // extern "C"
