// food.cpp: the food clock. The crew eats one ration each per tick: from the main supply
// every 4 s, then, after a warning, from the reserve every 5 s; when the reserve can no
// longer cover the next ration the game is lost.
#include "map/form2.h"

namespace game {

void Form2::Timer18_Timer() {
    Label6.Caption = Str(Num(Label6.Caption) - Num(Label10.Caption));
    // The test looks one ration ahead: the phase ends while food still shows the last ration.
    if (Num(Label6.Caption) - Num(Label10.Caption) <= 0) {
        MsgBox("У вас истек основной запас еды", 24, "Предупреждение");
        Timer18.Enabled = false;
        Timer19.Enabled = true;
        Label16.Visible = true;
        Label17.Visible = true;
    }
}

void Form2::Timer19_Timer() {
    Label17.Caption = Str(Num(Label17.Caption) - Num(Label10.Caption));
    if (Num(Label17.Caption) - Num(Label10.Caption) <= 0) {
        MsgBox("У вас кончилась еда и вы проиграли!");
        End();
    }
}

}  // namespace game
