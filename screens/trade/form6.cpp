// form6.cpp: the trade screen's layout, row by row from front to back, and its clicks.
#include "trade/form6.h"

namespace game {

Form6::Form6(ormal::Application& app) : Screen(app, "Form6") {
    Caption = "10000";
    BackColor = 0x804000;
    layout();
    bind();
}

void Form6::layout() {
    auto arrow = [this](CommandButton& b, float l, float t, const char* pic) {
        place(b, l, t, 855, 735);
        b.Picture = picture(pic);
        b.BackColor = 0x804000;
        b.Graphical = true;
        b.Visible = false;  // until the trading section is opened
    };

    button(Command15, 11760, 480, 675, 765, "? ", 0xFF8000, corsiva(36));
    button(Command14, 10320, 2160, 1695, 615, "Купить", 0xFF8000, corsiva(20.25)).Visible = false;
    button(Command13, 4920, 9960, 1575, 615, "Ремонт", ormal::kTooltipBack, corsiva(18));
    place(Command12, 4320, 8160, 1455, 1095);
    Command12.Picture = picture("trade/wrench");
    Command12.Graphical = true;
    Command12.Visible = false;
    button(Command11, 10080, 7560, 3135, 615, "Покупка/Продажа", ormal::kTooltipBack, corsiva(18));
    button(Command10, 480, 6840, 2775, 615, "Наём/Увольнение", ormal::kTooltipBack, corsiva(18));
    button(Command9, 960, 9120, 2055, 735, "Вернёмся", 0xFF8000, corsiva(24));
    button(Command8, 1200, 6000, 1815, 615, "Уволить", 0xA59554, corsiva(21.75)).Visible = false;
    button(Command7, 1200, 4200, 1815, 615, "Нанять", 0xA59554, corsiva(21.75)).Visible = false;
    arrow(Command6, 9360, 6480, "trade/sell");
    arrow(Command5, 7080, 6480, "trade/buy");
    arrow(Command4, 9360, 5400, "trade/sell");
    arrow(Command3, 7080, 5400, "trade/buy");
    arrow(Command2, 9360, 4320, "trade/sell");
    arrow(Command1, 7080, 4320, "trade/buy");

    auto& fragmentPrice =
        label(Label26, 11400, 1560, 1575, 495, "10000", 0xC04000, 0xFFFF00, corsiva(20.25));
    fragmentPrice.Visible = false;
    fragmentPrice.Centered = true;
    label(Label25, 9480, 1560, 1935, 495, "Стоймость", 0xC04000, 0xFFE0C0, corsiva(20.25)).Visible =
        false;
    label(Label24, 9480, 480, 1815, 975, "Фрагмент карты", 0xC04000, 0xFFE0C0, corsiva(20.25))
        .Visible = false;
    panel(Shape5, 9360, 360, 3735, 2535, 0xFFC080);
    label(Label23, 8400, 9240, 1335, 495, "Label23", 0x804000, 0xFFFF80, corsiva(21.75)).Centered =
        true;
    label(Label22, 8400, 8400, 1335, 495, "Label22", 0xFFE0C0, 0xFF8000, corsiva(21.75)).Centered =
        true;
    label(Label21, 4320, 9240, 4095, 495, "Степень жизнеспособности", 0xFFFF80, 0x804000,
          corsiva(18));
    label(Label20, 5760, 8400, 2655, 495, "Стоймость", 0xFF8000, 0xFFE0C0, corsiva(21.75))
        .Centered = true;
    label(Label19, 4320, 7680, 3135, 495, "Ремонт корабля", 0xFFC080, 0x804000, corsiva(21.75));
    panel(Shape4, 4200, 7560, 5655, 2415, 0xFFC080);
    label(Label7, 5040, 2040, 2055, 495, "", 0xFFE0C0, 0xC04000, corsiva(21.75)).Centered = true;
    label(Label18, 960, 4920, 2415, 495, "Стоймость", 0x808000, 0xFFFFFF, corsiva(24));
    label(Label17, 960, 5400, 2415, 495, "Label17", 0x808000, 0xFFFFFF, corsiva(24)).Centered =
        true;
    label(Label16, 3000, 360, 5175, 1095, "Торговый центр", 0x804000, 0xFFFF80,
          font("Arial", 48, false));
    image(*this, Image5, 120, 120, 2850, 2265, "trade/barn");
    label(Label15, 7560, 3360, 2175, 615, "Стоймость", 0xFFFF80, 0xC04000, corsiva(21.75));
    label(Label14, 10440, 3360, 3135, 615, "Торговый центр", 0xC04000, 0xFFFF80, corsiva(21.75));
    label(Label13, 3600, 3360, 2895, 615, "Ваше состояние", 0xC04000, 0xFFFF80, corsiva(21.75));
    label(Label12, 10320, 6600, 2025, 540, "", 0xFFE0C0, 0x404040, corsiva(21.75)).Centered = true;
    label(Label11, 10320, 5520, 2025, 540, "", 0xFFE0C0, 0x404040, corsiva(21.75)).Centered = true;
    label(Label10, 10320, 4440, 2025, 540, "", 0xFFE0C0, 0x404040, corsiva(21.75)).Centered = true;
    image(*this, Image3, 12480, 6360, 930, 930, "icons/goods");
    image(*this, Image2, 12480, 5280, 885, 915, "icons/food");
    image(*this, Image1, 12480, 4200, 945, 930, "icons/cannon");
    image(*this, Image4, 960, 2760, 600, 1290, "icons/sailor");
    label(Label2, 1560, 3120, 375, 615, "X", 0xFFC080, 0x804000,
          font("MS Reference Sans Serif", 26.25, true));
    label(Label3, 1920, 3120, 135, 645, "", 0xFFC080, 0x804000, corsiva(26.25)).AutoSize = true;
    panel(Shape3, 840, 2520, 2655, 4335, 0xFFC080);
    image(*this, Image12, 4080, 1800, 930, 915, "icons/gold");
    panel(Shape2, 3840, 1680, 3615, 1215, 0xFFC080);
    label(Label9, 8040, 6600, 1215, 495, "Label9", 0xFF8000, 0xFFFF00, corsiva(20.25)).Centered =
        true;
    label(Label8, 8040, 5520, 1215, 495, "Label8", 0xFF8000, 0xFFFF00, corsiva(20.25)).Centered =
        true;
    label(Label1, 8040, 4440, 1215, 495, "Label1", 0xFF8000, 0xFFFF00, corsiva(20.25)).Centered =
        true;
    image(*this, Image9, 3840, 4200, 945, 930, "icons/cannon");
    image(*this, Image10, 3840, 5280, 885, 915, "icons/food");
    image(*this, Image11, 3840, 6360, 930, 930, "icons/goods");
    label(Label4, 4920, 4440, 2025, 540, "", 0xFFE0C0, 0x404040, corsiva(21.75)).Centered = true;
    label(Label5, 4920, 5520, 2025, 540, "", 0xFFE0C0, 0x404040, corsiva(21.75)).Centered = true;
    label(Label6, 4920, 6600, 2025, 540, "", 0xFFE0C0, 0x404040, corsiva(21.75)).Centered = true;
    panel(Shape1, 3480, 2880, 10335, 4695, 0xFFC080);
}

void Form6::bind() {
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
    Command11.Click = [this] { Command11_Click(); };
    Command12.Click = [this] { Command12_Click(); };
    Command13.Click = [this] { Command13_Click(); };
    Command14.Click = [this] { Command14_Click(); };
    Command15.Click = [this] { Command15_Click(); };
}

}  // namespace game
