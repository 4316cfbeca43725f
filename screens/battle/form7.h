// form7.h: the battle screen.
#pragma once

#include "screen.h"

namespace game {

class Form7 : public Screen {
public:
    explicit Form7(ormal::Application& app);
};

}  // namespace game
