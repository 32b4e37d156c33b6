// A fresh folder per test, removed with everything in it afterwards.
#pragma once

#include <string>

namespace keelson::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's full path, without a trailing backslash.
  const std::wstring& Path() const { return path_; }
  // Path() + "\" + relative.
  std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }

 private:
  std::wstring path_;
};

// Creates every missing folder of `path`.
bool MakeFolders(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
// Removes a folder and everything below it.
void RemoveTree(const std::wstring& path);
// The folder of the running test executable, where the build puts the
// test modules and probes.
std::wstring TestBinaryFolder();

}  // namespace keelson::test
