// game.h: starting the game on an application object.
#pragma once

#include "app.h"

namespace game {

// What the program tells its window and message boxes about itself.
inline constexpr const char* kTitle = "Планета Ормаль";
inline constexpr const char* kIcon = "planet/icon";
inline constexpr const char* kErrorTitle = "Ошибка";

// Names the program and answers the window's close button.
void install(ormal::Application& app);
// Installs the game and shows its first screen.
void start(ormal::Application& app);

}  // namespace game
