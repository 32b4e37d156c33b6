#include <gtest/gtest.h>

#include <string>

#include "tests/support/child_process.h"
#include "tests/support/temp_folder.h"

namespace {

// Each probe is an executable whose version resource says the given
// version; it exits with QueryGameVersion() of itself.
TEST(QueryGameVersion, ReadsTheExecutablesFixedFileVersion) {
  const struct {
    const wchar_t* probe;
    uint32_t version;
  } cases[] = {
      {L"version_probe_1_2_7_0.exe", 0x01020700},
      {L"version_probe_1_4_0_0.exe", 0x01040000},
      {L"version_probe_1_2_263_0.exe", 0x01020700},  // only the low byte of each part
      {L"version_probe_none.exe", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.probe);
    const auto result = keelson::test::RunChild(keelson::test::TestBinaryFolder() + L"\\" + c.probe, L"");
    ASSERT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, c.version) << result.output;
  }
}

}  // namespace
