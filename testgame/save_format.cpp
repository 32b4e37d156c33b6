#include "testgame/save_format.h"

#include <cstring>

#include "testgame/release.h"

namespace marivel {
namespace {

constexpr char kMagic[8] = {'M', 'V', 'R', '9', '5', 'S', 'A', 'V'};
constexpr uint32_t kFormat = 1;

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(b[at + i]) << (8 * i);
  return v;
}

}  // namespace

std::vector<uint8_t> EncodeSave(const GameState& state, const int32_t date[3], const int32_t items[kCarriedSlots]) {
  std::vector<uint8_t> b(kSaveSize, 0);
  std::memcpy(b.data(), kMagic, sizeof kMagic);
  Put32(b, 0x08, kFormat);
  Put32(b, 0x0C, GAME_RELEASE);
  Put32(b, SaveOffsets::kYear, static_cast<uint32_t>(date[0]));
  b[SaveOffsets::kMonth] = static_cast<uint8_t>(date[1]);
  b[SaveOffsets::kDay] = static_cast<uint8_t>(date[2]);
  b[SaveOffsets::kCity] = state.city;
  std::memcpy(&b[SaveOffsets::kFirstName], state.firstName, kNameFieldSize - 1);
  std::memcpy(&b[SaveOffsets::kSecondName], state.secondName, kNameFieldSize - 1);
  for (int i = 0; i < kCarriedSlots; ++i) Put32(b, SaveOffsets::kItems + 4 * i, static_cast<uint32_t>(items[i]));
  Put32(b, SaveOffsets::kStays, state.stayCount);
  Put32(b, SaveOffsets::kStays + 4, state.lastNights);
  Put32(b, SaveOffsets::kStays + 8, state.lastRooms);
  // The rest of the world: towns, fleets, prices. Only its size matters here.
  uint32_t x = 0x2545F491u ^ static_cast<uint32_t>(date[0]);
  for (size_t i = SaveOffsets::kFiller; i < b.size(); ++i) {
    x = x * 1103515245u + 12345u;
    b[i] = (i & 0x30) ? 0 : static_cast<uint8_t>(x >> 24);
  }
  return b;
}

bool DecodeSave(const std::vector<uint8_t>& b, GameState& state, int32_t date[3], int32_t items[kCarriedSlots]) {
  if (b.size() < SaveOffsets::kFiller || std::memcmp(b.data(), kMagic, sizeof kMagic) != 0 || Get32(b, 0x08) != kFormat)
    return false;
  date[0] = static_cast<int32_t>(Get32(b, SaveOffsets::kYear));
  date[1] = b[SaveOffsets::kMonth];
  date[2] = b[SaveOffsets::kDay];
  state.city = b[SaveOffsets::kCity];
  // The fields hold 18 bytes and a zero at most; copy them with their terminator.
  std::memcpy(state.firstName, &b[SaveOffsets::kFirstName], kNameFieldSize);
  state.firstName[kNameFieldSize - 1] = 0;
  std::memcpy(state.secondName, &b[SaveOffsets::kSecondName], kNameFieldSize);
  state.secondName[kNameFieldSize - 1] = 0;
  for (int i = 0; i < kCarriedSlots; ++i) items[i] = static_cast<int32_t>(Get32(b, SaveOffsets::kItems + 4 * i));
  state.stayCount = Get32(b, SaveOffsets::kStays);
  state.lastNights = Get32(b, SaveOffsets::kStays + 4);
  state.lastRooms = Get32(b, SaveOffsets::kStays + 8);
  return true;
}

}  // namespace marivel
