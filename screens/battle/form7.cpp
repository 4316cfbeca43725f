// form7.cpp: the battle screen's layout, row by row from front to back.
#include "battle/form7.h"

namespace game {

Form7::Form7(ormal::Application& app) : Screen(app, "Form7") {
    Caption = "Form7";
    BackColor = 0xFFC080;

    auto dieBox = [this](PictureBox& p, float l, float t) {
        place(p, l, t, 975, 975);
        p.BackColor = 0xA59554;  // seen until the first roll
    };

    auto& massacre = button(Command4, 7080, 7800, 1215, 975, "Резня", 0xA59554,
                            font("MS Sans Serif", 13.5, true));
    massacre.Picture = picture("battle/swords");
    massacre.Visible = false;
    button(Command3, 720, 8880, 2775, 735, "Не нападать ", 0x0000FF, corsiva(24));
    button(Command2, 3480, 8880, 2055, 735, "Напасть ", 0xFF0000, corsiva(24));
    store(Picture15, 15000, 0, 255, 615, "battle/commander_filiy");
    store(Picture14, 14760, 0, 255, 615, "battle/commander_miranda");
    store(Picture13, 14520, 0, 255, 615, "battle/commander_pardonolia");
    store(Picture12, 14280, 0, 255, 615, "battle/commander_shekarama");
    store(Picture11, 14040, 0, 255, 615, "battle/commander_dorav");
    store(Picture10, 13800, 0, 255, 615, "battle/commander_karot");
    store(Picture9, 13560, 0, 255, 615, "battle/commander_pasim");
    dieBox(Picture8, 8520, 2280);
    button(Command1, 5880, 120, 4095, 735, "Бросить кубик", 0xFF8000, corsiva(27.75)).Visible =
        false;
    dieBox(Picture7, 1800, 2280);
    store(Picture6, 1800, 0, 375, 615, "battle/die6");
    store(Picture5, 1440, 0, 375, 615, "battle/die5");
    store(Picture4, 1080, 0, 375, 615, "battle/die4");
    store(Picture3, 720, 0, 375, 615, "battle/die3");
    store(Picture2, 360, 0, 375, 615, "battle/die2");
    store(Picture1, 0, 0, 375, 615, "battle/die1");
    line(Line2, 7320, 4560, 8040, 4560).BorderColor = 0xFF0000;
    label(Label16, 11160, 7200, 2655, 495, "", 0xFFFFFF, 0x004000, corsiva(26.25)).Centered = true;
    label(Label15, 1440, 7200, 2655, 495, "", 0xFFFFFF, 0x004000, corsiva(26.25)).Centered = true;
    label(Label14, 11160, 6720, 2655, 495, "Численность", 0xA59554, 0xFFFFFF, corsiva(24));
    label(Label13, 1440, 6720, 2655, 495, "Численность", 0xA59554, 0xFFFFFF, corsiva(24));
    auto& difference =
        label(Label12, 6120, 6960, 3135, 615, "", 0xFFFFFF, 0x404040, corsiva(26.25));
    difference.Visible = false;
    difference.Centered = true;
    auto& differenceCaption =
        label(Label11, 6120, 6360, 3135, 615, "Разница", 0x404040, 0xFFFFFF, corsiva(27.75));
    differenceCaption.Visible = false;
    differenceCaption.Centered = true;
    label(Label10, 12360, 4200, 180, 855, "", 0x804000, 0xFFFF00, corsiva(36)).AutoSize = true;
    label(Label9, 9000, 4320, 3375, 615, "Сила команды=", 0x804000, 0xFFFFC0, corsiva(26.25));
    place(Image1, 11160, 2040, 1575, 1875);  // the portrait, given at each entry
    label(Label8, 12720, 2520, 135, 675, "", 0xFFC080, 0x804000, corsiva(27.75)).AutoSize = true;
    label(Label7, 9600, 2400, 1455, 855, "*10+", 0xFFC080, 0x804000, corsiva(36));
    label(Label6, 8880, 1200, 4335, 735, "Вражеская команда", 0xFFFFC0, 0xC00000, corsiva(26.25))
        .Transparent = true;
    panel(Shape2, 8040, 840, 6495, 4935, 0xFFFFC0);
    label(Label5, 2160, 1080, 3255, 735, "Ваша команда", 0xFFFFC0, 0xC00000, corsiva(26.25))
        .Transparent = true;
    place(Image4, 4440, 2160, 600, 1290);
    Image4.Picture = picture("icons/sailor");
    label(Label3, 5160, 2400, 135, 795, "", 0xFFC080, 0x804000, corsiva(27.75)).AutoSize = true;
    label(Label1, 2880, 2400, 1455, 855, "*10+", 0xFFC080, 0x804000, corsiva(36));
    label(Label2, 1800, 4320, 3375, 615, "Сила команды=", 0x804000, 0xFFFFC0, corsiva(26.25));
    label(Label4, 5160, 4200, 180, 855, "", 0x804000, 0xFFFF00, corsiva(36)).AutoSize = true;
    panel(Shape1, 840, 840, 6495, 4935, 0xFFFFC0);
    line(Line1, 7680, 4560, 7680, 6360).BorderColor = 0xFF0000;

    Command3.Click = [this] { Command3_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command4.Click = [this] { Command4_Click(); };
}

}  // namespace game
