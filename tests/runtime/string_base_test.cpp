#include "runtime/string_base.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.h"

namespace {

using keelson::StringBaseA;
using keelson::StringBaseW;

TEST(StringBaseW, StartsEmptyWithCapacity255) {
  StringBaseW s;
  EXPECT_STREQ(s.Text(), L"");
  EXPECT_EQ(s.Capacity(), 255u);
}

TEST(StringBaseW, GrowthRule) {
  // Room needed (terminator included) -> capacity granted.
  const struct {
    uint32_t needed;
    uint32_t capacity;
  } cases[] = {{10, 255}, {255, 255}, {256, 256}, {257, 511}, {261, 511}, {512, 512}, {600, 767}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.needed);
    StringBaseW s;
    const std::wstring text(c.needed - 1, L'x');
    s.Assign(text.c_str());
    EXPECT_EQ(s.Capacity(), c.capacity);
    EXPECT_EQ(s.Text(), text);
  }
}

TEST(StringBaseW, CapacityNeverShrinksExceptOnEmptyAssign) {
  StringBaseW s;
  s.Assign(std::wstring(600, L'a').c_str());
  s.Assign(L"short");
  EXPECT_EQ(s.Capacity(), 767u);
  EXPECT_STREQ(s.Text(), L"short");
  s.Assign(L"");
  EXPECT_EQ(s.Capacity(), 255u);
  EXPECT_STREQ(s.Text(), L"");
}

TEST(StringBaseW, AppendAndAppendCharGrowByTheRule) {
  StringBaseW s;
  s.Assign(std::wstring(254, L'a').c_str());
  EXPECT_EQ(s.Capacity(), 255u);
  s.AppendChar(L'b');  // needs 256
  EXPECT_EQ(s.Capacity(), 256u);
  s.Append(L"cdef");  // needs 260
  EXPECT_EQ(s.Capacity(), 511u);
  EXPECT_EQ(std::wstring(s.Text()), std::wstring(254, L'a') + L"bcdef");
}

TEST(StringBaseW, ByteOrderMarks) {
  const wchar_t native[] = {0xFEFF, L'a', L'b', L'c', 0};
  const wchar_t swapped[] = {0xFFFE, 0x6100, 0x6200, 0x6300, 0};
  StringBaseW s;
  s.Assign(native);
  EXPECT_STREQ(s.Text(), L"abc");
  s.Assign(swapped);
  EXPECT_STREQ(s.Text(), L"abc");

  // Only the newly copied characters are swapped.
  s.Assign(L"x\u6100");
  s.Append(swapped);
  EXPECT_STREQ(s.Text(), L"x\u6100abc");
  s.Append(native);
  EXPECT_STREQ(s.Text(), L"x\u6100abcabc");
}

TEST(StringBaseW, MarkOnlyOrNullTexts) {
  const wchar_t markOnly[] = {0xFEFF, 0};
  const wchar_t swappedOnly[] = {0xFFFE, 0};
  StringBaseW s;
  s.Assign(std::wstring(300, L'a').c_str());
  s.Assign(markOnly);
  EXPECT_STREQ(s.Text(), L"");
  EXPECT_EQ(s.Capacity(), 255u);

  s.Assign(std::wstring(300, L'a').c_str());
  s.Append(nullptr);
  s.Append(L"");
  s.Append(swappedOnly);
  EXPECT_EQ(s.Length(), 300u);
  EXPECT_EQ(s.Capacity(), 511u);

  s.Assign(nullptr);
  EXPECT_STREQ(s.Text(), L"");
  EXPECT_EQ(s.Capacity(), 255u);
}

TEST(StringBaseW, FormatUsesWideTextsAndGrows) {
  StringBaseW s;
  s.Format(L"%s %04d/%02d/%02d ", L"ＡＢ", 7, 3, 9);
  EXPECT_STREQ(s.Text(), L"ＡＢ 0007/03/09 ");
  const std::wstring longText(400, L'z');
  s.Format(L"[%s]", longText.c_str());
  EXPECT_EQ(s.Text(), L"[" + longText + L"]");
  EXPECT_EQ(s.Capacity(), 511u);
}

