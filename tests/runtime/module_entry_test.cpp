#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "runtime/neutral/string_rules.h"
#include "tests/support/temp_folder.h"

namespace {

using EncodeFn = PVOID(__stdcall*)(PVOID);
using SlotsFn = void(__stdcall*)(void**, void**);
using OrderFn = const char*(__stdcall*)();

HMODULE LoadProbe() {
  static HMODULE module = LoadLibraryW((keelson::test::TestBinaryFolder() + L"\\entry_probe.plugin").c_str());
  return module;
}

template <typename Fn>
Fn Export(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(LoadProbe(), name)));
}

// The section of a loaded module that holds `address`, or null.
const IMAGE_SECTION_HEADER* SectionOf(HMODULE module, const void* address) {
  auto* base = reinterpret_cast<const uint8_t*>(module);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  const uintptr_t rva = reinterpret_cast<uintptr_t>(address) - reinterpret_cast<uintptr_t>(base);
  for (unsigned i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
    if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->Misc.VirtualSize) return section;
  }
  return nullptr;
}

TEST(ModuleEntry, SlotsInCodeSectionHoldTheReplacements) {
  ASSERT_NE(LoadProbe(), nullptr);
  void* slots[4] = {};
  void* replacements[4] = {};
  Export<SlotsFn>("ProbeSlots")(slots, replacements);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(*static_cast<void**>(slots[i]), replacements[i]);
    const IMAGE_SECTION_HEADER* section = SectionOf(LoadProbe(), slots[i]);
    ASSERT_NE(section, nullptr);
    EXPECT_TRUE(section->Characteristics & IMAGE_SCN_CNT_CODE);
  }
}

TEST(ModuleEntry, CallsToEncodePointerReachTheProcessEncoding) {
  auto encode = Export<EncodeFn>("ProbeEncodeThroughImport");
  auto decode = Export<EncodeFn>("ProbeDecodeThroughImport");
  ASSERT_NE(encode, nullptr);
  ASSERT_NE(decode, nullptr);
  const uintptr_t key = keelson::ProcessPointerKey(GetCurrentProcessId());
  for (uintptr_t x : {uintptr_t{0}, uintptr_t{1}, uintptr_t{0xFFFFFFFF}, uintptr_t{0x00401000}}) {
    SCOPED_TRACE(x);
    PVOID encoded = encode(reinterpret_cast<PVOID>(x));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(encoded), keelson::RotateRight<uintptr_t>(x ^ key, 4));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(decode(encoded)), x);
  }
  // Not the system's own encoding: that one would not match the formula.
  EXPECT_NE(reinterpret_cast<uintptr_t>(encode(reinterpret_cast<PVOID>(0x1234))),
            reinterpret_cast<uintptr_t>(EncodePointer(reinterpret_cast<PVOID>(0x1234))));
}

TEST(ModuleEntry, OtherReasonsLeaveTheSlotsAlone) {
  HMODULE module = LoadProbe();
  ASSERT_NE(module, nullptr);
  void* slots[4] = {};
  void* replacements[4] = {};
  Export<SlotsFn>("ProbeSlots")(slots, replacements);

  auto* base = reinterpret_cast<uint8_t*>(module);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  auto entry = reinterpret_cast<BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID)>(base + nt->OptionalHeader.AddressOfEntryPoint);

  void** encodeSlot = static_cast<void**>(slots[2]);
  DWORD previous = 0;
  ASSERT_TRUE(VirtualProtect(encodeSlot, sizeof(void*), PAGE_EXECUTE_READWRITE, &previous));
  void* const sentinel = reinterpret_cast<void*>(0x5EC0DE);
  *encodeSlot = sentinel;
  entry(module, DLL_THREAD_ATTACH, nullptr);
  entry(module, DLL_THREAD_DETACH, nullptr);
  EXPECT_EQ(*encodeSlot, sentinel);
  *encodeSlot = replacements[2];
  VirtualProtect(encodeSlot, sizeof(void*), previous, &previous);
}

TEST(ModuleEntry, StaticObjectsAreBuiltBeforeDllMain) {
  auto order = Export<OrderFn>("ProbeStartOrder");
  ASSERT_NE(order, nullptr);
  EXPECT_STREQ(order(), "static,dllmain");
}

}  // namespace
