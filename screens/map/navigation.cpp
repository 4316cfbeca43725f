// navigation.cpp: the direction pad. An arrow sets the ship moving; it moves five twips per
// tick of its movement timer, with no edges, until another arrow or the stop button.
#include "map/form2.h"

namespace game {

void Form2::steer(Timer& heading) {
    heading.Enabled = true;
    for (Timer* t : movementTimers_)
        if (t != &heading) t->Enabled = false;
}

void Form2::Command1_Click() {
    steer(Timer1);
}
void Form2::Command2_Click() {
    steer(Timer2);
}
void Form2::Command3_Click() {
    steer(Timer3);
}
void Form2::Command4_Click() {
    steer(Timer4);
}
// From here on the timer numbers lag the button numbers by one.
void Form2::Command6_Click() {
    steer(Timer5);
}
void Form2::Command7_Click() {
    steer(Timer6);
}
void Form2::Command8_Click() {
    steer(Timer7);
}
void Form2::Command9_Click() {
    steer(Timer8);
}

// Diagonals move horizontally first, then vertically, as two separate steps.
void Form2::Timer1_Timer() {
    Shape1.Top = Shape1.Top - 5;
}
void Form2::Timer2_Timer() {
    Shape1.Left = Shape1.Left - 5;
}
void Form2::Timer3_Timer() {
    Shape1.Top = Shape1.Top + 5;
}
void Form2::Timer4_Timer() {
    Shape1.Left = Shape1.Left + 5;
}
void Form2::Timer5_Timer() {
    Shape1.Left = Shape1.Left + 5;
    Shape1.Top = Shape1.Top - 5;
}
void Form2::Timer6_Timer() {
    Shape1.Left = Shape1.Left + 5;
    Shape1.Top = Shape1.Top + 5;
}
void Form2::Timer7_Timer() {
    Shape1.Left = Shape1.Left - 5;
    Shape1.Top = Shape1.Top + 5;
}
void Form2::Timer8_Timer() {
    Shape1.Left = Shape1.Left - 5;
    Shape1.Top = Shape1.Top - 5;
}

}  // namespace game
