#include "runtime/string_base.h"

#include <shlwapi.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "runtime/neutral/string_rules.h"

namespace keelson {

namespace {
constexpr uint32_t kInitialCapacity = 255;
constexpr uint32_t kPathStep = MAX_PATH + 1;  // 261
}  // namespace

StringBaseW::StringBaseW() : buffer_(new wchar_t[kInitialCapacity]), capacity_(kInitialCapacity) { buffer_[0] = 0; }

StringBaseW::~StringBaseW() { delete[] buffer_; }

uint32_t StringBaseW::Length() const { return static_cast<uint32_t>(wcslen(buffer_)); }

void StringBaseW::Grow(uint32_t capacity) {
  wchar_t* fresh = new wchar_t[capacity];
  const uint32_t keep = capacity < capacity_ ? capacity : capacity_;
  memcpy(fresh, buffer_, keep * sizeof(wchar_t));
  fresh[capacity - 1] = 0;
  delete[] buffer_;
  buffer_ = fresh;
  capacity_ = capacity;
}

void StringBaseW::Reserve(uint32_t needed) {
  if (capacity_ < needed) Grow(GrownCapacity(needed));
}

void StringBaseW::Reset() {
  delete[] buffer_;
  buffer_ = new wchar_t[kInitialCapacity];
  capacity_ = kInitialCapacity;
  buffer_[0] = 0;
}

void StringBaseW::Truncate(uint32_t length) {
  if (length < Length()) buffer_[length] = 0;
}

void StringBaseW::CutToFolder() { Truncate(static_cast<uint32_t>(PathFindFileNameW(buffer_) - buffer_)); }

void StringBaseW::AppendMarked(const wchar_t* text, bool replace) {
  const ByteOrderMark mark = DetectByteOrderMark(text);
  const wchar_t* source = (mark == ByteOrderMark::None) ? text : text + 1;
  const uint32_t added = static_cast<uint32_t>(TextLength(source));
  if (added == 0) {
    if (replace) Reset();
    return;
  }
  const uint32_t start = replace ? 0 : Length();
  Reserve(start + added + 1);
  memcpy(buffer_ + start, source, added * sizeof(wchar_t));
  buffer_[start + added] = 0;
  if (mark == ByteOrderMark::Swapped) {
    for (uint32_t i = start; i < start + added; ++i) buffer_[i] = SwapBytes(buffer_[i]);
  }
}

void StringBaseW::Assign(const wchar_t* text) { AppendMarked(text, true); }

void StringBaseW::Append(const wchar_t* text) { AppendMarked(text, false); }

void StringBaseW::AppendChar(wchar_t c) {
  const uint32_t length = Length();
  Reserve(length + 2);
  buffer_[length] = c;
  buffer_[length + 1] = 0;
}

void StringBaseW::Format(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  va_list counting;
  va_copy(counting, args);
  const int length = _vscwprintf(format, counting);
  va_end(counting);
  if (length < 0) {
    va_end(args);
    Reset();
    return;
  }
  Reserve(static_cast<uint32_t>(length) + 1);
  _vsnwprintf(buffer_, capacity_, format, args);
  buffer_[capacity_ - 1] = 0;
  va_end(args);
}

void StringBaseW::AppendPath(const wchar_t* path) {
  switch (ClassifyJoinedPath(path)) {
    case PathJoinKind::Network:
      Assign(path);
      return;
    case PathJoinKind::Rooted: {
      if (StartsWithTwoBackslashes(buffer_)) {
        Truncate(static_cast<uint32_t>(NetworkServerLength(buffer_)));
        Append(path);
        return;
      }
      int drive = PathGetDriveNumberW(buffer_);
      if (drive < 0) {
        StringBaseW current;
        current.AssignCurrentDirectory();
        drive = PathGetDriveNumberW(current.Text());
      }
      if (drive < 0) {
        Assign(path);
        return;
      }
      const wchar_t root[3] = {static_cast<wchar_t>(L'A' + drive), L':', 0};
      Assign(root);
      Append(path);
      return;
    }
    case PathJoinKind::Relative:
      if (NeedsSeparator(buffer_, Length())) AppendChar(L'\\');
      Append(path);
      return;
  }
}

void StringBaseW::AssignModulePath(HMODULE module) {
  Reserve(kPathStep);
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, buffer_, capacity_);
    if (length < capacity_ - 1) {
      buffer_[length] = 0;
      break;
    }
    Reserve(capacity_ + kPathStep);
  }
  wchar_t probe[2];
  const DWORD longSize = GetLongPathNameW(buffer_, probe, 2);
  if (longSize == 0) return;
  wchar_t* fresh = new wchar_t[longSize + 1];
  const DWORD written = GetLongPathNameW(buffer_, fresh, longSize + 1);
  if (written == 0 || written > longSize) {
    delete[] fresh;
    return;
  }
  delete[] buffer_;
  buffer_ = fresh;
  capacity_ = longSize + 1;
}

void StringBaseW::AssignCurrentDirectory() {
  Reserve(kPathStep);
  for (;;) {
    const DWORD length = GetCurrentDirectoryW(capacity_, buffer_);
    if (length < capacity_ - 1) {
      buffer_[length] = 0;
      break;
    }
    Reserve(capacity_ + kPathStep);
  }
}

void StringBaseW::AssignAnsi(const char* text) {
  const int size = text ? MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0) : 0;
  if (size <= 0) {
    Reset();
    return;
  }
  Reserve(static_cast<uint32_t>(size) + 1);
  if (MultiByteToWideChar(CP_ACP, 0, text, -1, buffer_, static_cast<int>(capacity_)) <= 0) buffer_[0] = 0;
}

}  // namespace keelson
