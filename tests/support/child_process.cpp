#include "tests/support/child_process.h"

#include <windows.h>

#include <map>

namespace keelson::test {

namespace {

std::wstring Upper(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(towupper(c));
  return s;
}

// The caller's environment with the given variables added or replaced,
// sorted as CreateProcessW expects.
std::wstring BuildEnvironment(const std::vector<std::wstring>& extra) {
  std::map<std::wstring, std::wstring> vars;  // upper-case name -> "NAME=value"
  wchar_t* block = GetEnvironmentStringsW();
  for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
    const std::wstring entry = p;
    const size_t eq = entry.find(L'=', 1);
    if (eq != std::wstring::npos) vars[Upper(entry.substr(0, eq))] = entry;
  }
  FreeEnvironmentStringsW(block);
  for (const auto& entry : extra) {
    const size_t eq = entry.find(L'=', 1);
    if (eq != std::wstring::npos) vars[Upper(entry.substr(0, eq))] = entry;
  }
  std::wstring result;
  for (const auto& [name, entry] : vars) {
    result += entry;
    result.push_back(L'\0');
  }
  result.push_back(L'\0');
  return result;
}

}  // namespace

ChildResult RunChild(const std::wstring& program, const std::wstring& arguments, const ChildOptions& options) {
  ChildResult result;
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);

  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  std::wstring environment = BuildEnvironment(options.environment);
  PROCESS_INFORMATION process = {};
  result.started = CreateProcessW(
      program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT, environment.data(),
      options.currentDirectory.empty() ? nullptr : options.currentDirectory.c_str(), &startup, &process);
  CloseHandle(writeEnd);
  if (!result.started) {
    CloseHandle(readEnd);
    return result;
  }

  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(readEnd, chunk, sizeof(chunk), &got, nullptr) && got > 0) result.output.append(chunk, got);
  CloseHandle(readEnd);

  if (WaitForSingleObject(process.hProcess, options.timeoutMs) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 0xDEAD);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  result.exitCode = code;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

}  // namespace keelson::test
