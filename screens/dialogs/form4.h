// form4.h: the surrender dialog: "ДА" ends the program, "НЕТ" goes back to the menu.
#pragma once

#include "screen.h"

namespace game {

inline constexpr const char* kSurrenderQuestion = "Вы действительно хотите сдаться и уйти?";

// The player closes the window: see dialogs.cpp.
void QueryClose(ormal::Application& app);

class Form4 : public Screen {
  public:
    explicit Form4(ormal::Application& app);

    CommandButton Command2{"Command2"}, Command1{"Command1"};
    Label Label1{"Label1"};

    void Command1_Click();  // "ДА"
    void Command2_Click();  // "НЕТ"
};

}  // namespace game
