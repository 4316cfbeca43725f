// battle_test.cpp: the fortress: entering it from the planet screen, the dice duel, the
// outcome window and its "Ok", the fragment of "Пардонолия", and the screen as drawn.

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "battle/form7.h"
#include "battle/form8.h"
#include "fixture.h"
#include "map/form2.h"
#include "planet/form3.h"
#include "star_map.h"

using game::Form2;
using game::Form3;
using game::Form7;
using game::Form8;
using testing_support::GameFixture;

namespace {

// Scripted draws: the enemy crew's base + extra, a die showing pips, a ransom of r.
double enemy(int extra) {
    return (extra + 0.5) / 10;
}
double die(int pips) {
    return (pips - 0.5) / 6;
}
double ransom(int r) {
    return (r - 200 + 0.5) / 80;
}

const char* const kRansom =
    "Вы не можите присвоить себе крепость, но враг требует за неё выкуп в размере";
const char* const kDefeat =
    "Ваша команда перебита и вас берут в плен, забирают всё ваше золото, и вскоре отпускают";
const char* const kFragment = "В этой крепости вы обнаружили один из фрагментов карты";

struct Battle : GameFixture {
    Form2& map = form<Form2>();

    Battle() { map.Show(); }
    Form3& planet() { return form<Form3>(); }
    Form7& fort() { return form<Form7>(); }
    Form8& window() { return form<Form8>(); }

    // Stops the ship on the planet and docks, with the map's crew set first if given.
    void dock(const std::string& name, const char* crew = nullptr) {
        if (crew) map.Label10.Caption = crew;
        // The top left corner of its arrival rectangle.
        map.Shape1.Left = testing_support::arrival(name).leftFrom;
        map.Shape1.Top = testing_support::arrival(name).topFrom;
        EXPECT_TRUE(host.click(map.Command5));
        EXPECT_TRUE(host.click(map.Command10));
        EXPECT_EQ(planet().Label10.Caption, name);
    }
    // The planet screen's attack button, the enemy crew drawn as base + extra.
    void enter(int extra) {
        app.random().script({enemy(extra)});
        EXPECT_TRUE(host.click(planet().Command3));
        EXPECT_EQ(app.front(), &fort());
    }
    void attack() { EXPECT_TRUE(host.click(fort().Command2)); }
    void roll(int mine, int theirs, std::optional<int> r = {}) {
        std::vector<double> draws = {die(mine), die(theirs)};
        if (r) draws.push_back(ransom(*r));  // drawn by the "Резня" that wins
        app.random().script(draws);
        EXPECT_TRUE(host.click(fort().Command1));
    }
    void massacre() { EXPECT_TRUE(host.click(fort().Command4)); }
    void turn(int mine, int theirs, std::optional<int> r = {}) {
        roll(mine, theirs, r);
        massacre();
    }
    void ok() { EXPECT_TRUE(host.click(window().Command1)); }
    void leave() { EXPECT_TRUE(host.click(planet().Command1)); }

    // What the battle screen shows of its controls that come and go.
    std::string shown() {
        Form7& f = fort();
        std::string s;
        auto add = [&](bool on, const char* what) {
            if (!on) return;
            if (!s.empty()) s += ' ';
            s += what;
        };
        add(f.Command2.Visible, "Напасть");
        add(f.Command3.Visible, "Не нападать");
        add(f.Command1.Visible && f.Command1.Enabled, "Бросить");
        add(f.Command1.Visible && !f.Command1.Enabled, "Бросить(disabled)");
        add(f.Command4.Visible, "Резня");
        add(f.Label11.Visible, "Разница");
        add(f.Label12.Visible, "difference");
        add(f.Label13.Visible, "Численность");
        add(f.Label15.Visible, "mine");
        add(f.Label14.Visible, "Численность");
        add(f.Label16.Visible, "theirs");
        add(!f.Enabled, "(screen disabled)");
        return s;
    }
};

}  // namespace

