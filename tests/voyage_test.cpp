// voyage_test.cpp: the voyage on the map screen: the food clock, stopping and docking, the
// planet screen and leaving it, the enemy patrols, the hover captions, and the menu and
// surrender dialogs.
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "fixture.h"
#include "map/form2.h"
#include "planet/form3.h"
#include "star_map.h"

using game::Form2;
using game::Form3;
using testing_support::GameFixture;
using testing_support::kArrivals;

namespace {

constexpr double kMainTick = 4000, kReserveTick = 5000;

struct Voyage : GameFixture {
    Form2& map = form<Form2>();
    Voyage() { map.Show(); }

    Form3& planet() { return form<Form3>(); }
    // Stops the ship at a position and docks; returns whether the dock button could be used.
    bool dockAt(float left, float top) {
        map.Shape1.Left = left;
        map.Shape1.Top = top;
        host.click(map.Command5);
        return host.click(map.Command10);
    }
    std::vector<std::string> prompts() const {
        std::vector<std::string> p;
        for (auto& b : host.boxes) p.push_back(b.prompt);
        return p;
    }
};

const char* kWarning = "У вас истек основной запас еды";
const char* kDefeat = "У вас кончилась еда и вы проиграли!";

}  // namespace

// ---- The food clock ----

TEST_F(Voyage, MainSupplyTickTable) {
    struct Case {
        const char* food;
        const char* crew;
        const char* after;
        bool warning;
    };
    const Case cases[] = {
        {"1000", "20", "980", false}, {"41", "20", "21", false}, {"40", "20", "20", true},
        {"5", "20", "-15", true},     {"0", "0", "0", true},     {"7", "0", "7", false},
        {"-15", "20", "-35", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.food) + " - " + c.crew);
        host.boxes.clear();
        map.Timer19.Enabled = false;
        map.Timer18.Enabled = false;
        map.Timer18.Enabled = true;
        map.Label16.Visible = map.Label17.Visible = false;
        map.Label6.Caption = c.food;
        map.Label10.Caption = c.crew;
        host.advance(kMainTick);
        EXPECT_EQ(map.Label6.Caption, c.after);
        EXPECT_EQ(host.boxes.size(), c.warning ? 1u : 0u);
        EXPECT_EQ(bool(map.Timer18.Enabled), !c.warning);
        EXPECT_EQ(bool(map.Timer19.Enabled), c.warning);
        EXPECT_EQ(map.Label17.Visible, c.warning);
        if (c.warning) {
            EXPECT_EQ(host.boxes[0].prompt, kWarning);
            EXPECT_EQ(host.boxes[0].title, "Предупреждение");
            EXPECT_EQ(host.boxes[0].style, 24);
        }
    }
}

TEST_F(Voyage, StarvationAfter49MainAnd9ReserveTicks) {
    // While the warning is open the switch has not happened yet.
    host.onBox = [&](const ormal::MessageBox& box) {
        if (box.prompt == kWarning) {
            EXPECT_TRUE(map.Timer18.Enabled);
            EXPECT_FALSE(map.Label16.Visible);
        }
    };
    host.advance(48 * kMainTick);
    EXPECT_EQ(map.Label6.Caption, "40");
    EXPECT_TRUE(host.boxes.empty());
    host.advance(kMainTick);
    EXPECT_EQ(map.Label6.Caption, "20");
    ASSERT_EQ(prompts(), std::vector<std::string>{kWarning});
    EXPECT_TRUE(map.Label16.Visible);
    EXPECT_TRUE(map.Label17.Visible);
    host.advance(8 * kReserveTick);
    EXPECT_EQ(map.Label17.Caption, "40");
    EXPECT_FALSE(app.ended());
    EXPECT_EQ(map.Label6.Caption, "20");  // the main food is not touched meanwhile
    host.advance(kReserveTick);
    EXPECT_EQ(map.Label17.Caption, "20");
    EXPECT_EQ(prompts(), (std::vector<std::string>{kWarning, kDefeat}));
    EXPECT_EQ(host.boxes[1].title, "Планета Ормаль");
    EXPECT_TRUE(app.ended());
}

