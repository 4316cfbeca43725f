// screen.h: what every screen of the game shares: the way to reach the other screens
// (Form3().Label10 from any handler creates the planet screen if need be), the program's
// services, and the layout helpers that turn the screens' tables into controls.
#pragma once

#include <string>

#include "app.h"
#include "convert.h"
#include "forms.h"

namespace game {

using ormal::Color;
using ormal::CommandButton;
using ormal::Frame;
using ormal::Image;
using ormal::Int;
using ormal::Label;
using ormal::Line;
using ormal::Num;
using ormal::PictureBox;
using ormal::Shape;
using ormal::ShapeKind;
using ormal::Str;
using ormal::Timer;
using ormal::Val;

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class Form8;

// Message box styles the game uses.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbCritical = 16;

ormal::Font corsiva(double size);  // Monotype Corsiva, bold italic
ormal::Font font(const char* name, double size, bool bold, bool italic = false);

class Screen : public ormal::Form {
  public:
    using ormal::Form::Form;

  protected:
    // The screens, each created on first reference and never destroyed.
    game::Form1& Form1();
    game::Form2& Form2();
    game::Form3& Form3();
    game::Form4& Form4();
    game::Form5& Form5();
    game::Form6& Form6();
    game::Form7& Form7();
    game::Form8& Form8();

    int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::string& title = "") {
        return app().MsgBox(prompt, style, title);
    }
    [[noreturn]] void End() { app().End(); }
    double Rnd() { return app().Rnd(); }

    static ormal::Picture picture(const char* name) { return ormal::Picture::named(name); }
    // A smaller window over the screens: raised border and shadow, client area on the desktop.
    void framedAt(float left, float top, float width, float height) {
        Framed = true;
        Left = left;
        Top = top;
        Width = width;
        Height = height;
    }
    // Layout rows the screens share; each places the control and gives it its looks.
    Label& label(Label& l, float x, float y, float w, float h, const char* caption, Color back,
                 Color fore, ormal::Font f);
    CommandButton& button(CommandButton& b, float x, float y, float w, float h, const char* caption,
                          Color back, ormal::Font f);
    CommandButton& pictureButton(ormal::Container& in, CommandButton& b, float x, float y, float w,
                                 float h, const char* pic);
    Image& image(ormal::Container& in, Image& i, float x, float y, float w, float h,
                 const char* pic);
    // A hidden picture box that only holds a picture for other controls.
    PictureBox& store(PictureBox& p, float x, float y, float w, float h, const char* pic);
    // A rounded panel drawn behind other controls.
    Shape& panel(Shape& s, float x, float y, float w, float h, Color fill);
    // A line from (x1, y1) to (x2, y2) in its container.
    Line& line(Line& l, float x1, float y1, float x2, float y2, ormal::Container* in = nullptr) {
        place(in ? *in : *this, l, 0, 0, 0, 0);
        l.X1 = x1;
        l.Y1 = y1;
        l.X2 = x2;
        l.Y2 = y2;
        return l;
    }
};

}  // namespace game
