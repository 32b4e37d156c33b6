#include "testgame/workers.h"

#include <windows.h>

#include <cstdint>

namespace marivel {
namespace {

HANDLE g_stop = nullptr;
HANDLE g_threads[2] = {};
volatile LONG g_ticks = 0;

// Mixes two square-ish voices into a 10 ms buffer, every 10 ms.
DWORD WINAPI SoundThread(void*) {
  static int16_t buffer[441];
  uint32_t phaseA = 0, phaseB = 0;
  while (WaitForSingleObject(g_stop, 10) == WAIT_TIMEOUT) {
    for (int16_t& sample : buffer) {
      phaseA += 0x0A3D70A;  // about 440 Hz at 44.1 kHz
      phaseB += 0x0CCCCCC;
      const int a = (phaseA >> 31) ? 3000 : -3000;
      const int b = (phaseB >> 31) ? 2000 : -2000;
      sample = static_cast<int16_t>((a + b) / 2);
    }
  }
  return 0;
}

// The game clock: one tick per 16 ms.
DWORD WINAPI TimerThread(void*) {
  while (WaitForSingleObject(g_stop, 16) == WAIT_TIMEOUT) InterlockedIncrement(&g_ticks);
  return 0;
}

}  // namespace

void StartWorkers() {
  g_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  g_threads[0] = CreateThread(nullptr, 0, SoundThread, nullptr, 0, nullptr);
  g_threads[1] = CreateThread(nullptr, 0, TimerThread, nullptr, 0, nullptr);
}

void StopWorkers() {
  if (!g_stop) return;
  SetEvent(g_stop);
  for (HANDLE& t : g_threads) {
    if (!t) continue;
    WaitForSingleObject(t, 2000);
    CloseHandle(t);
    t = nullptr;
  }
  CloseHandle(g_stop);
  g_stop = nullptr;
}

}  // namespace marivel
