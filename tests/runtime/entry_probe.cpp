// A module built like every deliverable, answering questions about its own
// entry: where its slots point and in which order start-up ran.
#include <windows.h>

#include <cstring>

#include "runtime/module_attach.h"
#include "runtime/module_entry.h"

namespace {

char startOrder[64] = "";

void Note(const char* step) {
  if (startOrder[0] != 0) strcat(startOrder, ",");
  strcat(startOrder, step);
}

struct StaticProbe {
  StaticProbe() { Note("static"); }
} staticProbe;

}  // namespace

extern "C" {

// EncodePointer and DecodePointer as any code of this module reaches them:
// through the names that an import would have.
PVOID __stdcall ProbeEncodeThroughImport(PVOID value) { return EncodePointer(value); }
PVOID __stdcall ProbeDecodeThroughImport(PVOID value) { return DecodePointer(value); }

// The four slots (W, A, Encode, Decode) and the functions they should hold.
void __stdcall ProbeSlots(void** slots, void** replacements) {
  slots[0] = &ModuleSlotFindActCtxSectionStringW;
  slots[1] = &ModuleSlotFindActCtxSectionStringA;
  slots[2] = &ModuleSlotEncodePointer;
  slots[3] = &ModuleSlotDecodePointer;
  replacements[0] = reinterpret_cast<void*>(&ForwardFindActCtxSectionStringW);
  replacements[1] = reinterpret_cast<void*>(&ForwardFindActCtxSectionStringA);
  replacements[2] = reinterpret_cast<void*>(&EncodeProcessPointer);
  replacements[3] = reinterpret_cast<void*>(&DecodeProcessPointer);
}

const char* __stdcall ProbeStartOrder() { return startOrder; }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    keelson::BeginProcessAttach(instance);
    Note("dllmain");
  }
  return TRUE;
}
