// actions.cpp: the rest of the trade centre: hiring and firing crew, the repair, the map
// fragment purchase, the hint, and the return to the planet screen.
#include "map/form2.h"
#include "planet/form3.h"
#include "trade/form6.h"

namespace game {

void Form6::Command10_Click() {
    Command7.Visible = true;
    Command8.Visible = true;
    for (CommandButton* b : {&Command1, &Command2, &Command3, &Command4, &Command5, &Command6})
        b->Visible = false;
    Command12.Visible = false;
    Command7.Enabled = Num(Label7.Caption) - Num(Label17.Caption) > 0;
    // Only a hire enables the dismiss button.
    if (Num(Label3.Caption) == 0) Command8.Enabled = false;
    if (Num(Label3.Caption) == 80) Command7.Enabled = false;
}

void Form6::Command7_Click() {
    Label3.Caption = Str(Num(Label3.Caption) + 1);
    Label7.Caption = Str(Num(Label7.Caption) - Num(Label17.Caption));
    if (Num(Label3.Caption) > 0) Command8.Enabled = true;
    if (Num(Label7.Caption) - Num(Label17.Caption) < 0) Command7.Enabled = false;
    if (Num(Label3.Caption) == 80) Command7.Enabled = false;
}

void Form6::Command8_Click() {
    Label3.Caption = Str(Num(Label3.Caption) - 1);
    Label7.Caption = Str(Num(Label7.Caption) + Val(Label17.Caption));
    if (Num(Label3.Caption) == 0) Command8.Enabled = false;
    if (Num(Label7.Caption) - Num(Label17.Caption) > 0) Command7.Enabled = true;
    // Whatever the gold: the dismissal has just paid back one hire.
    if (Num(Label3.Caption) < 80) Command7.Enabled = true;
}

void Form6::Command13_Click() {
    Command12.Visible = true;
    for (CommandButton* b :
         {&Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command7, &Command8})
        b->Visible = false;
    double left = Num(Label7.Caption) - Num(Label22.Caption);
    if (left < 0) Command12.Enabled = false;
    if (left > 0) Command12.Enabled = true;
    // Gold exactly equal to the price leaves the wrench as it was, unless nothing needs mending.
    if (left == 0 && Num(Label23.Caption) == 100) Command12.Enabled = false;
}

void Form6::Command12_Click() {
    Label7.Caption = Str(Num(Label7.Caption) - Num(Label22.Caption));
    Label23.Caption = "100";
    Command12.Enabled = false;
    // Until an entry finds the ship damaged again.
    Command13.Enabled = false;
}

void Form6::Command14_Click() {
    if (Num(Label7.Caption) - Num(Label26.Caption) >= 0) {
        Label7.Caption = Str(Num(Label7.Caption) - Num(Label26.Caption));
        if (Form3().Label10.Caption == "Миранда") Form2().Image15.Visible = true;
        if (Form3().Label10.Caption == "Филий") Form2().Image13.Visible = true;
        if (Form3().Label10.Caption == "Пасим") Form2().Image17.Visible = true;
        Command14.Visible = false;
        // The purchase may leave less gold than a price whose button is still enabled from
        // before; without this a later buy, hire or repair would spend gold that is not there.
        disableUnaffordableBuys();
        if (Num(Label7.Caption) - Num(Label17.Caption) < 0) Command7.Enabled = false;
        if (Num(Label7.Caption) - Num(Label22.Caption) < 0) Command12.Enabled = false;
    } else {
        MsgBox("У вас мало золота!", vbCritical, "Мало золота!");
    }
}

void Form6::Command15_Click() {
    if (Int(Rnd() * 2) == 0) {
        MsgBox("Поищите фрагмент на другой планете");
    } else {
        MsgBox("Соберите 4 фрагмента и найдете Планету Ормаль");
    }
}

void Form6::Command9_Click() {
    Form3().Show();
    Form3().Label3.Caption = Label3.Caption;
    Form3().Label4.Caption = Label4.Caption;
    Form3().Label5.Caption = Label5.Caption;
    Form3().Label6.Caption = Label6.Caption;
    Form3().Label7.Caption = Label7.Caption;
    Form2().Label13.Caption = Label23.Caption;
    // The stock and prices stay behind: the next entry sets them afresh.
    for (CommandButton* b : {&Command1, &Command2, &Command3, &Command4, &Command5, &Command6,
                             &Command7, &Command8, &Command12, &Command14, &Command15})
        b->Visible = false;
    Label24.Visible = false;
    Label25.Visible = false;
    Label26.Visible = false;
}

}  // namespace game
