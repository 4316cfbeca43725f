// leave.cpp: leaving the planet (counters back to the map screen, the food clock restarted,
// the victory test) and the hints and previews under the pointer.
#include "map/form2.h"
#include "planet/form3.h"

namespace game {

void Form3::Command1_Click() {
    Form2().Show();
    Form2().Command10.Enabled = false;
    for (CommandButton* arrow :
         {&Form2().Command1, &Form2().Command2, &Form2().Command3, &Form2().Command4,
          &Form2().Command6, &Form2().Command7, &Form2().Command8, &Form2().Command9})
        arrow->Enabled = true;
    Form2().Label5.Caption = Label4.Caption;
    Form2().Label6.Caption = Label5.Caption;
    Form2().Label7.Caption = Label6.Caption;
    Form2().Label8.Caption = Label7.Caption;
    Form2().Label10.Caption = Label3.Caption;
    Form2().Timer18.Enabled = false;
    if (Num(Form2().Label6.Caption) - Num(Form2().Label10.Caption) <= 0) {
        MsgBox("У вас истек основной запас еды", 24, "Предупреждение");
        Form2().Timer18.Enabled = false;
        Form2().Timer19.Enabled = true;
        Form2().Label16.Visible = true;
        Form2().Label17.Visible = true;
    } else {
        Form2().Timer18.Enabled = true;
    }
    Form2().Label17.Caption = "200";
    if (Form2().Image13.Visible && Form2().Image15.Visible && Form2().Image16.Visible &&
        Form2().Image17.Visible) {
        MsgBox("Победа!!!Мы нашли всю карту и теперь найдем планету!!!");
        End();
    }
}

void Form3::Command2_MouseMove() {
    Label9.Caption = "Поторгуем?";
}
void Form3::Command3_MouseMove() {
    Label9.Caption = "Поваюем!";
}
void Form3::Form_MouseMove() {
    Label9.Caption = "";
}

void Form3::Image1_MouseMove() {
    Image3.Picture = Picture11.Picture;
    Label1.Caption = "Торговый центр";
    Image3.Visible = true;
}

void Form3::Image2_MouseMove() {
    Label1.Caption = "Вражеская крепость";
    Image3.Picture = Picture10.Picture;
    Image3.Visible = true;
}

void Form3::Picture1_MouseMove() {
    Image3.Visible = false;
    Label1.Caption = "";
}

}  // namespace game