// The worked turn, then a second turn fought with the fighters left, to victory.
TEST_F(Battle, ScriptedDuel) {
    dock("Пасим");
    auto draws = app.random().draws();
    enter(5);
    EXPECT_EQ(app.random().draws() - draws, 1u);
    Form7& f = fort();
    EXPECT_EQ(f.Label3.Caption, "20");
    EXPECT_EQ(f.Label8.Caption, "35");
    EXPECT_EQ(f.Image1.Picture, f.Picture9.Picture);
    // Nothing rolled yet in the first battle.
    EXPECT_TRUE(f.Picture7.Picture.empty());
    EXPECT_TRUE(f.Picture8.Picture.empty());
    EXPECT_EQ(f.Label4.Caption, "");
    EXPECT_EQ(f.Label10.Caption, "");

    attack();
    EXPECT_EQ(f.Label15.Caption, "20");
    EXPECT_EQ(f.Label16.Caption, "35");

    draws = app.random().draws();
    roll(4, 2);
    EXPECT_EQ(app.random().draws() - draws, 2u);
    EXPECT_EQ(f.Picture7.Picture, f.Picture4.Picture);
    EXPECT_EQ(f.Picture8.Picture, f.Picture2.Picture);
    EXPECT_EQ(f.Label4.Caption, "60");
    EXPECT_EQ(f.Label10.Caption, "55");

    draws = app.random().draws();
    massacre();
    EXPECT_EQ(app.random().draws(), draws);  // no outcome, no ransom drawn
    EXPECT_EQ(f.Label12.Caption, "5");
    EXPECT_EQ(f.Label16.Caption, "30");
    EXPECT_EQ(f.Label15.Caption, "20");
    EXPECT_EQ(f.Label3.Caption, "20");
    EXPECT_EQ(f.Label8.Caption, "30");
    EXPECT_FALSE(f.Command4.Visible);
    EXPECT_TRUE(f.Command1.Enabled);

    // The enemy's strength is now 1 * 10 + 30: the turn costs it 40 of its 30.
    roll(6, 1, 235);
    EXPECT_EQ(f.Label4.Caption, "80");
    EXPECT_EQ(f.Label10.Caption, "40");
    massacre();
    EXPECT_EQ(f.Label12.Caption, "40");
    EXPECT_EQ(f.Label16.Caption, "-10");
    EXPECT_EQ(f.Label8.Caption, "-10");
    EXPECT_EQ(app.front(), &window());
    EXPECT_EQ(window().Label1.Caption, "Победа!!!");
    EXPECT_TRUE(host.boxes.empty());
}

