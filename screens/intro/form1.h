// form1.h: the intro screen: nine story pages turned with a row of page buttons, then the
// start button that opens the map screen.
#pragma once

#include "screen.h"

namespace game {

class Form1 : public Screen {
  public:
    explicit Form1(ormal::Application& app);

    // Page button N (Command1 to Command9) shows the picture of PictureN as the screen's
    // background; the picture boxes only store the pages and stay hidden.
    CommandButton Command10{"Command10"}, Command9{"Command9"}, Command8{"Command8"},
        Command7{"Command7"}, Command6{"Command6"}, Command5{"Command5"}, Command4{"Command4"},
        Command3{"Command3"}, Command2{"Command2"}, Command1{"Command1"};
    PictureBox Picture9{"Picture9"}, Picture8{"Picture8"}, Picture7{"Picture7"},
        Picture6{"Picture6"}, Picture5{"Picture5"}, Picture4{"Picture4"}, Picture3{"Picture3"},
        Picture2{"Picture2"}, Picture1{"Picture1"};
    Shape Shape1{"Shape1"};

    // Turning the pages, forward only.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    // "Начать ": the map screen, created on the first press.
    void Command10_Click();
};

}  // namespace game
