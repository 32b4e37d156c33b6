// The archive library the backup plugin builds on: a deflated entry written
// at level 8 reads back whole, with its name and size.
#include <windows.h>

#include <gtest/gtest.h>
#include <unzip.h>
#include <zip.h>

#include <string>

#include "tests/support/temp_folder.h"

namespace {

TEST(ZipArchive, DeflatedEntryRoundTrip) {
  keelson::test::TempFolder temp;
  char path[MAX_PATH];
  WideCharToMultiByte(CP_ACP, 0, (temp / L"save.zip").c_str(), -1, path, MAX_PATH, nullptr, nullptr);
  std::string payload;
  for (int i = 0; i < 50000; ++i) payload += static_cast<char>('A' + i % 7);

  zipFile zip = zipOpen(path, APPEND_STATUS_CREATE);
  ASSERT_NE(zip, nullptr);
  zip_fileinfo info = {};
  ASSERT_EQ(zipOpenNewFileInZip(zip, "SAVEDATA.MVR", &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 8), ZIP_OK);
  ASSERT_EQ(zipWriteInFileInZip(zip, payload.data(), static_cast<unsigned>(payload.size())), ZIP_OK);
  zipCloseFileInZip(zip);
  ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);

  unzFile unz = unzOpen(path);
  ASSERT_NE(unz, nullptr);
  unz_global_info global = {};
  ASSERT_EQ(unzGetGlobalInfo(unz, &global), UNZ_OK);
  EXPECT_EQ(global.number_entry, 1u);
  ASSERT_EQ(unzGoToFirstFile(unz), UNZ_OK);
  char name[64];
  unz_file_info entry = {};
  ASSERT_EQ(unzGetCurrentFileInfo(unz, &entry, name, sizeof(name), nullptr, 0, nullptr, 0), UNZ_OK);
  EXPECT_STREQ(name, "SAVEDATA.MVR");
  EXPECT_EQ(entry.uncompressed_size, payload.size());
  EXPECT_LT(entry.compressed_size, payload.size());
  std::string back(entry.uncompressed_size, '\0');
  ASSERT_EQ(unzOpenCurrentFile(unz), UNZ_OK);
  EXPECT_EQ(unzReadCurrentFile(unz, back.data(), static_cast<unsigned>(back.size())), static_cast<int>(back.size()));
  unzCloseCurrentFile(unz);
  unzClose(unz);
  EXPECT_EQ(back, payload);
}

}  // namespace
