// docking.cpp: the stop button, the arrival rectangles of the eight planets, and docking.
#include <cmath>

#include "map/form2.h"
#include "planet/form3.h"

namespace game {

namespace {

// Where the stop button recognises a planet: the ship marker's top left inside a rectangle,
// both ends included. Tested in this order; no two overlap. They are not the hover areas:
// the one of "Земля" reaches far to the left of the drawn planet.
struct Arrival {
    const char* planet;
    float leftFrom, leftTo, topFrom, topTo;
    PictureBox Form3::*surface;
    bool fortress;
};

const Arrival kArrivals[] = {
    {"Пасим", 2520, 2640, 4200, 4320, &Form3::Picture4, true},
    {"Карот", 1560, 1920, 3360, 3600, &Form3::Picture2, true},
    {"Пардонолия", 360, 1200, 1080, 1800, &Form3::Picture3, true},
    {"Дорав", 5520, 5880, 3720, 3960, &Form3::Picture5, true},
    {"Земля", 960, 3720, 4920, 5520, &Form3::Picture6, false},
    {"Шекарама", 3240, 3480, 2760, 3120, &Form3::Picture7, true},
    {"Филий", 3480, 3720, 1080, 1440, &Form3::Picture8, true},
    {"Миранда", 5880, 6240, 1440, 1800, &Form3::Picture9, true},
};

bool whole(float v) {
    return std::floor(v) == v;
}

}  // namespace

void Form2::Command5_Click() {
    for (Timer* t : movementTimers_) t->Enabled = false;
    // Two range comparisons per rectangle: the same answer as comparing with every whole
    // twip inside it, without the delay.
    for (const Arrival& a : kArrivals) {
        float left = Shape1.Left, top = Shape1.Top;
        if (!whole(left) || !whole(top)) continue;
        if (left < a.leftFrom || left > a.leftTo || top < a.topFrom || top > a.topTo) continue;
        Command10.Enabled = true;
        for (CommandButton* arrow : arrows_) arrow->Enabled = false;
        Form3().Picture1.Picture = (Form3().*a.surface).Picture;
        Form3().Image2.Enabled = a.fortress;
        Form3().Command3.Enabled = a.fortress;
        Form3().Label10.Caption = a.planet;
    }
}

void Form2::Command10_Click() {
    Form3().Label4.Caption = Label5.Caption;
    Form3().Label5.Caption = Label6.Caption;
    Form3().Label6.Caption = Label7.Caption;
    Form3().Label7.Caption = Label8.Caption;
    Form3().Label3.Caption = Label10.Caption;
    Form3().Show();
    // No food is eaten while docked.
    Timer18.Enabled = false;
    Timer19.Enabled = false;
    Label16.Visible = false;
    Label17.Visible = false;
}

}  // namespace game
