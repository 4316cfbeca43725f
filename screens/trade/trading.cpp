// trading.cpp: the trading section: buying and selling one unit of cannons, food or goods,
// each click ending with the arrows re-decided.
#include "trade/form6.h"

namespace game {

void Form6::Command11_Click() {
    for (CommandButton* b : {&Command1, &Command2, &Command3, &Command4, &Command5, &Command6})
        b->Visible = true;
    Command7.Visible = false;
    Command8.Visible = false;
    Command12.Visible = false;
    struct Row {
        Label& price;
        Label& stock;
        CommandButton& buyArrow;
    } rows[] = {
        {Label1, Label10, Command1}, {Label8, Label11, Command3}, {Label9, Label12, Command5}};
    // Kept as the game always had it: opening asks for more gold than the price, while a
    // trade only disables an arrow when the gold is below it.
    for (Row& r : rows) {
        r.buyArrow.Enabled = Num(Label7.Caption) - Num(r.price.Caption) > 0;
        if (Num(r.stock.Caption) == 0) r.buyArrow.Enabled = false;
    }
    decideSellArrows();
}

void Form6::Command1_Click() {
    buy(Label4, Label1, Label10, Command1);
}
void Form6::Command3_Click() {
    buy(Label5, Label8, Label11, Command3);
}
void Form6::Command5_Click() {
    buy(Label6, Label9, Label12, Command5);
}
void Form6::Command2_Click() {
    sell(Label4, Label1, Label10);
}
void Form6::Command4_Click() {
    sell(Label5, Label8, Label11);
}
void Form6::Command6_Click() {
    sell(Label6, Label9, Label12);
}

void Form6::buy(Label& amount, Label& price, Label& stock, CommandButton& buyArrow) {
    amount.Caption = Str(Num(amount.Caption) + 1);
    Label7.Caption = Str(Num(Label7.Caption) - Num(price.Caption));
    stock.Caption = Str(Num(stock.Caption) - 1);
    if (Num(stock.Caption) == 0) buyArrow.Enabled = false;
    decideSellArrows();
    disableUnaffordableBuys();
}

void Form6::sell(Label& amount, Label& price, Label& stock) {
    amount.Caption = Str(Num(amount.Caption) - 1);
    Label7.Caption = Str(Num(Label7.Caption) + Val(price.Caption));
    stock.Caption = Str(Num(stock.Caption) + 1);
    decideSellArrows();
    if (Num(Label10.Caption) > 0) Command1.Enabled = true;
    if (Num(Label11.Caption) > 0) Command3.Enabled = true;
    if (Num(Label12.Caption) > 0) Command5.Enabled = true;
    disableUnaffordableBuys();
}

void Form6::disableUnaffordableBuys() {
    if (Num(Label7.Caption) - Num(Label1.Caption) < 0) Command1.Enabled = false;
    if (Num(Label7.Caption) - Num(Label8.Caption) < 0) Command3.Enabled = false;
    if (Num(Label7.Caption) - Num(Label9.Caption) < 0) Command5.Enabled = false;
}

// Each sell arrow follows its holding: food eaten on the map can leave a holding at 0 or
// below, and an arrow left enabled from an earlier visit would sell what the ship lacks.
void Form6::decideSellArrows() {
    Command2.Enabled = Num(Label4.Caption) > 0;
    Command4.Enabled = Num(Label5.Caption) > 0;
    Command6.Enabled = Num(Label6.Caption) > 0;
}

}  // namespace game
