// form2.cpp: the map screen's layout, row by row from front to back, and its start state.
#include "map/form2.h"

namespace game {

Form2::Form2(ormal::Application& app) : Screen(app, "Form2") {
    Caption = "Form2";
    BackColor = 0xFFC080;
    layout();
    bind();
}

void Form2::layout() {
    // A button of the pad, with the keys that stand for it: the numeric keypad, and the
    // arrow keys (two held together for a diagonal) on keyboards without one.
    auto padButton = [this](ormal::Container& in, CommandButton& b, float l, float t,
                            const char* pic, std::vector<ormal::Shortcut> keys) -> CommandButton& {
        pictureButton(in, b, l, t, 615, 615, pic).Keys = std::move(keys);
        return b;
    };
    using K = ormal::Key;
    // A ship's dot: on the star map, and the same dots in the legend.
    auto marker = [this](ormal::Container& in, Shape& s, float l, float t, Color fill,
                         Color border) {
        place(in, s, l, t, 135, 135);
        s.Type = ShapeKind::Oval;
        s.FillColor = fill;
        s.BorderColor = border;
    };

    button(Command12, 1800, 9360, 1455, 495, "Меню", 0xC04000, corsiva(20.25)).Keys = {K::Escape};
    padButton(*this, Command11, 6600, 7080, "map/fire", {});

    place(Picture1, 240, 360, 7335, 6375);
    Picture1.Picture = picture("map/starmap");
    marker(Picture1, Shape4, 3360, 2880, 0x0000FF, 0xFF0000);
    marker(Picture1, Shape3, 1800, 3480, 0x0000FF, 0xFF0000);
    marker(Picture1, Shape2, 720, 1440, 0x0000FF, 0xFF0000);
    marker(Picture1, Shape1, 3480, 5160, 0xFF0000, 0xFFFF00);
    image(Picture1, Image1, 360, 960, 975, 1095, nullptr);
    image(Picture1, Image2, 1560, 3360, 495, 375, nullptr);
    image(Picture1, Image3, 2520, 4200, 255, 255, nullptr);
    image(Picture1, Image4, 3120, 4920, 735, 615, nullptr);
    image(Picture1, Image5, 3240, 2760, 375, 495, nullptr);
    image(Picture1, Image6, 3480, 1080, 375, 495, nullptr);
    image(Picture1, Image7, 5880, 1320, 615, 735, nullptr);
    image(Picture1, Image8, 5520, 3600, 495, 615, nullptr);

    padButton(*this, Command10, 5400, 7080, "map/dock", {K::Enter}).Enabled = false;
    padButton(*this, Command8, 5400, 8880, "map/arrow_down_left", {K::Keypad1, {K::Down, K::Left}});

    place(Frame1, 5040, 6720, 2535, 2895);
    Frame1.Caption = "Управление";
    Frame1.BackColor = 0x804000;
    Frame1.ForeColor = 0xFFFF80;
    Frame1.Font = corsiva(14.25);
    padButton(Frame1, Command9, 360, 960, "map/arrow_up_left", {K::Keypad7, {K::Up, K::Left}})
        .MaskColor = 0xFF0000;
    padButton(Frame1, Command7, 1560, 2160, "map/arrow_down_right",
              {K::Keypad3, {K::Down, K::Right}});
    padButton(Frame1, Command6, 1560, 960, "map/arrow_up_right", {K::Keypad9, {K::Up, K::Right}});
    padButton(Frame1, Command5, 960, 1560, "map/stop", {K::Keypad5, K::Space});
    padButton(Frame1, Command4, 1560, 1560, "map/arrow_right", {K::Keypad6, K::Right});
    padButton(Frame1, Command3, 960, 2160, "map/arrow_down", {K::Keypad2, K::Down});
    padButton(Frame1, Command2, 360, 1560, "map/arrow_left", {K::Keypad4, K::Left});
    padButton(Frame1, Command1, 960, 960, "map/arrow_up", {K::Keypad8, K::Up});

    auto& reserve =
        label(Label17, 10200, 840, 2055, 495, "200", 0xC00000, 0xFFFF00, corsiva(21.75));
    reserve.Visible = false;
    reserve.Centered = true;
    auto& reserveCaption =
        label(Label16, 10200, 360, 2055, 495, "Запас еды", 0xFFC080, 0xC00000, corsiva(20.25));
    reserveCaption.Visible = false;
    reserveCaption.Centered = true;
    label(Label15, 12600, 3240, 1335, 495, "Карта", 0x804000, 0xFFFF00, corsiva(21.75));
    image(*this, Image17, 13320, 4680, 840, 720, "map/fragment_br").Visible = false;
    image(*this, Image16, 12480, 4680, 750, 750, "map/fragment_bl").Visible = false;
    image(*this, Image15, 13320, 3840, 825, 735, "map/fragment_tr").Visible = false;
    image(*this, Image13, 12480, 3840, 765, 690, "map/fragment_tl").Visible = false;
    panel(Shape10, 12240, 3000, 2055, 2655, 0x804000).BorderColor = 0x000000;
    label(Label14, 11760, 8280, 615, 615, "%", 0xFFE0C0, 0x004000, font("MS Sans Serif", 24, true));
    label(Label13, 10320, 8280, 1455, 615, "50", 0xFFE0C0, 0x004000, corsiva(24)).Centered = true;
    label(Label12, 10200, 8880, 3135, 975, "Степень жизнеспособности", 0xFFC080, 0x800000,
          corsiva(20.25));
    line(Line2, 10200, 8040, 10200, 9720);
    label(Label11, 9720, 2040, 105, 540, "", 0xFFC080, 0x000000, corsiva(21.75)).AutoSize = true;
    label(Label10, 9360, 8640, 615, 675, "20", 0xFFC080, 0x400000, corsiva(27.75)).AutoSize = true;
    label(Label9, 9000, 8640, 375, 615, "X", 0xFFC080, 0x400000,
          font("MS Reference Sans Serif", 24, true));
    image(*this, Image14, 8400, 8280, 600, 1290, "icons/sailor");
    line(Line1, 9000, 3360, 9000, 7560);
    label(Label8, 9240, 6720, 420, 540, "20", 0xA59554, 0xFFFF80, corsiva(21.75)).AutoSize = true;
    label(Label7, 9240, 5640, 420, 540, "60", 0xA59554, 0xFFFF80, corsiva(21.75)).AutoSize = true;
    label(Label6, 9240, 4560, 840, 540, "1000", 0xA59554, 0xFFFF80, corsiva(21.75)).AutoSize = true;
    label(Label5, 9240, 3600, 420, 540, "14", 0xA59554, 0xFFFF80, corsiva(21.75)).AutoSize = true;
    image(*this, Image9, 7800, 3360, 945, 930, "icons/cannon");
    image(*this, Image10, 7800, 4440, 885, 915, "icons/food");
    image(*this, Image11, 7800, 5520, 930, 930, "icons/goods");
    image(*this, Image12, 7800, 6600, 930, 915, "icons/gold");
    panel(Shape9, 7560, 3120, 4695, 4695, 0x804000);
    label(Label4, 840, 7440, 1815, 375, "Враж. корабли", 0xFFE0C0, 0x804000, corsiva(14.25));
    label(Label3, 840, 6840, 1815, 375, "Ваш корабль", 0xFFE0C0, 0x804000, corsiva(14.25));
    marker(*this, Shape7, 600, 7560, 0x0000FF, 0xFF0000);
    marker(*this, Shape6, 600, 6960, 0xFF0000, 0xFFFF00);
    panel(Shape8, 480, 6720, 2295, 1215, 0x804000);
    label(Label2, 7680, 1200, 1845, 1020, "Название планеты", 0xFFE0C0, 0x804000, corsiva(21.75));
    label(Label1, 7680, 2280, 165, 420, "", 0x804000, 0xFFFFC0, corsiva(18)).AutoSize = true;
    panel(Shape5, 7560, 1080, 2055, 1815, 0xFFE0C0).BorderColor = 0x404000;

    // Timers in number order, which is also the order in which timers due together tick.
    Timer* movement[] = {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7, &Timer8};
    for (Timer* t : movement) place(*t, 1, false);
    for (Timer* t : {&Timer9, &Timer10, &Timer11, &Timer12, &Timer13, &Timer14, &Timer15, &Timer16})
        place(*t, 1, false);
    place(Timer17, 500, true);
    place(Timer18, 4000, true);
    place(Timer19, 5000, false);
}

void Form2::bind() {
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    Command8.Click = [this] { Command8_Click(); };
    Command9.Click = [this] { Command9_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command10.Click = [this] { Command10_Click(); };
    Command12.Click = [this] { Command12_Click(); };
    // The fire button has no behaviour: a click does nothing.

    Timer1.OnTimer = [this] { Timer1_Timer(); };
    Timer2.OnTimer = [this] { Timer2_Timer(); };
    Timer3.OnTimer = [this] { Timer3_Timer(); };
    Timer4.OnTimer = [this] { Timer4_Timer(); };
    Timer5.OnTimer = [this] { Timer5_Timer(); };
    Timer6.OnTimer = [this] { Timer6_Timer(); };
    Timer7.OnTimer = [this] { Timer7_Timer(); };
    Timer8.OnTimer = [this] { Timer8_Timer(); };
    Timer9.OnTimer = [this] { Timer9_Timer(); };
    Timer10.OnTimer = [this] { Timer10_Timer(); };
    Timer11.OnTimer = [this] { Timer11_Timer(); };
    Timer12.OnTimer = [this] { Timer12_Timer(); };
    Timer13.OnTimer = [this] { Timer13_Timer(); };
    Timer14.OnTimer = [this] { Timer14_Timer(); };
    Timer15.OnTimer = [this] { Timer15_Timer(); };
    Timer16.OnTimer = [this] { Timer16_Timer(); };
    Timer17.OnTimer = [this] { Timer17_Timer(); };
    Timer18.OnTimer = [this] { Timer18_Timer(); };
    Timer19.OnTimer = [this] { Timer19_Timer(); };

    Image1.MouseMove = [this] { Image1_MouseMove(); };
    Image2.MouseMove = [this] { Image2_MouseMove(); };
    Image3.MouseMove = [this] { Image3_MouseMove(); };
    Image4.MouseMove = [this] { Image4_MouseMove(); };
    Image5.MouseMove = [this] { Image5_MouseMove(); };
    Image6.MouseMove = [this] { Image6_MouseMove(); };
    Image7.MouseMove = [this] { Image7_MouseMove(); };
    Image8.MouseMove = [this] { Image8_MouseMove(); };
    Picture1.MouseMove = [this] { Picture1_MouseMove(); };
    Image9.MouseMove = [this] { Image9_MouseMove(); };
    Image10.MouseMove = [this] { Image10_MouseMove(); };
    Image11.MouseMove = [this] { Image11_MouseMove(); };
    Image12.MouseMove = [this] { Image12_MouseMove(); };
    Image14.MouseMove = [this] { Image14_MouseMove(); };
    MouseMove = [this] { Form_MouseMove(); };

    Timer* movement[] = {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7, &Timer8};
    CommandButton* arrows[] = {&Command1, &Command2, &Command3, &Command4,
                               &Command6, &Command7, &Command8, &Command9};
    for (int i = 0; i < 8; ++i) {
        movementTimers_[i] = movement[i];
        arrows_[i] = arrows[i];
    }
}

}  // namespace game
