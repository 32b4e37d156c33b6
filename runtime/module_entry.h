// The entry point shared by every module, and the replacements that the
// run-time library reaches through the module's own call slots instead of
// through imports.
#pragma once

#include <windows.h>

extern "C" {

// Fills the four slots on process attach, then hands over to the run-time
// library's entry, which builds the static objects and calls DllMain.
BOOL WINAPI ModuleEntry(HINSTANCE instance, DWORD reason, LPVOID reserved);

PVOID WINAPI EncodeProcessPointer(PVOID value);
PVOID WINAPI DecodeProcessPointer(PVOID value);
BOOL WINAPI ForwardFindActCtxSectionStringA(DWORD flags, const GUID* extension, ULONG sectionId, LPCSTR stringToFind,
                                            PACTCTX_SECTION_KEYED_DATA data);
BOOL WINAPI ForwardFindActCtxSectionStringW(DWORD flags, const GUID* extension, ULONG sectionId, LPCWSTR stringToFind,
                                            PACTCTX_SECTION_KEYED_DATA data);

// The slots, in the module's code section (see module_slots.S), under the
// names that an import of each function would have.
#if defined(__x86_64__)
#define KEELSON_IMPORT_NAME(name, bytes) "__imp_" #name
#else
#define KEELSON_IMPORT_NAME(name, bytes) "__imp__" #name "@" #bytes
#endif
extern void* ModuleSlotFindActCtxSectionStringW asm(KEELSON_IMPORT_NAME(FindActCtxSectionStringW, 20));
extern void* ModuleSlotFindActCtxSectionStringA asm(KEELSON_IMPORT_NAME(FindActCtxSectionStringA, 20));
extern void* ModuleSlotEncodePointer asm(KEELSON_IMPORT_NAME(EncodePointer, 4));
extern void* ModuleSlotDecodePointer asm(KEELSON_IMPORT_NAME(DecodePointer, 4));
}
