// entry.cpp: entering the fortress from the planet screen: the player's crew, and the
// commander's portrait and enemy crew of the docked planet's fortress.
#include "battle/form7.h"
#include "planet/form3.h"

namespace game {

namespace {

// Looked up by the planet title as exact text, in this order. "Земля" has no fortress.
struct Fortress {
    const char* planet;
    PictureBox Form7::*portrait;
    int crew;  // the enemy crew is crew + 0..9
};

const Fortress kFortresses[] = {
    {"Пасим", &Form7::Picture9, 30},       {"Карот", &Form7::Picture10, 40},
    {"Дорав", &Form7::Picture11, 50},      {"Шекарама", &Form7::Picture12, 60},
    {"Пардонолия", &Form7::Picture13, 80}, {"Миранда", &Form7::Picture14, 70},
    {"Филий", &Form7::Picture15, 30},
};

}  // namespace

void Form3::Command3_Click() {
    Form7().Show();
    Form7().Label3.Caption = Label3.Caption;
    for (const Fortress& f : kFortresses) {
        if (Label10.Caption != f.planet) continue;
        Form7().Image1.Picture = (Form7().*f.portrait).Picture;
        Form7().Label8.Caption = Str(f.crew + Int(Rnd() * 10));
    }
}

}  // namespace game
