// form8.h: the battle outcome window.
#pragma once

#include "screen.h"

namespace game {

class Form8 : public Screen {
public:
    explicit Form8(ormal::Application& app);
};

}  // namespace game
