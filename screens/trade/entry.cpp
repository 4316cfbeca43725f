// entry.cpp: entering the trade centre from the planet screen: the holdings copied in, and
// the planet's stock, prices and fragment offer set afresh.
#include "map/form2.h"
#include "planet/form3.h"
#include "trade/form6.h"

namespace game {

namespace {

// Each planet's trade centre: stock bases (drawn as base + a random 0..8, 0..199, 0..14),
// unit prices, hire and repair prices, and whether the entry shows the hint button.
struct Centre {
    const char* planet;
    int cannons, food, goods;
    int cannonPrice, foodPrice, goodsPrice, hirePrice, repairPrice;
    bool hint;
};

const Centre kCentres[] = {
    {"Земля", 19, 1300, 30, 12, 5, 20, 6, 3, true},
    {"Пасим", 8, 500, 15, 6, 4, 13, 7, 6, true},
    {"Дорав", 17, 1000, 20, 9, 8, 24, 4, 7, true},
    {"Карот", 17, 900, 26, 7, 5, 19, 4, 7, true},
    {"Шекарама", 7, 400, 14, 7, 3, 11, 8, 4, true},
    {"Миранда", 17, 1200, 28, 11, 6, 22, 6, 4, false},
    {"Пардонолия", 22, 1500, 34, 17, 9, 29, 3, 5, true},
    {"Филий", 7, 300, 12, 4, 3, 10, 6, 7, false},
};

// The three fragments for sale, offered while their piece of the map is still hidden.
struct Offer {
    const char* planet;
    Image Form2::*fragment;
    int priceBase;  // drawn as base + a random 0..999
};

const Offer kOffers[] = {
    {"Пасим", &Form2::Image17, 6000},
    {"Миранда", &Form2::Image15, 6000},
    {"Филий", &Form2::Image13, 5000},
};

}  // namespace

void Form3::Command2_Click() {
    Form6().Show();
    Form6().Label3.Caption = Label3.Caption;
    Form6().Label7.Caption = Label7.Caption;
    Form6().Label4.Caption = Label4.Caption;
    Form6().Label5.Caption = Label5.Caption;
    Form6().Label6.Caption = Label6.Caption;
    Form6().Label23.Caption = Form2().Label13.Caption;

    for (const Centre& c : kCentres) {
        if (Label10.Caption != c.planet) continue;
        Form6().Label10.Caption = Str(c.cannons + Int(Rnd() * 9));
        Form6().Label11.Caption = Str(c.food + Int(Rnd() * 200));
        Form6().Label12.Caption = Str(c.goods + Int(Rnd() * 15));
        Form6().Label1.Caption = Str(c.cannonPrice);
        Form6().Label8.Caption = Str(c.foodPrice);
        Form6().Label9.Caption = Str(c.goodsPrice);
        Form6().Label17.Caption = Str(c.hirePrice);
        Form6().Label22.Caption = Str(c.repairPrice);
        // On "Миранда" and "Филий" the hint button keeps whatever visibility it has: shown at
        // the first entry, hidden after any return.
        if (c.hint) Form6().Command15.Visible = true;
    }

    for (const Offer& o : kOffers) {
        if (Label10.Caption != o.planet || (Form2().*o.fragment).Visible) continue;
        Form6().Label24.Visible = true;
        Form6().Label25.Visible = true;
        Form6().Label26.Visible = true;
        Form6().Command14.Visible = true;
        Form6().Label26.Caption = Str(o.priceBase + Int(Rnd() * 1000));
    }

    if (Num(Form6().Label23.Caption) < 100) Form6().Command13.Enabled = true;
}

}  // namespace game
