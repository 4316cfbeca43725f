// form7.h: the battle screen, the enemy fortress of the docked planet: two panels that read
// as formulas (die *10+ crew = strength) for the player and the enemy, the difference of the
// last turn, the head-counts, and the dice duel's buttons.
#pragma once

#include "screen.h"

namespace game {

class Form7 : public Screen {
  public:
    explicit Form7(ormal::Application& app);

    // Values are captions: player crew Label3, enemy crew Label8, strengths Label4 and
    // Label10, difference Label12, head-counts Label15 (player) and Label16 (enemy).
    // Picture1 to Picture6 store the die faces, Picture9 to Picture15 the commanders.
    CommandButton Command4{"Command4"}, Command3{"Command3"}, Command2{"Command2"},
        Command1{"Command1"};
    PictureBox Picture15{"Picture15"}, Picture14{"Picture14"}, Picture13{"Picture13"},
        Picture12{"Picture12"}, Picture11{"Picture11"}, Picture10{"Picture10"},
        Picture9{"Picture9"}, Picture8{"Picture8"}, Picture7{"Picture7"}, Picture6{"Picture6"},
        Picture5{"Picture5"}, Picture4{"Picture4"}, Picture3{"Picture3"}, Picture2{"Picture2"},
        Picture1{"Picture1"};
    Line Line2{"Line2"}, Line1{"Line1"};
    Label Label16{"Label16"}, Label15{"Label15"}, Label14{"Label14"}, Label13{"Label13"},
        Label12{"Label12"}, Label11{"Label11"}, Label10{"Label10"}, Label9{"Label9"},
        Label8{"Label8"}, Label7{"Label7"}, Label6{"Label6"}, Label5{"Label5"}, Label4{"Label4"},
        Label3{"Label3"}, Label2{"Label2"}, Label1{"Label1"};
    Image Image1{"Image1"}, Image4{"Image4"};
    Shape Shape2{"Shape2"}, Shape1{"Shape1"};

    void Command3_Click();  // "Не нападать ": back to the planet screen
    void Command2_Click();  // "Напасть ": the duel begins
    void Command1_Click();  // "Бросить кубик": both sides roll
    void Command4_Click();  // "Резня": the turn is applied, and may end the battle
};

}  // namespace game
