// form1.cpp: the intro screen's layout, row by row from front to back.
#include "intro/form1.h"

namespace game {

Form1::Form1(ormal::Application& app) : Screen(app, "Form1") {
    Caption = "Form1";
    BackColor = 0x000000;
    // Drawn frameless at the desktop's top left, so every page shows whole.
    Left = 0;
    Top = 0;
    Width = 15360;
    Height = 11520;
    Font = corsiva(18);  // before the rows, which take it as their own

    auto page = [this](CommandButton& b, float left, Color back) -> CommandButton& {
        return button(b, left, 7920, 975, 615, "Далее>>", back, corsiva(14.25));
    };
    auto pageStore = [this](PictureBox& p, float left, const char* pic) {
        store(p, left, 360, 375, 495, pic).Font = font("MS Sans Serif", 8.25, false);
    };

    button(Command10, 10800, 1440, 1575, 615, "Начать ", 0xFF0000, Font).Visible = false;
    page(Command9, 9120, 0x00FFFF).Visible = false;
    page(Command8, 8040, 0x80FFFF).Visible = false;
    page(Command7, 6960, 0xC0FFFF).Visible = false;
    page(Command6, 5880, 0xC0FFC0).Visible = false;
    page(Command5, 4800, 0x80FF80).Visible = false;
    page(Command4, 3720, 0x00FF00).Visible = false;
    page(Command3, 2640, 0x00C000).Visible = false;
    page(Command2, 1560, 0x008000).Visible = false;
    pageStore(Picture9, 9720, "intro/page9");
    pageStore(Picture8, 9240, "intro/page8");
    pageStore(Picture7, 8760, "intro/page7");
    pageStore(Picture6, 8280, "intro/page6");
    pageStore(Picture5, 7800, "intro/page5");
    pageStore(Picture4, 7320, "intro/page4");
    pageStore(Picture3, 6840, "intro/page3");
    pageStore(Picture2, 6360, "intro/page2");
    pageStore(Picture1, 5880, "intro/page1");
    page(Command1, 480, 0x004000);
    place(Shape1, 360, 7800, 9855, 855);
    Shape1.Type = ShapeKind::RoundedRectangle;
    Shape1.FillColor = 0xFFFFFF;
    Shape1.BorderColor = 0x404040;

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    Command8.Click = [this] { Command8_Click(); };
    Command9.Click = [this] { Command9_Click(); };
    Command10.Click = [this] { Command10_Click(); };
}

}  // namespace game
