// Feeds arbitrary 16-bit texts through the string rules: mark detection,
// path-join classification and the network-root cut must stay inside the
// text, and pointer encoding must round-trip.
#include <cstdint>
#include <cstring>
#include <vector>

#include "runtime/neutral/string_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<char16_t> text(size / 2 + 1, 0);
  if (size >= 2) std::memcpy(text.data(), data, (size / 2) * 2);
  const char16_t* t = text.data();
  const size_t length = keelson::TextLength(t);

  (void)keelson::DetectByteOrderMark(t);
  if (keelson::ClassifyJoinedPath(t) == keelson::PathJoinKind::Network) {
    if (keelson::NetworkServerLength(t) > length) __builtin_trap();
  }
  (void)keelson::NeedsSeparator(t, length);

  uint32_t value = 0;
  uint32_t pid = 0;
  if (size >= 8) {
    std::memcpy(&value, data, 4);
    std::memcpy(&pid, data + 4, 4);
  }
  const uint32_t key = keelson::ProcessPointerKey(pid);
  if (keelson::DecodeWithKey(keelson::EncodeWithKey(value, key), key) != value) __builtin_trap();
  return 0;
}
