// outcome.cpp: the end of a battle: back to the planet screen, the battle screen made ready
// for the next battle, and after a defeat the crew and all gold lost.
#include "battle/form7.h"
#include "battle/form8.h"
#include "planet/form3.h"

namespace game {

void Form8::Command1_Click() {
    Form7().Enabled = true;
    Form3().Show();
    Form7().Command3.Visible = true;
    Form7().Command2.Visible = true;
    for (Label* l : {&Form7().Label15, &Form7().Label16, &Form7().Label14, &Form7().Label13})
        l->Visible = false;
    Form7().Label12.Caption = "";
    Form7().Command1.Visible = false;
    // The window stays open behind the planet screen; its title says how the battle ended.
    if (Label1.Caption == "Поражение!!!") {
        Form3().Label3.Caption = "0";
        Form3().Label7.Caption = "0";
    }
}

}  // namespace game
