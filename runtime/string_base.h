// Growable strings in which every module builds its paths and texts.
#pragma once

#include <windows.h>

#include <cstdint>

namespace keelson {

// Wide text, always terminated, never without a buffer. Capacity counts the
// terminator and follows the growth rule of GrownCapacity().
class StringBaseW {
 public:
  StringBaseW();
  virtual ~StringBaseW();
  StringBaseW(const StringBaseW&) = delete;
  StringBaseW& operator=(const StringBaseW&) = delete;

  void Assign(const wchar_t* text);
  void Append(const wchar_t* text);
  void AppendChar(wchar_t c);
  void Format(const wchar_t* format, ...);
  void AppendPath(const wchar_t* path);
  // Full path of a module in its long form; a null handle names the game
  // executable (the process's main module).
  void AssignModulePath(HMODULE module);
  void AssignCurrentDirectory();
  // Converts 8-bit text from the system's ANSI code page.
  void AssignAnsi(const char* text);
  // Ends the text at `length` characters (no effect past the end).
  void Truncate(uint32_t length);
  // Ends the text just after its last backslash: a module path becomes the
  // module's folder, trailing backslash kept.
  void CutToFolder();

  const wchar_t* Text() const { return buffer_; }
  operator const wchar_t*() const { return buffer_; }
  uint32_t Capacity() const { return capacity_; }
  uint32_t Length() const;

 private:
  // Makes room for `needed` characters, terminator included.
  void Reserve(uint32_t needed);
  // Reallocates to exactly `capacity`, keeping what fits.
  void Grow(uint32_t capacity);
  void Reset();
  void AppendMarked(const wchar_t* text, bool replace);

  wchar_t* buffer_;
  uint32_t capacity_;
};

// 8-bit twin of StringBaseW, for the game's own ANSI names.
class StringBaseA {
 public:
  StringBaseA();
  virtual ~StringBaseA();
  StringBaseA(const StringBaseA&) = delete;
  StringBaseA& operator=(const StringBaseA&) = delete;

  void Assign(const char* text);
  void EnsureTrailingBackslash();
  // Appends 8-bit text; the building block for module-specific operations.
  void Append(const char* text);
  void Truncate(uint32_t length);

  const char* Text() const { return buffer_; }
  operator const char*() const { return buffer_; }
  uint32_t Capacity() const { return capacity_; }
  uint32_t Length() const;
  // Makes room for `needed` characters, terminator included.
  void Reserve(uint32_t needed);

 private:
  void Grow(uint32_t capacity);
  void Reset();

  char* buffer_;
  uint32_t capacity_;
};

}  // namespace keelson
