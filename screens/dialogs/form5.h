// form5.h: the menu dialog: back to the game, or the way out through the surrender question.
#pragma once

#include "screen.h"

namespace game {

class Form5 : public Screen {
  public:
    explicit Form5(ormal::Application& app);

    CommandButton Command2{"Command2"}, Command1{"Command1"};
    Label Label1{"Label1"};

    void Command1_Click();  // "Вернуться в игру"
    void Command2_Click();  // "Выход"
};

}  // namespace game
