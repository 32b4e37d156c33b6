#include <windows.h>

#include <gtest/gtest.h>

#include <clocale>

namespace {

TEST(Harness, AnsiCodePageIsJapanese) {
  EXPECT_EQ(GetACP(), 932u);
  EXPECT_STREQ(_wsetlocale(LC_ALL, L"japanese"), L"Japanese_Japan.932");
}

TEST(Harness, WindowsCanBeCreated) {
  HWND window = CreateWindowExW(0, L"STATIC", L"harness", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_NE(GetDC(window), nullptr);
  DestroyWindow(window);
}

}  // namespace
