// hover.cpp: the names under the pointer (planets in Label1, counters in Label11, each
// cleared only by its own background) and the menu button.
#include "dialogs/form5.h"
#include "map/form2.h"

namespace game {

void Form2::Image1_MouseMove() {
    Label1.Caption = "Пардонолия ";
}
void Form2::Image2_MouseMove() {
    Label1.Caption = "Карот ";
}
void Form2::Image3_MouseMove() {
    Label1.Caption = "Пасим ";
}
void Form2::Image4_MouseMove() {
    Label1.Caption = "Земля ";
}
void Form2::Image5_MouseMove() {
    Label1.Caption = "Шекарама ";
}
void Form2::Image6_MouseMove() {
    Label1.Caption = "Филий ";
}
void Form2::Image7_MouseMove() {
    Label1.Caption = "Миранда ";
}
void Form2::Image8_MouseMove() {
    Label1.Caption = "Дорав ";
}
void Form2::Picture1_MouseMove() {
    Label1.Caption = "";
}

void Form2::Image9_MouseMove() {
    Label11.Caption = "Количество Пушек";
}
void Form2::Image10_MouseMove() {
    Label11.Caption = "Количество Еды";
}
void Form2::Image11_MouseMove() {
    Label11.Caption = "Количество Товаров";
}
void Form2::Image12_MouseMove() {
    Label11.Caption = "Количество Золота";
}
void Form2::Image14_MouseMove() {
    Label11.Caption = "Количество Экипажа";
}
void Form2::Form_MouseMove() {
    Label11.Caption = "";
}

void Form2::Command12_Click() {
    Enabled = false;
    Form5().Show();
}

}  // namespace game