TEST_F(Voyage, DockingPausesTheClockInEitherPhase) {
    for (bool reserve : {false, true}) {
        SCOPED_TRACE(reserve ? "reserve" : "main");
        if (reserve) {
            host.click(planet().Command1);  // leave
            map.Label6.Caption = "40";
            host.advance(kMainTick);  // the warning: now on the reserve
            ASSERT_TRUE(map.Timer19.Enabled);
            host.advance(kReserveTick);
            ASSERT_EQ(map.Label17.Caption, "180");
        }
        ASSERT_TRUE(dockAt(3480, 5160));
        EXPECT_FALSE(map.Timer18.Enabled);
        EXPECT_FALSE(map.Timer19.Enabled);
        EXPECT_FALSE(map.Label16.Visible);
        EXPECT_FALSE(map.Label17.Visible);
        std::string food = map.Label6.Caption, rest = map.Label17.Caption;
        host.advance(60000);
        EXPECT_EQ(map.Label6.Caption, food);
        EXPECT_EQ(map.Label17.Caption, rest);
    }
}

TEST_F(Voyage, LeavingRestartsTheClock) {
    struct Case {
        const char* food;
        bool warning;
    };
    for (const Case& c : {Case{"25", false}, Case{"20", true}}) {
        SCOPED_TRACE(c.food);
        host.boxes.clear();
        ASSERT_TRUE(dockAt(3480, 5160));
        map.Label17.Caption = "60";
        planet().Label5.Caption = c.food;
        host.click(planet().Command1);
        EXPECT_EQ(map.Label6.Caption, c.food);
        EXPECT_EQ(map.Label17.Caption, "200");  // refilled on both paths
        EXPECT_EQ(bool(map.Timer18.Enabled), !c.warning);
        EXPECT_EQ(bool(map.Timer19.Enabled), c.warning);
        EXPECT_EQ(map.Label16.Visible, c.warning);
        EXPECT_EQ(host.boxes.size(), c.warning ? 1u : 0u);
        if (c.warning) {
            // The reserve counts down again from 200.
            host.advance(kReserveTick);
            EXPECT_EQ(map.Label17.Caption, "180");
            map.Timer19.Enabled = false;
            map.Label16.Visible = map.Label17.Visible = false;
        }
    }
}

// ---- Stopping, arrival and docking ----

