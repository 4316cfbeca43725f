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

ormal::Font corsiva(double size) { return ormal::Font{"Monotype Corsiva", size, true, true}; }

ormal::Font font(const char* name, double size, bool bold, bool italic) {
    return ormal::Font{name, size, bold, italic};
}

game::Form1& Screen::Form1() { return app().form<game::Form1>(); }
game::Form2& Screen::Form2() { return app().form<game::Form2>(); }
game::Form3& Screen::Form3() { return app().form<game::Form3>(); }
game::Form4& Screen::Form4() { return app().form<game::Form4>(); }
game::Form5& Screen::Form5() { return app().form<game::Form5>(); }
game::Form6& Screen::Form6() { return app().form<game::Form6>(); }
game::Form7& Screen::Form7() { return app().form<game::Form7>(); }
game::Form8& Screen::Form8() { return app().form<game::Form8>(); }

void start(ormal::Application& app) { app.form<game::Form1>().Show(); }

}  // namespace game
