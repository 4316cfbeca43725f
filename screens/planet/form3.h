// form3.h: the planet screen, the hub of a stay on a planet: its name, a view of its surface
// with the trade centre and (except on "Земля") the enemy fortress, the ship's holdings, and
// the buttons back to space, into the trade centre and into the fortress.
#pragma once

#include "screen.h"

namespace game {

class Form3 : public Screen {
  public:
    explicit Form3(ormal::Application& app);

    // Copies of the counters while docked: cannons Label4, food Label5, goods Label6, gold
    // Label7, crew Label3. The planet's name is Label10.
    CommandButton Command1{"Command1"}, Command2{"Command2"}, Command3{"Command3"};
    PictureBox Picture1{"Picture1"}, Picture2{"Picture2"}, Picture3{"Picture3"},
        Picture4{"Picture4"}, Picture5{"Picture5"}, Picture6{"Picture6"}, Picture7{"Picture7"},
        Picture8{"Picture8"}, Picture9{"Picture9"}, Picture10{"Picture10"}, Picture11{"Picture11"};
    Image Image1{"Image1"}, Image2{"Image2"}, Image3{"Image3"}, Image4{"Image4"}, Image9{"Image9"},
        Image10{"Image10"}, Image11{"Image11"}, Image12{"Image12"};
    Label Label1{"Label1"}, Label2{"Label2"}, Label3{"Label3"}, Label4{"Label4"}, Label5{"Label5"},
        Label6{"Label6"}, Label7{"Label7"}, Label8{"Label8"}, Label9{"Label9"}, Label10{"Label10"};

    // Leaving the planet.
    void Command1_Click();
    // Entering the trade centre (trade/entry.cpp) and the fortress (battle/entry.cpp).
    void Command2_Click();
    void Command3_Click();
    // Hints and previews under the pointer.
    void Command2_MouseMove();
    void Command3_MouseMove();
    void Form_MouseMove();
    void Picture1_MouseMove();
    void Image1_MouseMove();
    void Image2_MouseMove();
};

}  // namespace game