TEST_F(Voyage, ArrivalRectangles) {
    struct Case {
        float left, top;
        const char* planet;  // nullptr: no arrival
        bool fortress;
    };
    std::vector<Case> cases = {
        {2520, 4200, "Пасим", true},      {2640, 4320, "Пасим", true},
        {2645, 4200, nullptr, false},     {960, 4920, "Земля", false},
        {3720, 5520, "Земля", false},     {1000, 5000, "Земля", false},
        {3855, 5160, nullptr, false},     {3480, 3120, "Шекарама", true},
        {3480, 1440, "Филий", true},      {1560, 3360, "Карот", true},
        {1200, 1800, "Пардонолия", true}, {5880, 3960, "Дорав", true},
        {6240, 1440, "Миранда", true},    {-500, 99999, nullptr, false},
        {2522.5f, 4200, nullptr, false},  // not a whole twip: no rectangle takes it
    };
    // Every corner of every rectangle, and the nearest position outside it on each side.
    for (const testing_support::Arrival& a : kArrivals) {
        for (float left : {a.leftFrom - 5, a.leftFrom, a.leftTo, a.leftTo + 5}) {
            for (float top : {a.topFrom - 5, a.topFrom, a.topTo, a.topTo + 5}) {
                const testing_support::Arrival* at = testing_support::arrivalAt(left, top);
                cases.push_back({left, top, at ? at->planet : nullptr, at && at->fortress});
            }
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
        // From space each time: a fresh planet screen state is not needed, the title is.
        if (app.exists<Form3>()) planet().Label10.Caption = "";
        for (ormal::CommandButton* b : {&map.Command1, &map.Command2, &map.Command3, &map.Command4,
                                        &map.Command6, &map.Command7, &map.Command8, &map.Command9})
            b->Enabled = true;
        map.Command10.Enabled = false;
        host.click(map.Command4);  // moving: the stop halts it first
        map.Shape1.Left = c.left;
        map.Shape1.Top = c.top;
        host.click(map.Command5);
        EXPECT_FALSE(map.Timer4.Enabled);
        EXPECT_EQ(map.Shape1.Left, c.left);
        EXPECT_EQ(bool(map.Command10.Enabled), c.planet != nullptr);
        EXPECT_EQ(map.Command1.Enabled, c.planet == nullptr);
        EXPECT_EQ(map.Command9.Enabled, c.planet == nullptr);
        if (c.planet) {
            EXPECT_EQ(planet().Label10.Caption, c.planet);
            EXPECT_EQ(planet().Image2.Enabled, c.fortress);
            EXPECT_EQ(planet().Command3.Enabled, c.fortress);
            EXPECT_FALSE(planet().Visible);  // prepared, not shown
        }
    }
}

TEST_F(Voyage, TheFirstStopCreatesThePlanetScreenWithoutShowingIt) {
    EXPECT_FALSE(app.exists<Form3>());
    host.click(map.Command5);  // the ship starts on "Земля"
    ASSERT_TRUE(app.exists<Form3>());
    EXPECT_FALSE(planet().Visible);
    EXPECT_EQ(planet().Picture1.Picture, planet().Picture6.Picture);
    EXPECT_EQ(app.front(), &map);
    // The pad is locked now: an arrow does nothing.
    EXPECT_FALSE(host.click(map.Command1));
    EXPECT_FALSE(map.Timer1.Enabled);
    // A later arrival elsewhere enables the fortress again.
    host.click(planet().Command1);  // never shown yet: the click goes nowhere
    map.Command10.Enabled = false;
    map.Shape1.Left = 2600;
    map.Shape1.Top = 4300;
    host.click(map.Command5);
    EXPECT_TRUE(planet().Image2.Enabled);
    EXPECT_TRUE(planet().Command3.Enabled);
    EXPECT_EQ(planet().Picture1.Picture, planet().Picture4.Picture);
}

TEST_F(Voyage, DockingAndLeavingCopyTheCountersUnchanged) {
    map.Label6.Caption = "-15";
    map.Label8.Caption = "12345";
    ASSERT_TRUE(dockAt(3480, 5160));
    EXPECT_EQ(app.front(), &planet());
    EXPECT_TRUE(map.Visible);
    EXPECT_TRUE(map.Enabled);
    struct Pair {
        ormal::Label& map;
        ormal::Label& planet;
    } pairs[] = {{map.Label5, planet().Label4},
                 {map.Label6, planet().Label5},
                 {map.Label7, planet().Label6},
                 {map.Label8, planet().Label7},
                 {map.Label10, planet().Label3}};
    for (auto& p : pairs) EXPECT_EQ(p.planet.Caption, p.map.Caption) << p.planet.Name;
    const char* changed[] = {"3", "77", "8", "9", "11"};
    for (int i = 0; i < 5; ++i) pairs[i].planet.Caption = changed[i];
    map.Label13.Caption = "42";
    host.boxes.clear();
    host.click(planet().Command1);
    EXPECT_EQ(app.front(), &map);
    EXPECT_TRUE(planet().Visible);  // left behind, not hidden
    for (int i = 0; i < 5; ++i) EXPECT_EQ(pairs[i].map.Caption, changed[i]);
    EXPECT_EQ(map.Label13.Caption, "42");
    EXPECT_FALSE(map.Command10.Enabled);
    EXPECT_TRUE(map.Command1.Enabled);
    EXPECT_TRUE(map.Command9.Enabled);
    // Still on "Земля": a stop there arrives again.
    host.click(map.Command5);
    EXPECT_TRUE(map.Command10.Enabled);
}

TEST_F(Voyage, VictoryNeedsAllFourFragments) {
    ormal::Image* fragments[] = {&map.Image13, &map.Image15, &map.Image16, &map.Image17};
    // Each fragment missing in turn, then none.
    for (int missing = 0; missing <= 4; ++missing) {
        SCOPED_TRACE(missing < 4 ? fragments[missing]->Name + " missing" : "all four");
        for (int i = 0; i < 4; ++i) fragments[i]->Visible = i != missing;
        host.boxes.clear();
        ASSERT_TRUE(dockAt(3480, 5160));
        planet().Label5.Caption = "20";  // food has run out too
        host.click(planet().Command1);
        if (missing < 4) {
            EXPECT_EQ(prompts(), std::vector<std::string>{kWarning});
            EXPECT_FALSE(app.ended());
            map.Timer19.Enabled = false;
        } else {
            EXPECT_EQ(prompts(),
                      (std::vector<std::string>{
                          kWarning, "Победа!!!Мы нашли всю карту и теперь найдем планету!!!"}));
            EXPECT_EQ(app.front(), &map);
            EXPECT_TRUE(app.ended());
        }
    }
}

// ---- Enemy patrols ----

TEST_F(Voyage, CourseTickClampsTheMarkers) {
    struct Case {
        float left, top, toLeft, toTop;
    };
    const Case cases[] = {
        {0, 3000, 120, 3000}, {7200, 3000, 6960, 3000}, {3000, 6240, 3000, 6000},
        {3000, 0, 3000, 120}, {7195, 3000, 7195, 3000}, {-30, 6300, 120, 6000},
        {5, 5, 5, 5},         {8000, -10, 6960, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
        for (ormal::Shape* s : {&map.Shape2, &map.Shape3, &map.Shape4}) {
            s->Left = c.left;
            s->Top = c.top;
        }
        app.random().script({0.55});  // course 4: only Shape2 moves afterwards
        map.Timer17_Timer();
        for (ormal::Shape* s : {&map.Shape2, &map.Shape3, &map.Shape4}) {
            EXPECT_EQ(s->Left, c.toLeft) << s->Name;
            EXPECT_EQ(s->Top, c.toTop) << s->Name;
        }
    }
}

TEST_F(Voyage, EachCourseMovesEachMarkerItsOwnWay) {
    // Per course, the way Shape2, Shape3 and Shape4 go: five twips on each axis named.
    enum Way { Still, Up, Down, Left, Right, UpLeft, UpRight, DownLeft, DownRight };
    const Way courses[8][3] = {
        {Up, Left, UpLeft},           {Left, Down, Up},        {Down, Right, Still},
        {Right, UpRight, Down},       {UpRight, Still, Still}, {DownRight, DownLeft, UpRight},
        {DownLeft, Still, DownRight}, {UpLeft, Up, DownLeft},
    };
    auto dx = [](Way w) {
        return w == Left || w == UpLeft || w == DownLeft      ? -5.0f
               : w == Right || w == UpRight || w == DownRight ? 5.0f
                                                              : 0.0f;
    };
    auto dy = [](Way w) {
        return w == Up || w == UpLeft || w == UpRight         ? -5.0f
               : w == Down || w == DownLeft || w == DownRight ? 5.0f
                                                              : 0.0f;
    };
    auto patrol = testing_support::patrolTimers(map);
    ormal::Shape* ships[] = {&map.Shape2, &map.Shape3, &map.Shape4};
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        for (ormal::Shape* s : ships) s->Left = s->Top = 3000;
        app.random().script({(k + 0.5) / 8});
        map.Timer17_Timer();
        for (int i = 0; i < 8; ++i) EXPECT_EQ(bool(patrol[i]->Enabled), i == k);
        float before[3][2];
        for (int i = 0; i < 3; ++i) before[i][0] = ships[i]->Left, before[i][1] = ships[i]->Top;
        patrol[k]->OnTimer();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(ships[i]->Left, before[i][0] + dx(courses[k][i])) << i;
            EXPECT_EQ(ships[i]->Top, before[i][1] + dy(courses[k][i])) << i;
        }
    }
}