// Single turns: equal strengths, a crew of nobody, a head-count driven below zero, a
// head-count brought exactly to zero.
TEST_F(Battle, TurnEdges) {
    struct Case {
        const char* what;
        const char* planet;
        const char* crew;
        int extra, mine, theirs;
        const char* difference;
        const char* myCount;
        const char* theirCount;
        const char* outcome;  // "" while the battle goes on
    } cases[] = {
        {"equal strengths", "Пасим", "20", 0, 3, 2, "0", "20", "30", ""},
        {"no crew, turn won", "Пасим", "0", 0, 6, 1, "20", "0", "10", "Поражение!!!"},
        {"no crew, turn lost", "Пасим", "0", 0, 1, 6, "80", "-80", "30", "Поражение!!!"},
        {"below zero", "Шекарама", "5", 7, 6, 1, "12", "-7", "67", "Поражение!!!"},
        {"exactly zero", "Пасим", "20", 0, 5, 1, "30", "20", "0", "Победа!!!"},
        {"one turn short", "Пасим", "20", 6, 6, 1, "34", "20", "2", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dock(c.planet, c.crew);
        enter(c.extra);
        attack();
        turn(c.mine, c.theirs, 250);
        Form7& f = fort();
        EXPECT_EQ(f.Label12.Caption, c.difference);
        EXPECT_EQ(f.Label15.Caption, c.myCount);
        EXPECT_EQ(f.Label16.Caption, c.theirCount);
        EXPECT_EQ(f.Label3.Caption, c.myCount);
        EXPECT_EQ(f.Label8.Caption, c.theirCount);
        if (*c.outcome) {
            EXPECT_EQ(app.front(), &window());
            EXPECT_FALSE(f.Enabled);
            EXPECT_EQ(window().Label1.Caption, c.outcome);
            EXPECT_EQ(window().Label2.Caption, std::string(c.outcome) == "Победа!!!"
                                                   ? std::string(kRansom) + "250золотых"
                                                   : std::string(kDefeat));
            ok();
        } else {
            // The player rolls again.
            EXPECT_EQ(app.front(), &f);
            EXPECT_TRUE(f.Enabled);
            EXPECT_EQ(shown(), "Бросить Разница difference Численность mine Численность theirs");
            // Finish the battle so that the next case starts from the planet screen.
            for (int i = 0; i < 5 && app.front() == &f; ++i) turn(6, 1, 200);
            ok();
        }
        leave();
    }
}

// The ransom goes into the planet screen's gold copy at once, glued into the outcome text,
// and reaches the map screen when the ship leaves.
TEST_F(Battle, Ransom) {
    struct Case {
        double draw;
        const char* amount;
        const char* gold;
    } cases[] = {{ransom(235), "235", "255"},
                 {0.0, "200", "220"},
                 {double(std::nextafter(1.0f, 0.0f)), "279", "299"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        map.Label8.Caption = "20";
        dock("Пасим");
        enter(0);
        attack();
        app.random().script({die(6), die(1), c.draw});
        EXPECT_TRUE(host.click(fort().Command1));
        massacre();
        EXPECT_EQ(window().Label2.Caption, std::string(kRansom) + c.amount + "золотых");
        EXPECT_EQ(planet().Label7.Caption, c.gold);
        ok();
        EXPECT_EQ(planet().Label7.Caption, c.gold);
        leave();
        EXPECT_EQ(map.Label8.Caption, c.gold);
        EXPECT_EQ(map.Label10.Caption, "20");
    }
    EXPECT_TRUE(host.boxes.empty());
}

// Each fortress's commander and enemy crew, drawn anew at every entry, also after declining.
TEST_F(Battle, FortressFigures) {
    struct Row {
        const char* planet;
        ormal::PictureBox Form7::*portrait;
        int base;
    } rows[] = {{"Пасим", &Form7::Picture9, 30},       {"Карот", &Form7::Picture10, 40},
                {"Дорав", &Form7::Picture11, 50},      {"Шекарама", &Form7::Picture12, 60},
                {"Пардонолия", &Form7::Picture13, 80}, {"Миранда", &Form7::Picture14, 70},
                {"Филий", &Form7::Picture15, 30}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.planet);
        dock(r.planet, "17");
        enter(0);
        Form7& f = fort();
        EXPECT_EQ(f.Image1.Picture, (f.*r.portrait).Picture);
        EXPECT_FALSE(f.Image1.Picture.empty());
        EXPECT_EQ(f.Label8.Caption, std::to_string(r.base));
        EXPECT_EQ(f.Label3.Caption, "17");
        EXPECT_TRUE(host.click(f.Command3));  // "Не нападать "
        EXPECT_EQ(app.front(), &planet());
        enter(9);
        EXPECT_EQ(f.Label8.Caption, std::to_string(r.base + 9));
        EXPECT_EQ(shown(), "Напасть Не нападать Численность mine Численность theirs");
        EXPECT_TRUE(host.click(f.Command3));
        leave();
    }
}

// The fragment of "Пардонолия": the first victory there shows the message box over the
// outcome window and then the fragment; later victories there, and any elsewhere, pay only.
TEST_F(Battle, FragmentAtPardonolia) {
    bool boxOverWindow = false, hiddenDuringBox = false;
    host.onBox = [&](const ormal::MessageBox&) {
        boxOverWindow = app.front() == &window() && window().Label1.Caption == "Победа!!!";
        hiddenDuringBox = !map.Image16.Visible;
    };
    struct Row {
        const char* planet;
        std::size_t boxes;
        bool fragment;
    } rows[] = {{"Пасим", 0, false},    {"Карот", 0, false},     {"Дорав", 0, false},
                {"Шекарама", 0, false}, {"Пардонолия", 1, true}, {"Миранда", 1, true},
                {"Филий", 1, true},     {"Пардонолия", 1, true}};
    int gold = 20;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.planet);
        dock(r.planet, "200");
        enter(0);
        attack();
        turn(1, 1, 210);
        gold += 210;
        EXPECT_EQ(planet().Label7.Caption, std::to_string(gold));
        EXPECT_EQ(host.boxes.size(), r.boxes);
        EXPECT_EQ(map.Image16.Visible, r.fragment);
        ok();
        leave();
    }
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].prompt, kFragment);
    EXPECT_EQ(host.boxes[0].style, 0);
    EXPECT_EQ(host.boxes[0].title, game::kTitle);
    EXPECT_TRUE(boxOverWindow);
    EXPECT_TRUE(hiddenDuringBox);
    for (ormal::Image* other : {&map.Image13, &map.Image15, &map.Image17})
        EXPECT_FALSE(other->Visible);
}

