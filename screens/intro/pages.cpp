// pages.cpp: turning the story pages, and the start of the game.
#include "intro/form1.h"
#include "map/form2.h"

namespace game {

// Each page replaces the one before as the screen's background, shows the next button and
// disables its own, which stays in the row.
void Form1::Command1_Click() {
    Picture = Picture1.Picture;
    Command2.Visible = true;
    Command1.Enabled = false;
}

void Form1::Command2_Click() {
    Picture = Picture2.Picture;
    Command3.Visible = true;
    Command2.Enabled = false;
}

void Form1::Command3_Click() {
    Picture = Picture3.Picture;
    Command4.Visible = true;
    Command3.Enabled = false;
}

void Form1::Command4_Click() {
    Picture = Picture4.Picture;
    Command5.Visible = true;
    Command4.Enabled = false;
}

void Form1::Command5_Click() {
    Picture = Picture5.Picture;
    Command6.Visible = true;
    Command5.Enabled = false;
}

void Form1::Command6_Click() {
    Picture = Picture6.Picture;
    Command7.Visible = true;
    Command6.Enabled = false;
}

void Form1::Command7_Click() {
    Picture = Picture7.Picture;
    Command8.Visible = true;
    Command7.Enabled = false;
}

void Form1::Command8_Click() {
    Picture = Picture8.Picture;
    Command9.Visible = true;
    Command8.Enabled = false;
}

void Form1::Command9_Click() {
    Picture = Picture9.Picture;
    Command10.Visible = true;
    Command9.Enabled = false;
}

// The map screen simply covers the intro, which stays shown and enabled; a later press
// brings the same map screen back to the front.
void Form1::Command10_Click() {
    Form2().Show();
}

}  // namespace game
