// dialogs.cpp: the menu and surrender dialogs, their layouts and their four buttons. Neither
// touches a timer: the game runs on behind them.
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "map/form2.h"

namespace game {

namespace {

void dialogButton(CommandButton& b, const char* caption, Color back) {
    b.Caption = caption;
    b.BackColor = back;
    b.Font = corsiva(21.75);
    b.Graphical = true;
}

}  // namespace

Form5::Form5(ormal::Application& app) : Screen(app, "Form5") {
    Caption = "Form5";
    BackColor = 0x004000;
    Framed = true;
    Left = 5415;
    Top = 2340;
    Width = 4680;
    Height = 6255;
    place(Command2, 720, 3600, 3375, 615);
    dialogButton(Command2, "Выход", 0x80FF80);
    place(Command1, 720, 1440, 3375, 735);
    dialogButton(Command1, "Вернуться в игру", 0x80FF80);
    place(Label1, 1680, 360, 1095, 615);
    Label1.Caption = "Меню";
    Label1.BackColor = 0x004000;
    Label1.ForeColor = 0x80FF80;
    Label1.Font = corsiva(20.25);
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
    Framed = true;
    Left = 3810;
    Top = 3795;
    Width = 8175;
    Height = 3285;
    place(Command2, 4560, 2040, 1455, 615);
    dialogButton(Command2, "НЕТ", 0x808080);
    place(Command1, 2160, 2040, 1455, 615);
    dialogButton(Command1, "ДА", 0x808080);
    place(Label1, 1320, 120, 5775, 1335);
    Label1.Caption = "Вы действительно хотите сдаться и уйти?";
    Label1.BackColor = 0x404040;
    Label1.ForeColor = 0xFFFFFF;
    Label1.Font = corsiva(26.25);
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
