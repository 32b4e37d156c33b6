#include <cstring>

#include "runtime/neutral/string_rules.h"
#include "runtime/string_base.h"

namespace keelson {

namespace {
constexpr uint32_t kInitialCapacity = 255;
}  // namespace

StringBaseA::StringBaseA() : buffer_(new char[kInitialCapacity]), capacity_(kInitialCapacity) { buffer_[0] = 0; }

StringBaseA::~StringBaseA() { delete[] buffer_; }

uint32_t StringBaseA::Length() const { return static_cast<uint32_t>(strlen(buffer_)); }

void StringBaseA::Grow(uint32_t capacity) {
  char* fresh = new char[capacity];
  const uint32_t keep = capacity < capacity_ ? capacity : capacity_;
  memcpy(fresh, buffer_, keep);
  fresh[capacity - 1] = 0;
  delete[] buffer_;
  buffer_ = fresh;
  capacity_ = capacity;
}

void StringBaseA::Reserve(uint32_t needed) {
  if (capacity_ < needed) Grow(GrownCapacity(needed));
}

void StringBaseA::Reset() {
  delete[] buffer_;
  buffer_ = new char[kInitialCapacity];
  capacity_ = kInitialCapacity;
  buffer_[0] = 0;
}

void StringBaseA::Truncate(uint32_t length) {
  if (length < Length()) buffer_[length] = 0;
}

void StringBaseA::Assign(const char* text) {
  const uint32_t length = text ? static_cast<uint32_t>(strlen(text)) : 0;
  if (length == 0) {
    Reset();
    return;
  }
  Reserve(length + 1);
  memcpy(buffer_, text, length + 1);
}

void StringBaseA::Append(const char* text) {
  const uint32_t added = text ? static_cast<uint32_t>(strlen(text)) : 0;
  if (added == 0) return;
  const uint32_t length = Length();
  Reserve(length + added + 1);
  memcpy(buffer_ + length, text, added + 1);
}

void StringBaseA::EnsureTrailingBackslash() {
  const uint32_t length = Length();
  if (NeedsSeparator(buffer_, length)) Append("\\");
}

}  // namespace keelson