TEST_F(Voyage, PatrolsStartAfterHalfASecondAndNeverStop) {
    auto running = [&] {
        int n = 0;
        for (auto* t : testing_support::patrolTimers(map)) n += bool(t->Enabled);
        return n;
    };
    host.advance(484);
    EXPECT_EQ(running(), 0);
    EXPECT_EQ(map.Shape2.Left, 720);
    host.advance(16);
    EXPECT_EQ(running(), 1);
    // On through docking, the menu and a long voyage: always exactly one course.
    ASSERT_TRUE(dockAt(3480, 5160));
    for (int i = 0; i < 40; ++i) {
        host.advance(250);
        ASSERT_EQ(running(), 1);
    }
}

// ---- Hover captions and the menu ----

TEST_F(Voyage, HoverCaptions) {
    struct Case {
        ormal::Control& over;
        ormal::Label& caption;
        const char* text;
    };
    const Case cases[] = {
        {map.Image1, map.Label1, "Пардонолия "},
        {map.Image2, map.Label1, "Карот "},
        {map.Image3, map.Label1, "Пасим "},
        {map.Image4, map.Label1, "Земля "},
        {map.Image5, map.Label1, "Шекарама "},
        {map.Image6, map.Label1, "Филий "},
        {map.Image7, map.Label1, "Миранда "},
        {map.Image8, map.Label1, "Дорав "},
        {map.Image9, map.Label11, "Количество Пушек"},
        {map.Image10, map.Label11, "Количество Еды"},
        {map.Image11, map.Label11, "Количество Товаров"},
        {map.Image12, map.Label11, "Количество Золота"},
        {map.Image14, map.Label11, "Количество Экипажа"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(host.move(c.over)) << c.over.Name;
        EXPECT_EQ(c.caption.Caption, c.text);
    }
    // The label grows with its text.
    double w, h;
    map.Label1.extent(&renderer, w, h);
    EXPECT_GT(w, 600);
    // Each caption is cleared only by its own background.
    host.move(map.Image4);
    host.move(map.Image9);
    host.move(map.Picture1);  // the star map clears the planet, not the counter caption
    EXPECT_EQ(map.Label1.Caption, "");
    EXPECT_EQ(map.Label11.Caption, "Количество Пушек");
    host.move(map.Image4);
    host.move(map.Label12);  // a label: nothing changes
    host.move(map.Command1);
    EXPECT_EQ(map.Label1.Caption, "Земля ");
    host.moveTo(100, 11000);  // the screen's own background
    EXPECT_EQ(map.Label11.Caption, "");
    EXPECT_EQ(map.Label1.Caption, "Земля ");
    // The ship marker is a shape: the pointer over it counts as the star map.
    map.Shape1.Left = 4500;
    map.Shape1.Top = 4500;
    host.move(map.Shape1);
    EXPECT_EQ(map.Label1.Caption, "");
    host.move(map.Shape9);  // a panel shape: the screen's background
    host.move(map.Image10);
    host.move(map.Shape9);
    EXPECT_EQ(map.Label11.Caption, "");
}

TEST_F(Voyage, MenuAndSurrenderStates) {
    auto& menu = form<game::Form5>();
    ASSERT_TRUE(host.click(map.Command12));
    EXPECT_FALSE(map.Enabled);
    EXPECT_EQ(app.front(), &menu);
    // The map screen takes no input now, and the game runs on behind the dialog.
    EXPECT_FALSE(host.click(map.Command12));
    host.move(map.Image4);
    EXPECT_EQ(map.Label1.Caption, "");
    host.advance(kMainTick);
    EXPECT_EQ(map.Label6.Caption, "980");

    auto& surrender = form<game::Form4>();
    ASSERT_TRUE(host.click(menu.Command2));  // "Выход"
    EXPECT_EQ(app.front(), &surrender);
    EXPECT_FALSE(menu.Enabled);
    EXPECT_FALSE(host.click(menu.Command1));
    ASSERT_TRUE(host.click(surrender.Command2));  // "НЕТ"
    EXPECT_EQ(app.front(), &menu);
    EXPECT_FALSE(surrender.Visible);
    EXPECT_TRUE(menu.Enabled);
    ASSERT_TRUE(host.click(menu.Command1));  // "Вернуться в игру"
    EXPECT_EQ(app.front(), &map);
    EXPECT_TRUE(map.Enabled);
    EXPECT_TRUE(menu.Visible && menu.Enabled);  // covered, not hidden

    // Again: the same two windows, none created twice.
    std::size_t forms = app.forms().size();
    for (int round = 0; round < 3; ++round) {
        host.click(map.Command12);
        host.click(menu.Command2);
        host.click(surrender.Command2);
        host.click(menu.Command1);
    }
    EXPECT_EQ(app.forms().size(), forms);
    EXPECT_FALSE(app.ended());
    host.click(map.Command12);
    host.click(menu.Command2);
    ASSERT_TRUE(host.click(surrender.Command1));  // "ДА"
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Voyage, StarvationEndsTheGameEvenBehindTheDialogs) {
    host.click(map.Command12);
    host.click(form<game::Form5>().Command2);
    map.Label6.Caption = "40";
    host.advance(kMainTick + 9 * kReserveTick);
    EXPECT_EQ(prompts(), (std::vector<std::string>{kWarning, kDefeat}));
    EXPECT_TRUE(app.ended());
}

TEST_F(Voyage, PlanetScreenHintsAndPreviews) {
    ASSERT_TRUE(dockAt(2520, 4200));  // "Пасим", with a fortress
    Form3& p = planet();
    EXPECT_TRUE(p.Image3.Visible);
    EXPECT_TRUE(p.Image3.Picture.empty());
    host.move(p.Command2);
    EXPECT_EQ(p.Label9.Caption, "Поторгуем?");
    host.move(p.Label8);  // onto the prompt: the hint stays
    EXPECT_EQ(p.Label9.Caption, "Поторгуем?");
    host.move(p.Command3);
    EXPECT_EQ(p.Label9.Caption, "Поваюем!");
    host.moveTo(14000, 11000);
    EXPECT_EQ(p.Label9.Caption, "");
    ASSERT_TRUE(host.move(p.Image1));
    EXPECT_EQ(p.Image3.Picture, p.Picture11.Picture);
    EXPECT_EQ(p.Label1.Caption, "Торговый центр");
    ASSERT_TRUE(host.move(p.Image2));
    EXPECT_EQ(p.Image3.Picture, p.Picture10.Picture);
    EXPECT_EQ(p.Label1.Caption, "Вражеская крепость");
    host.moveTo(14000, 11000);  // the background does not clear the preview
    EXPECT_TRUE(p.Image3.Visible);
    host.moveTo(p.Left + 3240 + 4000, 1560 + 6000);  // the surface view off the hotspots
    EXPECT_FALSE(p.Image3.Visible);
    EXPECT_EQ(p.Label1.Caption, "");

    // On "Земля" the fortress and the attack button take no pointer of their own.
    host.click(p.Command1);
    ASSERT_TRUE(dockAt(3480, 5160));
    host.move(p.Command3);
    EXPECT_EQ(p.Label9.Caption, "");
    EXPECT_FALSE(host.move(p.Image2));
    EXPECT_EQ(p.Label1.Caption, "");
    EXPECT_FALSE(p.Image3.Visible);
    EXPECT_FALSE(host.click(p.Command3));
}

TEST_F(Voyage, KeysStandForTheirButtonsOnly) {
    using ormal::Key;
    EXPECT_TRUE(app.key(Key::Keypad8));  // up
    host.advance(15.625);
    EXPECT_EQ(map.Shape1.Top, 5155);
    EXPECT_FALSE(app.key(Key::Enter));    // the dock button is not lit yet
    EXPECT_TRUE(app.key(Key::Keypad5));   // stop: still on "Земля"
    EXPECT_FALSE(app.key(Key::Keypad4));  // the pad is locked
    EXPECT_TRUE(app.key(Key::Enter));     // dock
    EXPECT_EQ(app.front(), &planet());
    EXPECT_FALSE(app.key(Key::Keypad5));  // the map screen is not in front
    host.click(planet().Command1);
    host.click(map.Command12);  // the menu: the map screen takes no input
    EXPECT_FALSE(app.key(Key::Keypad8));
    EXPECT_FALSE(map.Timer1.Enabled);
}
