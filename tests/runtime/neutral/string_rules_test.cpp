#include "runtime/neutral/string_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace keelson;

TEST(StringRules, GrownCapacity) {
  const uint32_t cases[][2] = {{1, 255},   {10, 255},  {255, 255}, {256, 256}, {261, 511},
                               {511, 511}, {512, 512}, {600, 767}, {772, 1023}};
  for (const auto& c : cases) EXPECT_EQ(GrownCapacity(c[0]), c[1]) << c[0];
}

TEST(StringRules, ByteOrderMarkAndSwap) {
  const char16_t native[] = {0xFEFF, u'a', 0};
  const char16_t swapped[] = {0xFFFE, 0x6100, 0};
  const char16_t plain[] = {u'a', 0};
  EXPECT_EQ(DetectByteOrderMark(native), ByteOrderMark::Native);
  EXPECT_EQ(DetectByteOrderMark(swapped), ByteOrderMark::Swapped);
  EXPECT_EQ(DetectByteOrderMark(plain), ByteOrderMark::None);
  EXPECT_EQ(DetectByteOrderMark<char16_t>(nullptr), ByteOrderMark::None);
  EXPECT_EQ(SwapBytes(char16_t(0x6100)), char16_t(0x0061));
  // Wide characters of 32 bits (this native build) keep only their low 16 bits.
  const wchar_t wide[] = {static_cast<wchar_t>(0x1FEFF), 0};
  EXPECT_EQ(DetectByteOrderMark(wide), ByteOrderMark::Native);
}

TEST(StringRules, PathJoinPieces) {
  EXPECT_EQ(ClassifyJoinedPath(u"\\\\srv\\share"), PathJoinKind::Network);
  EXPECT_EQ(ClassifyJoinedPath(u"\\x"), PathJoinKind::Rooted);
  EXPECT_EQ(ClassifyJoinedPath(u"\\"), PathJoinKind::Rooted);
  EXPECT_EQ(ClassifyJoinedPath(u"D:x"), PathJoinKind::Relative);
  EXPECT_EQ(ClassifyJoinedPath(u""), PathJoinKind::Relative);
  EXPECT_EQ(ClassifyJoinedPath<char16_t>(nullptr), PathJoinKind::Relative);

  EXPECT_EQ(NetworkServerLength(u"\\\\srv\\share\\dir"), 5u);
  EXPECT_EQ(NetworkServerLength(u"\\\\srv"), 5u);
  EXPECT_EQ(NetworkServerLength(u"\\\\"), 2u);
  EXPECT_EQ(NetworkServerLength(u"\\\\\\x"), 2u);

  EXPECT_FALSE(NeedsSeparator(u"", 0));
  EXPECT_FALSE(NeedsSeparator(u"C:\\", 3));
  EXPECT_TRUE(NeedsSeparator(u"C:", 2));
}

TEST(StringRules, ProcessPointerRoundTrip) {
  for (uint32_t pid : {0u, 4u, 0x1234u, 0xFFFFFFFFu}) {
    const uint32_t key = ProcessPointerKey(pid);
    for (uint32_t x : {0u, 1u, 0xFFFFFFFFu, 0x80000000u, 0x00401000u}) {
      EXPECT_EQ(DecodeWithKey(EncodeWithKey(x, key), key), x) << pid << " " << x;
    }
  }
  EXPECT_EQ(RotateRight<uint32_t>(0x12345678u, 4), 0x81234567u);
  EXPECT_EQ(RotateLeft<uint32_t>(0x81234567u, 4), 0x12345678u);
  EXPECT_EQ(RotateRight<uint64_t>(0x12345678u, 4), 0x8000000001234567u);
  const uint64_t key64 = ProcessPointerKey(0x1234);
  EXPECT_EQ(DecodeWithKey<uint64_t>(EncodeWithKey<uint64_t>(0xFFFFFFFFFFFFFFFFu, key64), key64), 0xFFFFFFFFFFFFFFFFu);
}

TEST(StringRules, PackFileVersion) {
  EXPECT_EQ(PackFileVersion(0x00010002, 0x00070000), 0x01020700u);
  EXPECT_EQ(PackFileVersion(0x00010004, 0x00000000), 0x01040000u);
  EXPECT_EQ(PackFileVersion(0x00010002, 0x01070000), 0x01020700u);  // 1.2.263.0
  EXPECT_EQ(PackFileVersion(0x01FF0102, 0xABCD1234), 0xFF02CD34u);
}

}  // namespace
