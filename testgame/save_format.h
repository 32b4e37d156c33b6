// The byte layout of a save (SAVEDATA.MVR and SAVEDATA.TMP share it).
// Little-endian, no alignment:
//   0x00  "MVR95SAV"               0x08  uint32 format (1)
//   0x0C  uint32 release (1270...)  0x15  int32 year
//   0x19  uint8 month               0x1A  uint8 day
//   0x5B  uint8 city (255: none)    0x5F  first name, CP932, zero-terminated (19 bytes)
//   0x72  second name (19 bytes)    0x100 16 x int32 carried items
//   0x140 uint32 stays, last nights, last rooms
//   0x200 up to kSaveSize: the rest of the world, filler here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "testgame/game_state.h"

namespace marivel {

constexpr size_t kSaveSize = 320 * 1024;

struct SaveOffsets {
  static constexpr size_t kYear = 0x15, kMonth = 0x19, kDay = 0x1A, kCity = 0x5B, kFirstName = 0x5F, kSecondName = 0x72,
                          kItems = 0x100, kStays = 0x140, kFiller = 0x200;
};

std::vector<uint8_t> EncodeSave(const GameState& state, const int32_t date[3], const int32_t items[kCarriedSlots]);
// False when the bytes are no save of this game; nothing is changed then.
bool DecodeSave(const std::vector<uint8_t>& bytes, GameState& state, int32_t date[3], int32_t items[kCarriedSlots]);

}  // namespace marivel
