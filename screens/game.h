// game.h: starting the game on an application object.
#pragma once

#include "app.h"

namespace game {

// Creates and shows the first screen.
void start(ormal::Application& app);

}  // namespace game
