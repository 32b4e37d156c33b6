// Which release of the game executable is running.
#pragma once

#include <cstdint>

namespace keelson {

// The game's fixed file version, one byte per part (major in the top byte);
// 0 when no version could be read.
using GameVersion = uint32_t;

inline constexpr GameVersion kGameVersion1270 = 0x01020700;  // 1.2.7.0
inline constexpr GameVersion kGameVersion1400 = 0x01040000;  // 1.4.0.0

// Reads the version resource of the game executable once per module and
// keeps it; a failed read is not cached, so the next call tries again.
GameVersion QueryGameVersion();

}  // namespace keelson
