// form3.cpp: the planet screen's layout, row by row from front to back.
#include "planet/form3.h"

namespace game {

Form3::Form3(ormal::Application& app) : Screen(app, "Form3") {
    Caption = "Form3";
    BackColor = 0x804000;

    auto holding = [&](Label& l, float top) {
        label(l, 1320, top, 105, 540, "", 0xFFC080, 0x404040, corsiva(21.75)).AutoSize = true;
    };

    pictureButton(*this, Command3, 7080, 8520, 855, 855, "planet/arrow_attack");
    pictureButton(*this, Command2, 6240, 8520, 855, 855, "planet/arrow_trade");
    store(Picture11, 14760, 1320, 375, 495, "planet/preview_trade");
    store(Picture10, 14760, 360, 375, 615, "planet/preview_fortress");
    pictureButton(*this, Command1, 13200, 10080, 615, 735, "planet/leave");
    store(Picture9, 14280, 1080, 375, 615, "planet/surface_miranda");
    store(Picture8, 13800, 1080, 375, 615, "planet/surface_filiy");
    store(Picture7, 13320, 1080, 375, 615, "planet/surface_shekarama");
    store(Picture6, 12840, 1080, 375, 615, "planet/surface_zemlya");
    store(Picture5, 14280, 360, 375, 615, "planet/surface_dorav");
    store(Picture4, 13800, 360, 375, 615, "planet/surface_pasim");
    store(Picture3, 13320, 360, 375, 615, "planet/surface_pardonolia");
    store(Picture2, 12840, 360, 375, 615, "planet/surface_karot");
    place(Picture1, 3240, 1560, 7695, 6975);
    place(Picture1, Image2, 5400, 1320, 2175, 1935);  // over the fortress
    place(Picture1, Image1, 120, 1080, 2295, 2175);   // over the trade centre
    auto& title = label(Label10, 3240, 120, 7695, 1455, "", 0xA59554, 0xC00000,
                        font("Arial", 72, true, true));
    title.Centered = true;
    label(Label9, 8400, 8760, 225, 1185, "", 0x804000, 0xFFFF80, corsiva(48)).AutoSize = true;
    label(Label8, 5880, 9360, 2415, 1215, "Куда пойдём, Капитан?", 0xFFC080, 0x404040,
          corsiva(21.75))
        .Centered = true;
    holding(Label7, 3720);
    holding(Label6, 2640);
    holding(Label5, 1680);
    holding(Label4, 480);
    image(*this, Image12, 240, 3600, 930, 915, "icons/gold");
    image(*this, Image11, 240, 2520, 930, 930, "icons/goods");
    image(*this, Image10, 240, 1440, 885, 915, "icons/food");
    image(*this, Image9, 240, 360, 945, 930, "icons/cannon");
    label(Label3, 1560, 6360, 135, 645, "", 0x804000, 0xFFE0C0, corsiva(26.25)).AutoSize = true;
    label(Label2, 1080, 6360, 375, 735, "X", 0x804000, 0xFFE0C0,
          font("MS Reference Sans Serif", 26.25, true));
    image(*this, Image4, 360, 6000, 600, 1290, "icons/sailor");
    image(*this, Image3, 11040, 480, 2055, 1575, nullptr);  // the preview, empty until a hover
    label(Label1, 11040, 3360, 90, 420, "", 0x804000, 0xFFFF80, corsiva(18)).AutoSize = true;

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command2.MouseMove = [this] { Command2_MouseMove(); };
    Command3.MouseMove = [this] { Command3_MouseMove(); };
    MouseMove = [this] { Form_MouseMove(); };
    Picture1.MouseMove = [this] { Picture1_MouseMove(); };
    Image1.MouseMove = [this] { Image1_MouseMove(); };
    Image2.MouseMove = [this] { Image2_MouseMove(); };
}

}  // namespace game
