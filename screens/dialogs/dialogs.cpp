// dialogs.cpp: the menu and surrender dialogs, their layouts and their four buttons. Neither
// touches a timer: the game runs on behind them.
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "map/form2.h"

namespace game {

Form5::Form5(ormal::Application& app) : Screen(app, "Form5") {
    Caption = "Form5";
    BackColor = 0x004000;
    framedAt(5415, 2340, 4680, 6255);
    button(Command2, 720, 3600, 3375, 615, "Выход", 0x80FF80, corsiva(21.75));
    button(Command1, 720, 1440, 3375, 735, "Вернуться в игру", 0x80FF80, corsiva(21.75)).Keys = {
        ormal::Key::Escape};
    label(Label1, 1680, 360, 1095, 615, "Меню", 0x004000, 0x80FF80, corsiva(20.25));
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

void Form5::Command1_Click() {
    Form2().Show();
    Form2().Enabled = true;
}

void Form5::Command2_Click() {
    Form4().Show();
    Enabled = false;
}

Form4::Form4(ormal::Application& app) : Screen(app, "Form4") {
    Caption = "Form4";
    BackColor = 0x404040;
    framedAt(3810, 3795, 8175, 3285);
    button(Command2, 4560, 2040, 1455, 615, "НЕТ", 0x808080, corsiva(21.75)).Keys = {
        ormal::Key::Escape};
    button(Command1, 2160, 2040, 1455, 615, "ДА", 0x808080, corsiva(21.75));
    label(Label1, 1320, 120, 5775, 1335, kSurrenderQuestion, 0x404040, 0xFFFFFF, corsiva(26.25));
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

void Form4::Command1_Click() {
    End();
}

void Form4::Command2_Click() {
    Form5().Show();
    Visible = false;
    Form5().Enabled = true;
}

}  // namespace game

namespace game {

// Closing the window ends the program at once before the voyage has begun. Once the map
// screen exists it asks the surrender question first: the game keeps no saves, and a slip
// of the hand would throw the whole voyage away.
void QueryClose(ormal::Application& app) {
    if (!app.exists<Form2>()) app.End();
    int style = ormal::kBoxYesNo + ormal::kBoxQuestionIcon + ormal::kBoxDefaultSecond;
    if (app.MsgBox(kSurrenderQuestion, style) == ormal::kBoxYes) app.End();
}

}  // namespace game
