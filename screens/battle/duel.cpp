// duel.cpp: the dice duel. Each turn both sides roll; a side's strength is its face times ten
// plus its crew; "Резня" takes the difference from the weaker side's head-count, and the
// battle ends when a head-count falls to zero or below.
#include <cmath>

#include "battle/form7.h"
#include "battle/form8.h"
#include "map/form2.h"
#include "planet/form3.h"

namespace game {

void Form7::Command3_Click() {
    Form3().Show();
}

void Form7::Command2_Click() {
    Command1.Visible = true;
    // From here on the battle cannot be left before its outcome.
    Command2.Visible = false;
    Command3.Visible = false;
    Label15.Caption = Label3.Caption;
    Label16.Caption = Label8.Caption;
    for (Label* l : {&Label11, &Label12, &Label15, &Label16, &Label14, &Label13}) l->Visible = true;
}

void Form7::Command1_Click() {
    PictureBox* faces[] = {&Picture1, &Picture2, &Picture3, &Picture4, &Picture5, &Picture6};
    int a = static_cast<int>(Int(Rnd() * 6));
    Picture7.Picture = faces[a]->Picture;
    // The crews are read by their leading number.
    Label4.Caption = Str((a + 1) * 10 + Val(Label3.Caption));
    int b = static_cast<int>(Int(Rnd() * 6));
    Picture8.Picture = faces[b]->Picture;
    Label10.Caption = Str((b + 1) * 10 + Val(Label8.Caption));
    Command4.Visible = true;
    Command1.Enabled = false;
}

void Form7::Command4_Click() {
    double p = Num(Label4.Caption), e = Num(Label10.Caption);
    if (std::fabs(e) < std::fabs(p)) {
        double d = std::fabs(p - e);
        Label12.Caption = Str(d);
        Label16.Caption = Str(Num(Label16.Caption) - d);
    }
    if (std::fabs(p) < std::fabs(e)) {
        double d = std::fabs(p - e);
        Label12.Caption = Str(d);
        Label15.Caption = Str(Num(Label15.Caption) - d);
    }
    if (std::fabs(e) == std::fabs(p)) Label12.Caption = "0";
    // Victory is tested first; both outcomes are tested.
    if (Num(Label16.Caption) <= 0) {
        double r = Int(Rnd() * 80 + 200);
        Form8().Show();
        Form8().Label1.Caption = "Победа!!!";
        Form8().Label2.Caption =
            "Вы не можите присвоить себе крепость, но враг требует за неё выкуп в размере" +
            Str(r) + "золотых";
        Form3().Label7.Caption = Str(Num(Form3().Label7.Caption) + r);
        Enabled = false;
        if (Form3().Label10.Caption == "Пардонолия" && !Form2().Image16.Visible) {
            MsgBox("В этой крепости вы обнаружили один из фрагментов карты");
            Form2().Image16.Visible = true;
        }
    }
    if (Num(Label15.Caption) <= 0) {
        Form8().Show();
        Form8().Label1.Caption = "Поражение!!!";
        Form8().Label2.Caption =
            "Ваша команда перебита и вас берут в плен, забирают всё ваше золото, и вскоре "
            "отпускают";
        // Crew and gold are lost when the window's "Ok" is pressed.
        Enabled = false;
    }
    Command4.Visible = false;
    Command1.Enabled = true;
    // The fighters left are the crews of the next roll.
    Label3.Caption = Label15.Caption;
    Label8.Caption = Label16.Caption;
}

}  // namespace game