// "Ok" returns to the planet screen with the battle screen ready for the next battle; a
// defeat takes the crew and all gold, and leaving hands that to the map screen.
TEST_F(Battle, AfterOk) {
    struct Case {
        const char* what;
        int mine, theirs;
        const char* crew;
        const char* gold;
    } cases[] = {{"victory", 6, 1, "20", "240"}, {"defeat", 1, 6, "0", "0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        map.Label8.Caption = "20";
        map.Label10.Caption = "20";
        dock("Пасим");
        enter(0);
        attack();
        turn(c.mine, c.theirs, 220);
        EXPECT_EQ(planet().Label3.Caption, "20");  // the crew goes only at "Ok"
        ok();
        EXPECT_EQ(app.front(), &planet());
        EXPECT_TRUE(fort().Enabled);
        EXPECT_TRUE(window().Visible);  // left open behind, unseen
        EXPECT_EQ(shown(), "Напасть Не нападать Разница difference");
        EXPECT_EQ(fort().Label12.Caption, "");
        EXPECT_EQ(planet().Label3.Caption, c.crew);
        EXPECT_EQ(planet().Label7.Caption, c.gold);
        EXPECT_EQ(planet().Label4.Caption, "14");
        EXPECT_EQ(planet().Label5.Caption, "1000");
        EXPECT_EQ(planet().Label6.Caption, "60");
        // Entered again, the screen still offers the battle as "Ok" left it.
        enter(3);
        EXPECT_EQ(shown(), "Напасть Не нападать Разница difference");
        EXPECT_EQ(fort().Label3.Caption, c.crew);
        EXPECT_TRUE(host.click(fort().Command3));
        leave();
        EXPECT_EQ(map.Label10.Caption, c.crew);
        EXPECT_EQ(map.Label8.Caption, c.gold);
        EXPECT_EQ(map.Label5.Caption, "14");
    }
}

// The states of a battle, step by step, with what the player can press in each.
TEST_F(Battle, States) {
    dock("Пасим");
    enter(9);  // enemy 39
    Form7& f = fort();
    struct Step {
        const char* state;
        std::function<void()> action;
        const char* shown;
        ormal::Form* front;
    };
    ormal::Form* battle = &f;
    ormal::Form* message = &window();
    ormal::Form* surface = &planet();
    Step steps[] = {
        {"Offer at creation", [] {}, "Напасть Не нападать Численность mine Численность theirs",
         battle},
        {"Offer, declined", [&] { EXPECT_TRUE(host.click(f.Command3)); },
         "Напасть Не нападать Численность mine Численность theirs", surface},
        {"Offer, entered again", [&] { enter(0); },
         "Напасть Не нападать Численность mine Численность theirs", battle},
        {"Rolling", [&] { attack(); },
         "Бросить Разница difference Численность mine Численность theirs", battle},
        {"Rolled", [&] { roll(2, 1); },  // 40 against 40: equal
         "Бросить(disabled) Резня Разница difference Численность mine Численность theirs", battle},
        {"Rolling again", [&] { massacre(); },
         "Бросить Разница difference Численность mine Численность theirs", battle},
        {"Rolled again", [&] { roll(1, 6); },  // 30 against 90
         "Бросить(disabled) Резня Разница difference Численность mine Численность theirs", battle},
        {"Outcome", [&] { massacre(); },
         "Бросить Разница difference Численность mine Численность theirs (screen disabled)",
         message},
        {"Offer after a battle", [&] { ok(); }, "Напасть Не нападать Разница difference", surface},
    };
    for (Step& s : steps) {
        SCOPED_TRACE(s.state);
        s.action();
        EXPECT_EQ(shown(), s.shown);
        EXPECT_EQ(app.front(), s.front);
    }
    // The guards: only the shown, enabled buttons of the front screen take a click.
    EXPECT_FALSE(host.click(f.Command2));  // the planet screen covers the battle screen
    enter(0);
    attack();
    roll(1, 6);
    EXPECT_FALSE(host.click(f.Command1));  // rolled: disabled until "Резня"
    massacre();
    EXPECT_FALSE(host.click(f.Command1));  // outcome: the battle screen is disabled
    EXPECT_FALSE(f.Command4.Visible);
}

// Entering the same fortress after a won battle: the crew is the planet screen's, not the
// fighters left; the portrait stays; a new enemy crew is drawn; the last dice and strengths
// stay until the first roll.
TEST_F(Battle, EnteringAgain) {
    dock("Пасим");
    enter(0);
    attack();
    turn(3, 3);       // 50 against 60: ten fighters lost
    turn(6, 1, 205);  // 70 against 40: the enemy's 30 fall
    Form7& f = fort();
    EXPECT_EQ(f.Label3.Caption, "10");
    ok();
    enter(9);
    EXPECT_EQ(f.Label3.Caption, "20");
    EXPECT_EQ(f.Label8.Caption, "39");
    EXPECT_EQ(f.Image1.Picture, f.Picture9.Picture);
    EXPECT_EQ(f.Picture7.Picture, f.Picture6.Picture);
    EXPECT_EQ(f.Picture8.Picture, f.Picture1.Picture);
    EXPECT_EQ(f.Label4.Caption, "70");
    EXPECT_EQ(f.Label10.Caption, "40");
    attack();
    EXPECT_EQ(f.Label15.Caption, "20");
    EXPECT_EQ(f.Label16.Caption, "39");
    EXPECT_EQ(f.Label12.Caption, "");
}

TEST_F(Battle, DrawnAsLaidOut) {
    dock("Филий");
    enter(1);
    attack();
    roll(6, 1, 235);
    {
        testing_support::Snapshot shot(app, renderer);
        shot.save("battle-screen");
        EXPECT_EQ(shot.pixel(2, 700), 0xFFC080u);    // the screen's background
        EXPECT_EQ(shot.pixel(100, 300), 0xFFFFC0u);  // inside the player panel
        // The die boxes show their faces, not the empty box colour.
        EXPECT_NE(shot.pixel(1800 / 15 + 32, 2280 / 15 + 32), 0xA59554u);
        EXPECT_NE(shot.pixel(8520 / 15 + 32, 2280 / 15 + 32), 0xA59554u);
    }
    massacre();  // 60 + 20 against 10 + 31: won
    ASSERT_EQ(app.front(), &window());
    testing_support::Snapshot shot(app, renderer);
    shot.save("battle-outcome");
    EXPECT_EQ(shot.pixel((2130 + 200) / 15, (1950 + 5000) / 15), 0xFFE0C0u);  // the window
}
