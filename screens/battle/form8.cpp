// form8.cpp: the battle outcome window's layout, row by row from front to back.
#include "battle/form8.h"

namespace game {

Form8::Form8(ormal::Application& app) : Screen(app, "Form8") {
    Caption = "Form8";
    BackColor = 0xFFE0C0;
    framedAt(2130, 1950, 10950, 7215);
    Picture = picture("battle/swords");

    button(Command1, 4440, 5640, 1455, 1170, "Ok", 0x40A242, font("Arial", 48, true));
    // Every outcome writes its own text before the window is seen.
    label(Label2, 1920, 2880, 6975, 2415, "Label2", 0xFFE0C0, 0x008080, corsiva(26.25));
    image(*this, Image1, 960, 840, 8715, 330, "message/leaves");
    label(Label1, 1200, 1440, 8415, 1095, "Победа!!!", 0xFFE0C0, 0x800000, font("Arial", 48, true))
        .Centered = true;

    Command1.Click = [this] { Command1_Click(); };
}

}  // namespace game
