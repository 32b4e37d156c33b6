// Rules shared by the string classes, free of any system call so that they
// can be checked natively under sanitizers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace keelson {

// Capacity (terminator included) granted when `needed` characters do not fit:
// exact when it is a multiple of 256, otherwise rounded up to the next
// value with all of its low 8 bits set.
inline constexpr uint32_t GrownCapacity(uint32_t needed) { return (needed % 256u == 0u) ? needed : (needed | 255u); }

enum class ByteOrderMark { None, Native, Swapped };

// Looks at the first character of a wide text: U+FEFF is a mark in our
// byte order, U+FFFE a mark of the other byte order.
template <typename Ch>
ByteOrderMark DetectByteOrderMark(const Ch* text) {
  if (text == nullptr) return ByteOrderMark::None;
  const uint32_t first = static_cast<uint32_t>(text[0]) & 0xFFFFu;
  if (first == 0xFEFFu) return ByteOrderMark::Native;
  if (first == 0xFFFEu) return ByteOrderMark::Swapped;
  return ByteOrderMark::None;
}

template <typename Ch>
inline Ch SwapBytes(Ch c) {
  const uint32_t v = static_cast<uint32_t>(c) & 0xFFFFu;
  return static_cast<Ch>(((v & 0xFFu) << 8) | (v >> 8));
}

template <typename Ch>
size_t TextLength(const Ch* text) {
  size_t n = 0;
  if (text != nullptr) {
    while (text[n] != 0) ++n;
  }
  return n;
}

// What joining a path p onto a text t does first, before any appending.
enum class PathJoinKind {
  Network,   // p starts with two backslashes: t becomes p
  Rooted,    // p starts with one backslash: t keeps only its root
  Relative,  // anything else, drive-letter paths without a backslash included
};

template <typename Ch>
PathJoinKind ClassifyJoinedPath(const Ch* p) {
  if (p == nullptr || p[0] != Ch('\\')) return PathJoinKind::Relative;
  return p[1] == Ch('\\') ? PathJoinKind::Network : PathJoinKind::Rooted;
}

// For a text that starts with two backslashes (\\server\share\...), the
// length of the part that stays when a rooted path is joined: the server
// part, cut at the first backslash from the third character on. Returns
// the whole length when no such backslash exists.
template <typename Ch>
size_t NetworkServerLength(const Ch* t) {
  const size_t n = TextLength(t);
  for (size_t i = 2; i < n; ++i) {
    if (t[i] == Ch('\\')) return i;
  }
  return n;
}

template <typename Ch>
bool StartsWithTwoBackslashes(const Ch* t) {
  return t != nullptr && t[0] == Ch('\\') && t[1] == Ch('\\');
}

// A relative path is joined with one backslash between unless the text is
// empty or already ends with one.
template <typename Ch>
bool NeedsSeparator(const Ch* t, size_t length) {
  return length > 0 && t[length - 1] != Ch('\\');
}

// Pointer encoding within one process: key = ror4(process id ^ K); a value
// is encoded as ror4(value ^ key) over the width of a pointer.
inline constexpr uint32_t kProcessPointerConstant = 0x4B45454Cu;

template <typename U>
constexpr U RotateRight(U v, unsigned n) {
  constexpr unsigned bits = sizeof(U) * 8;
  return static_cast<U>((v >> n) | (v << ((bits - n) % bits)));
}
template <typename U>
constexpr U RotateLeft(U v, unsigned n) {
  constexpr unsigned bits = sizeof(U) * 8;
  return static_cast<U>((v << n) | (v >> ((bits - n) % bits)));
}
inline constexpr uint32_t ProcessPointerKey(uint32_t processId) {
  return RotateRight<uint32_t>(processId ^ kProcessPointerConstant, 4);
}
template <typename U>
constexpr U EncodeWithKey(U value, U key) {
  return RotateRight<U>(value ^ key, 4);
}
template <typename U>
constexpr U DecodeWithKey(U value, U key) {
  return RotateLeft<U>(value, 4) ^ key;
}

// GameVersion packing: one byte per part of the fixed file version, the low
// byte of each 16-bit word, major in the top byte.
inline constexpr uint32_t PackFileVersion(uint32_t fileVersionMS, uint32_t fileVersionLS) {
  return ((fileVersionMS >> 16) & 0xFFu) << 24 | (fileVersionMS & 0xFFu) << 16 | ((fileVersionLS >> 16) & 0xFFu) << 8 |
         (fileVersionLS & 0xFFu);
}

}  // namespace keelson
