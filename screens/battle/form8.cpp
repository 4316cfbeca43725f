// form8.cpp: the battle outcome window's layout, row by row from front to back.
#include "battle/form8.h"

namespace game {

Form8::Form8(ormal::Application& app) : Screen(app, "Form8") {
    Caption = "Form8";
    BackColor = 0xFFE0C0;
    Framed = true;
    Left = 2130;
    Top = 1950;
    Width = 10950;
    Height = 7215;
    Picture = picture("battle/swords");

    place(Command1, 4440, 5640, 1455, 1170);
    Command1.Caption = "Ok";
    Command1.BackColor = 0x40A242;
    Command1.Font = font("Arial", 48, true);
    Command1.Graphical = true;
    // Every outcome writes its own text before the window is seen.
    place(Label2, 1920, 2880, 6975, 2415);
    Label2.Caption = "Label2";
    Label2.BackColor = 0xFFE0C0;
    Label2.ForeColor = 0x008080;
    Label2.Font = corsiva(26.25);
    place(Image1, 960, 840, 8715, 330);
    Image1.Picture = picture("message/leaves");
    place(Label1, 1200, 1440, 8415, 1095);
    Label1.Caption = "Победа!!!";
    Label1.BackColor = 0xFFE0C0;
    Label1.ForeColor = 0x800000;
    Label1.Font = font("Arial", 48, true);
    Label1.Centered = true;

    Command1.Click = [this] { Command1_Click(); };
}

}  // namespace game
