// Runs a Windows program as a child process and collects its output.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace keelson::test {

struct ChildResult {
  bool started = false;
  uint32_t exitCode = 0;
  std::string output;  // standard output and standard error, as written
};

struct ChildOptions {
  std::wstring currentDirectory;  // empty: the caller's
  // Extra or replaced variables, "NAME=value", added to the caller's block.
  std::vector<std::wstring> environment;
  uint32_t timeoutMs = 60000;  // the child is ended after this long
};

ChildResult RunChild(const std::wstring& program, const std::wstring& arguments, const ChildOptions& options = {});

}  // namespace keelson::test
