// Reports the GameVersion of its own executable as its exit code, after
// asking twice (the second answer must come from the cache).
#include <cstdio>

#include "runtime/game_version.h"

int main() {
  const keelson::GameVersion first = keelson::QueryGameVersion();
  const keelson::GameVersion second = keelson::QueryGameVersion();
  std::printf("%08X %08X\n", first, second);
  return first == second ? static_cast<int>(first) : -1;
}