TEST(StringBaseW, AppendPath) {
  const struct {
    const wchar_t* text;
    const wchar_t* path;
    const wchar_t* joined;
  } cases[] = {
      {L"C:\\dir", L"*.plugin", L"C:\\dir\\*.plugin"},
      {L"C:\\dir\\", L"*.plugin", L"C:\\dir\\*.plugin"},
      {L"", L"a\\b", L"a\\b"},
      {L"C:\\dir", L"D:rel", L"C:\\dir\\D:rel"},
      {L"C:\\dir", L"\\x", L"C:\\x"},
      {L"d:\\deep\\dir", L"\\x\\y", L"D:\\x\\y"},
      {L"\\\\srv\\share\\dir", L"\\x", L"\\\\srv\\x"},
      {L"\\\\srv", L"\\x", L"\\\\srv\\x"},
      {L"C:\\dir", L"\\\\srv\\share", L"\\\\srv\\share"},
      {L"\\\\other\\s", L"\\\\srv\\share", L"\\\\srv\\share"},
      {L"", L"\\\\srv\\share", L"\\\\srv\\share"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "text " << c.text << " path " << c.path);
    StringBaseW s;
    s.Assign(c.text);
    s.AppendPath(c.path);
    EXPECT_STREQ(s.Text(), c.joined);
  }
}

TEST(StringBaseW, RootedPathOnATextWithoutDriveTakesTheCurrentDrive) {
  wchar_t current[MAX_PATH];
  ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, current), 2u);
  StringBaseW s;
  s.Assign(L"relative\\dir");
  s.AppendPath(L"\\x");
  EXPECT_EQ(std::wstring(s.Text()), std::wstring(1, towupper(current[0])) + L":\\x");
}

TEST(StringBaseW, AssignAnsiConvertsFromCodePage932) {
  ASSERT_EQ(GetACP(), 932u);
  StringBaseW s;
  s.AssignAnsi("\x83\x8A\x83\x58\x83\x7B\x83\x93 Lisboa");
  EXPECT_STREQ(s.Text(), L"リスボン Lisboa");
  s.AssignAnsi(nullptr);
  EXPECT_STREQ(s.Text(), L"");
  EXPECT_EQ(s.Capacity(), 255u);
}

TEST(StringBaseW, CurrentDirectoryAndModulePath) {
  wchar_t expected[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, expected);
  StringBaseW s;
  s.AssignCurrentDirectory();
  EXPECT_STREQ(s.Text(), expected);

  GetModuleFileNameW(nullptr, expected, MAX_PATH);
  s.AssignModulePath(nullptr);
  EXPECT_EQ(lstrcmpiW(s.Text(), expected), 0) << s.Text();
  s.CutToFolder();
  EXPECT_EQ(s.Text()[s.Length() - 1], L'\\');
  EXPECT_EQ(s.Text() + std::wstring(PathFindFileNameW(expected)), std::wstring(expected));
}

TEST(StringBaseW, ModulePathLongerThan510IsReturnedWhole) {
  keelson::test::TempFolder temp;
  std::wstring folder = L"\\\\?\\" + temp.Path();
  while (folder.size() < 560) folder += L"\\" + std::wstring(100, L'd');
  ASSERT_TRUE(keelson::test::MakeFolders(folder));
  const std::wstring copy = folder + L"\\entry_probe.plugin";
  ASSERT_TRUE(CopyFileW((keelson::test::TestBinaryFolder() + L"\\entry_probe.plugin").c_str(), copy.c_str(), FALSE));
  HMODULE module = LoadLibraryW(copy.c_str());
  ASSERT_NE(module, nullptr);

  wchar_t direct[2048];
  const DWORD length = GetModuleFileNameW(module, direct, 2048);
  ASSERT_GT(length, 510u);
  StringBaseW s;
  s.AssignModulePath(module);
  EXPECT_GT(s.Length(), 510u);
  const std::wstring tail = std::wstring(100, L'd') + L"\\entry_probe.plugin";
  const std::wstring got = s.Text();
  ASSERT_GE(got.size(), tail.size());
  EXPECT_EQ(got.substr(got.size() - tail.size()), tail);
  FreeLibrary(module);
}

TEST(StringBaseA, AssignGrowthAndTrailingBackslash) {
  StringBaseA s;
  EXPECT_EQ(s.Capacity(), 255u);
  s.EnsureTrailingBackslash();
  EXPECT_STREQ(s.Text(), "");
  s.Assign("C:\\game");
  s.EnsureTrailingBackslash();
  EXPECT_STREQ(s.Text(), "C:\\game\\");
  s.EnsureTrailingBackslash();
  EXPECT_STREQ(s.Text(), "C:\\game\\");

  s.Assign(std::string(260, 'a').c_str());
  EXPECT_EQ(s.Capacity(), 511u);
  s.Assign(nullptr);
  EXPECT_STREQ(s.Text(), "");
  EXPECT_EQ(s.Capacity(), 255u);
}

}  // namespace
