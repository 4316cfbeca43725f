// form6.h: the trade screen, the trade centre of the planet where the ship is docked: the
// trading table of cannons, food and goods, the crew panel, the repair panel, the fragment
// offer with the hint button, and the return to the planet screen.
#pragma once

#include "screen.h"

namespace game {

class Form6 : public Screen {
  public:
    explicit Form6(ormal::Application& app);

    // Working copies while in the centre: cannons Label4, food Label5, goods Label6, gold
    // Label7, crew Label3, viability Label23. The centre's stock is Label10, Label11, Label12;
    // the unit prices Label1, Label8, Label9; the hire price Label17, the repair price
    // Label22, the fragment price Label26.
    CommandButton Command15{"Command15"}, Command14{"Command14"}, Command13{"Command13"},
        Command12{"Command12"}, Command11{"Command11"}, Command10{"Command10"},
        Command9{"Command9"}, Command8{"Command8"}, Command7{"Command7"}, Command6{"Command6"},
        Command5{"Command5"}, Command4{"Command4"}, Command3{"Command3"}, Command2{"Command2"},
        Command1{"Command1"};
    Label Label1{"Label1"}, Label2{"Label2"}, Label3{"Label3"}, Label4{"Label4"}, Label5{"Label5"},
        Label6{"Label6"}, Label7{"Label7"}, Label8{"Label8"}, Label9{"Label9"}, Label10{"Label10"},
        Label11{"Label11"}, Label12{"Label12"}, Label13{"Label13"}, Label14{"Label14"},
        Label15{"Label15"}, Label16{"Label16"}, Label17{"Label17"}, Label18{"Label18"},
        Label19{"Label19"}, Label20{"Label20"}, Label21{"Label21"}, Label22{"Label22"},
        Label23{"Label23"}, Label24{"Label24"}, Label25{"Label25"}, Label26{"Label26"};
    Image Image1{"Image1"}, Image2{"Image2"}, Image3{"Image3"}, Image4{"Image4"}, Image5{"Image5"},
        Image9{"Image9"}, Image10{"Image10"}, Image11{"Image11"}, Image12{"Image12"};
    Shape Shape1{"Shape1"}, Shape2{"Shape2"}, Shape3{"Shape3"}, Shape4{"Shape4"}, Shape5{"Shape5"};

    // The trading section: opening it, the buy arrows (1, 3, 5) and the sell arrows (2, 4, 6).
    void Command11_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    // The crew section: opening it, hiring, firing.
    void Command10_Click();
    void Command7_Click();
    void Command8_Click();
    // The repair section: opening it, the repair.
    void Command13_Click();
    void Command12_Click();
    // The fragment purchase, the hint and the return.
    void Command14_Click();
    void Command15_Click();
    void Command9_Click();

  private:
    void layout();
    void bind();
    // One unit of a row of the trading table, each ending with the arrows re-decided.
    void buy(Label& amount, Label& price, Label& stock, CommandButton& buyArrow);
    void sell(Label& amount, Label& price, Label& stock);
    void disableUnaffordableBuys();
    void decideSellArrows();
};

}  // namespace game
