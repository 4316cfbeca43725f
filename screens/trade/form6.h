// form6.h: the trade screen.
#pragma once

#include "screen.h"

namespace game {

class Form6 : public Screen {
public:
    explicit Form6(ormal::Application& app);
};

}  // namespace game
