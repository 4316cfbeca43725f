// form1.h: the intro screen: nine story pages, then the start button.
#pragma once

#include "screen.h"

namespace game {

class Form1 : public Screen {
public:
    explicit Form1(ormal::Application& app);
};

}  // namespace game
