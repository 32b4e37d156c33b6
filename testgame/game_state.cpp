#include "testgame/game_state.h"

#include <cstring>

namespace marivel {

GameState& State() {
  static GameState state;
  return state;
}

int32_t* GameDate() { return g_gameDate; }
int32_t* CarriedItems() { return g_carriedItems; }

void SetNameField(char (&field)[kNameFieldSize], const char* text) {
  std::memset(field, 0, sizeof field);
  std::strncpy(field, text, sizeof field - 1);
}

void StartNewGame() {
  GameState& s = State();
  const uint32_t frames = s.frames;
  s = GameState{};
  s.frames = frames;
  s.city = 0;
  // "ジョアン" and "フェレロ" in CP932.
  SetNameField(s.firstName, "\x83\x57\x83\x87\x83\x41\x83\x93");
  SetNameField(s.secondName, "\x83\x74\x83\x46\x83\x8C\x83\x8D");
  g_gameDate[0] = 1480;
  g_gameDate[1] = 4;
  g_gameDate[2] = 1;
  static constexpr int32_t kStartItems[kCarriedSlots] = {0, 5, 19, 27, 103, 110};
  for (int i = 0; i < kCarriedSlots; ++i) g_carriedItems[i] = i < 6 ? kStartItems[i] : -1;
  CheckFlag();
}

int DaysInMonth(int32_t year, int32_t month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 30;
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return month == 2 && leap ? 29 : kDays[month - 1];
}

void AdvanceDate(uint32_t days) {
  int32_t* date = g_gameDate;
  if (date[1] < 1 || date[1] > 12 || date[2] < 1) return;  // a date set by hand that is no date
  for (uint32_t i = 0; i < days && i < 100000; ++i) {
    if (++date[2] > DaysInMonth(date[0], date[1])) {
      date[2] = 1;
      if (++date[1] > 12) {
        date[1] = 1;
        ++date[0];
      }
    }
  }
}

void CheckFlag() {
  GameState& s = State();
  uint32_t marker = 0;
  s.flag = GameEvaluateFlag(s.flagInput, &marker);
  s.flagMarker = marker;
}

}  // namespace marivel

extern "C" void GameRecordStay(marivel::GameState* state, uint32_t nights, uint32_t rooms) {
  state->stayCount += 1;
  state->lastNights = nights;
  state->lastRooms = rooms;
  marivel::AdvanceDate(nights);
}
