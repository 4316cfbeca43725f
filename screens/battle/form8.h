// form8.h: the battle outcome window over the middle of the screen: "Победа!!!" with the
// ransom or "Поражение!!!" with the defeat, and "Ok", which ends the battle. Its title also
// tells "Ok" how the battle ended.
#pragma once

#include "screen.h"

namespace game {

class Form8 : public Screen {
  public:
    explicit Form8(ormal::Application& app);

    // Outcome title Label1, outcome text Label2.
    CommandButton Command1{"Command1"};
    Label Label2{"Label2"};
    Image Image1{"Image1"};
    Label Label1{"Label1"};

    void Command1_Click();  // "Ok"
};

}  // namespace game
