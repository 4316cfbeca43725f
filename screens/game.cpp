// game.cpp: the screens' ways to one another, the fonts the layouts name, and the start.
#include "game.h"

#include "battle/form7.h"
#include "battle/form8.h"
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "intro/form1.h"
#include "map/form2.h"
#include "planet/form3.h"
#include "trade/form6.h"

namespace game {

ormal::Font corsiva(double size) {
    return ormal::Font{"Monotype Corsiva", size, true, true};
}

ormal::Font font(const char* name, double size, bool bold, bool italic) {
    return ormal::Font{name, size, bold, italic};
}

game::Form1& Screen::Form1() {
    return app().form<game::Form1>();
}
game::Form2& Screen::Form2() {
    return app().form<game::Form2>();
}
game::Form3& Screen::Form3() {
    return app().form<game::Form3>();
}
game::Form4& Screen::Form4() {
    return app().form<game::Form4>();
}
game::Form5& Screen::Form5() {
    return app().form<game::Form5>();
}
game::Form6& Screen::Form6() {
    return app().form<game::Form6>();
}
game::Form7& Screen::Form7() {
    return app().form<game::Form7>();
}
game::Form8& Screen::Form8() {
    return app().form<game::Form8>();
}

Label& Screen::label(Label& l, float x, float y, float w, float h, const char* caption, Color back,
                     Color fore, ormal::Font f) {
    place(l, x, y, w, h);
    l.Caption = caption;
    l.BackColor = back;
    l.ForeColor = fore;
    l.Font = f;
    return l;
}

CommandButton& Screen::button(CommandButton& b, float x, float y, float w, float h,
                              const char* caption, Color back, ormal::Font f) {
    place(b, x, y, w, h);
    b.Caption = caption;
    b.BackColor = back;
    b.Font = f;
    b.Graphical = true;
    return b;
}

CommandButton& Screen::pictureButton(ormal::Container& in, CommandButton& b, float x, float y,
                                     float w, float h, const char* pic) {
    place(in, b, x, y, w, h);
    b.Picture = picture(pic);
    b.Graphical = true;
    return b;
}

Image& Screen::image(ormal::Container& in, Image& i, float x, float y, float w, float h,
                     const char* pic) {
    place(in, i, x, y, w, h);
    if (pic) i.Picture = picture(pic);
    return i;
}

PictureBox& Screen::store(PictureBox& p, float x, float y, float w, float h, const char* pic) {
    place(p, x, y, w, h);
    p.Picture = picture(pic);
    p.Visible = false;
    return p;
}

Shape& Screen::panel(Shape& s, float x, float y, float w, float h, Color fill) {
    place(s, x, y, w, h);
    s.Type = ShapeKind::RoundedRectangle;
    s.FillColor = fill;
    return s;
}

void install(ormal::Application& app) {
    app.Title = kTitle;
    app.OnClose = [&app] { QueryClose(app); };
}

void start(ormal::Application& app) {
    install(app);
    app.form<game::Form1>().Show();
}

}  // namespace game
