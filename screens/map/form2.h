// form2.h: the map screen, the main screen of the game and the owner of its counters. The
// star map with the ship and three enemy ships, the counters, the map fragments, the food
// reserve, the direction pad with the stop, dock and fire buttons, and the menu button.
#pragma once

#include "screen.h"

namespace game {

class Form2 : public Screen {
  public:
    explicit Form2(ormal::Application& app);

    // Controls, named as on the screen. Counters are captions: cannons Label5, food Label6,
    // goods Label7, gold Label8, crew Label10, viability Label13, food reserve Label17.
    CommandButton Command12{"Command12"}, Command11{"Command11"}, Command10{"Command10"},
        Command8{"Command8"}, Command9{"Command9"}, Command7{"Command7"}, Command6{"Command6"},
        Command5{"Command5"}, Command4{"Command4"}, Command3{"Command3"}, Command2{"Command2"},
        Command1{"Command1"};
    PictureBox Picture1{"Picture1"};
    Frame Frame1{"Frame1"};
    Shape Shape1{"Shape1"}, Shape2{"Shape2"}, Shape3{"Shape3"}, Shape4{"Shape4"}, Shape5{"Shape5"},
        Shape6{"Shape6"}, Shape7{"Shape7"}, Shape8{"Shape8"}, Shape9{"Shape9"}, Shape10{"Shape10"};
    Image Image1{"Image1"}, Image2{"Image2"}, Image3{"Image3"}, Image4{"Image4"}, Image5{"Image5"},
        Image6{"Image6"}, Image7{"Image7"}, Image8{"Image8"}, Image9{"Image9"}, Image10{"Image10"},
        Image11{"Image11"}, Image12{"Image12"}, Image13{"Image13"}, Image14{"Image14"},
        Image15{"Image15"}, Image16{"Image16"}, Image17{"Image17"};
    Label Label1{"Label1"}, Label2{"Label2"}, Label3{"Label3"}, Label4{"Label4"}, Label5{"Label5"},
        Label6{"Label6"}, Label7{"Label7"}, Label8{"Label8"}, Label9{"Label9"}, Label10{"Label10"},
        Label11{"Label11"}, Label12{"Label12"}, Label13{"Label13"}, Label14{"Label14"},
        Label15{"Label15"}, Label16{"Label16"}, Label17{"Label17"};
    Line Line1{"Line1"}, Line2{"Line2"};
    Timer Timer1{"Timer1"}, Timer2{"Timer2"}, Timer3{"Timer3"}, Timer4{"Timer4"}, Timer5{"Timer5"},
        Timer6{"Timer6"}, Timer7{"Timer7"}, Timer8{"Timer8"}, Timer9{"Timer9"}, Timer10{"Timer10"},
        Timer11{"Timer11"}, Timer12{"Timer12"}, Timer13{"Timer13"}, Timer14{"Timer14"},
        Timer15{"Timer15"}, Timer16{"Timer16"}, Timer17{"Timer17"}, Timer18{"Timer18"},
        Timer19{"Timer19"};

    // Direction pad: each arrow starts its movement timer and stops the other seven.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    // Ship movement, one step per tick.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();
    void Timer8_Timer();
    // Stop, and arrival at a planet; docking.
    void Command5_Click();
    void Command10_Click();
    // Enemy patrols: the course timer and the eight courses.
    void Timer17_Timer();
    void Timer9_Timer();
    void Timer10_Timer();
    void Timer11_Timer();
    void Timer12_Timer();
    void Timer13_Timer();
    void Timer14_Timer();
    void Timer15_Timer();
    void Timer16_Timer();
    // The food clock: main supply and reserve.
    void Timer18_Timer();
    void Timer19_Timer();
    // Hover captions.
    void Image1_MouseMove();
    void Image2_MouseMove();
    void Image3_MouseMove();
    void Image4_MouseMove();
    void Image5_MouseMove();
    void Image6_MouseMove();
    void Image7_MouseMove();
    void Image8_MouseMove();
    void Picture1_MouseMove();
    void Image9_MouseMove();
    void Image10_MouseMove();
    void Image11_MouseMove();
    void Image12_MouseMove();
    void Image14_MouseMove();
    void Form_MouseMove();
    // The menu.
    void Command12_Click();

  private:
    void layout();
    void bind();
    Timer* movementTimers_[8];
    CommandButton* arrows_[8];
    void steer(Timer& heading);
    void patrol(int course);
};

}  // namespace game
