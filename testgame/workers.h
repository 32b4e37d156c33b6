// Worker threads that keep busy the way a game's do: a sound mixer and a
// timer. They touch no game state; they are there to be suspended.
#pragma once

namespace marivel {

void StartWorkers();
void StopWorkers();

}  // namespace marivel
