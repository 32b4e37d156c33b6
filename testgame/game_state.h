// The game's state: what lives at the fixed addresses of the executable and
// what lives in ordinary memory, and the routines of game_layout.S.
#pragma once

#include <windows.h>

#include <cstdint>

namespace marivel {

constexpr int kCarriedSlots = 16;
constexpr int kNameFieldSize = 19;  // bytes of one name field, zero included
constexpr uint8_t kNoCity = 255;

struct GameState {
  uint8_t city = kNoCity;
  char firstName[kNameFieldSize] = {};
  char secondName[kNameFieldSize] = {};
  uint32_t stayCount = 0;   // stays at inns since the game began
  uint32_t lastNights = 0;  // length of the last stay, as the inn routine passed it
  uint32_t lastRooms = 0;
  int32_t flagInput = 0;    // the game event behind the flag; never set by the game itself
  int32_t flag = -1;        // outcome of the last flag check, -1 before the first
  uint32_t flagMarker = 0;  // what the zero path of the check left in its local
  uint32_t frames = 0;      // frames rendered by the idle loop
};

// The one game state of the process, owned by the UI thread.
GameState& State();

// Date and carried items at their fixed addresses.
int32_t* GameDate();      // year, month, day
int32_t* CarriedItems();  // kCarriedSlots item codes, -1 when empty

void StartNewGame();
// Moves the game date on by whole days (a night at an inn is one day).
void AdvanceDate(uint32_t days);
// Runs the flag check of the game code and records its outcome.
void CheckFlag();
// Copies `text` (CP932) into a name field, cut to fit.
void SetNameField(char (&field)[kNameFieldSize], const char* text);

}  // namespace marivel

// Routines of game_layout.S and the functions they call.
extern "C" {
int GameMessageLoop(MSG* msg);
void GameInnRoutine(marivel::GameState* state);
int GameEvaluateFlag(int input, uint32_t* marker);

int GameTakeMessage(MSG* msg);  // 0 on WM_QUIT
void GameIdleFrame();
void GameRecordStay(marivel::GameState* state, uint32_t nights, uint32_t rooms);

extern int32_t g_gameDate[3];
extern int32_t g_carriedItems[marivel::kCarriedSlots];
extern void* g_pollSlot;
}
