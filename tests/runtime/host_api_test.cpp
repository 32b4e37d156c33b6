#include "runtime/host_api.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/child_process.h"
#include "tests/support/temp_folder.h"

namespace {

using keelson::test::RunChild;
using keelson::test::TempFolder;

// A game folder holding a copy of bind_probe.exe as the game executable,
// with or without the test host at MVR95Util\Keelson.plugin.
struct GameFolder {
  TempFolder temp;
  std::wstring game = temp / L"game";

  explicit GameFolder(bool withHost) {
    keelson::test::MakeFolders(game + L"\\MVR95Util");
    CopyFileW((keelson::test::TestBinaryFolder() + L"\\bind_probe.exe").c_str(), (game + L"\\Marivel.exe").c_str(),
              FALSE);
    if (withHost) PlantHost(game);
  }
  // Puts a host at FOLDER\MVR95Util\Keelson.plugin.
  static void PlantHost(const std::wstring& folder) {
    keelson::test::MakeFolders(folder + L"\\MVR95Util");
    CopyFileW((keelson::test::TestBinaryFolder() + L"\\Keelson.plugin").c_str(),
              (folder + L"\\MVR95Util\\Keelson.plugin").c_str(), FALSE);
  }
  std::string Run(const keelson::test::ChildOptions& options = {}) {
    const auto result = RunChild(game + L"\\Marivel.exe", L"", options);
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 0u);
    return result.output;
  }
};

bool Has(const std::string& output, const std::string& line) {
  return output.find(line + "\r\n") != std::string::npos || output.find(line + "\n") != std::string::npos;
}

TEST(BindHost, BindsTheSevenExportsOfTheHostBesideTheGame) {
  GameFolder folder(true);
  const std::string output = folder.Run();
  EXPECT_TRUE(Has(output, "bound 7")) << output;
  EXPECT_TRUE(Has(output, "same 1")) << output;
  EXPECT_TRUE(Has(output, "exports 1")) << output;
  EXPECT_TRUE(Has(output, "count 7")) << output;
}

TEST(BindHost, EveryEntryIsNullWithoutAHost) {
  GameFolder folder(false);
  const std::string output = folder.Run();
  EXPECT_TRUE(Has(output, "bound 0")) << output;
  EXPECT_TRUE(Has(output, "same 1")) << output;
  EXPECT_TRUE(Has(output, "count -1")) << output;
}

TEST(BindHost, NeverLoadsAHostPlantedInTheCurrentDirectoryOrOnPath) {
  GameFolder folder(false);
  const std::wstring planted = folder.temp / L"planted";
  const std::wstring onPath = folder.temp / L"onpath";
  GameFolder::PlantHost(planted);
  GameFolder::PlantHost(onPath);
  wchar_t path[32767];
  GetEnvironmentVariableW(L"PATH", path, 32767);
  keelson::test::ChildOptions options;
  options.currentDirectory = planted;
  options.environment = {L"PATH=" + onPath + L";" + path};

  const std::string output = folder.Run(options);
  EXPECT_TRUE(Has(output, "bound 0")) << output;
  EXPECT_EQ(output.find("loaded "), std::string::npos) << output;

  // The planted copies are reachable by the library search: a relative
  // load would have taken one of them.
  SetCurrentDirectoryW(planted.c_str());
  HMODULE reached = LoadLibraryW(L"MVR95Util\\Keelson.plugin");
  SetCurrentDirectoryW(keelson::test::TestBinaryFolder().c_str());
  EXPECT_NE(reached, nullptr);
  if (reached) FreeLibrary(reached);
}

TEST(BindHost, TheHostBesideTheGameWinsOverPlantedCopies) {
  GameFolder folder(true);
  const std::wstring planted = folder.temp / L"planted";
  GameFolder::PlantHost(planted);
  keelson::test::ChildOptions options;
  options.currentDirectory = planted;
  const std::string output = folder.Run(options);
  EXPECT_TRUE(Has(output, "exports 1")) << output;
  const std::string loaded = "loaded ";
  const size_t at = output.find(loaded);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(output.find(loaded, at + 1), std::string::npos) << "two hosts loaded:\n" << output;
  EXPECT_NE(output.find("\\game\\MVR95Util\\Keelson.plugin", at), std::string::npos) << output;
}

}  // namespace
