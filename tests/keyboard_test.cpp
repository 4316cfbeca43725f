// keyboard_test.cpp: the game without a mouse, and the window's close button. The focus
// rectangle moves over the front screen's usable buttons in reading order, Enter and Space
// press the focused one, the arrow keys steer, and every key acts only as a click a player
// could make. Closing the window asks before it throws a voyage away.
#include <functional>
#include <string>
#include <vector>

#include "battle/form7.h"
#include "battle/form8.h"
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "fixture.h"
#include "intro/form1.h"
#include "map/form2.h"
#include "planet/form3.h"
#include "star_map.h"
#include "trade/form6.h"

using ormal::CommandButton;
using ormal::Key;
using testing_support::GameFixture;

namespace {

struct Keyboard : GameFixture {
    game::Form2& map() { return form<game::Form2>(); }
    game::Form3& planet() { return form<game::Form3>(); }
    game::Form5& menu() { return form<game::Form5>(); }
    game::Form4& surrender() { return form<game::Form4>(); }

    void toMap() {
        game::start(app);
        map().Show();
    }
    // Stopped and docked at a planet: the ship set down in its arrival rectangle.
    void dockAt(float left, float top) {
        toMap();
        map().Shape1.Left = left;
        map().Shape1.Top = top;
        host.click(map().Command5);
        host.click(map().Command10);
        ASSERT_EQ(app.front(), &planet());
    }
    void dockAtZemlya() { dockAt(3480, 5160); }
    void dockAtPasim() {
        const testing_support::Arrival& pasim = testing_support::arrival("Пасим");
        dockAt(pasim.leftFrom, pasim.topFrom);
    }
    void openMenu() {
        toMap();
        host.click(map().Command12);
    }
    // The buttons Tab visits, from nothing focused until it comes round again.
    std::vector<std::string> tabRound() {
        std::vector<std::string> names;
        for (int i = 0; i < 40; ++i) {
            app.key(Key::Tab);
            const CommandButton* b = app.focused();
            if (!b) return {"(nothing focused)"};
            if (!names.empty() && b->Name == names.front()) break;
            names.push_back(b->Name);
        }
        return names;
    }
    ormal::Timer* heading() {
        for (ormal::Timer* t : testing_support::movementTimers(map()))
            if (t->Enabled) return t;
        return nullptr;
    }
};

// A fresh game for each case of a table.
struct FreshGame : Keyboard {
    void TestBody() override {}
};

struct Screen {
    const char* name;
    std::function<void(Keyboard&)> setUp;
    std::vector<std::string> order;
};

struct FocusOrder : Keyboard, ::testing::WithParamInterface<Screen> {};

}  // namespace

TEST_P(FocusOrder, TabVisitsTheFrontScreensUsableButtonsInReadingOrder) {
    GetParam().setUp(*this);
    EXPECT_EQ(app.focused(), nullptr) << "a focus rectangle before the first Tab";
    EXPECT_EQ(tabRound(), GetParam().order);
    // Shift+Tab goes round the other way, back to where the round began.
    std::vector<std::string> back;
    for (std::size_t i = 0; i < GetParam().order.size(); ++i) {
        app.key(Key::Tab, true);
        back.insert(back.begin(), app.focused()->Name);
    }
    EXPECT_EQ(back, GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FocusOrder,
    ::testing::Values(
        Screen{"IntroAtTheStart", [](Keyboard& k) { game::start(k.app); }, {"Command1"}},
        // The fire button above the pad, the pad row by row, then "Меню"; the dock button is
        // not lit in space.
        Screen{"MapInSpace",
               [](Keyboard& k) { k.toMap(); },
               {"Command11", "Command9", "Command1", "Command6", "Command2", "Command5", "Command4",
                "Command8", "Command3", "Command7", "Command12"}},
        // Stopped on a planet the arrows are locked and the dock button is lit.
        Screen{"MapArrived",
               [](Keyboard& k) {
                   k.toMap();
                   k.host.click(k.map().Command5);
               },
               {"Command10", "Command11", "Command5", "Command12"}},
        Screen{"PlanetWithoutAFortress",
               [](Keyboard& k) { k.dockAtZemlya(); },
               {"Command2", "Command1"}},
        Screen{"PlanetWithAFortress",
               [](Keyboard& k) { k.dockAtPasim(); },
               {"Command2", "Command3", "Command1"}},
        Screen{"TradeCentre",
               [](Keyboard& k) {
                   k.dockAtZemlya();
                   k.host.click(k.planet().Command2);
               },
               {"Command15", "Command10", "Command11", "Command9", "Command13"}},
        Screen{"Fortress",
               [](Keyboard& k) {
                   k.dockAtPasim();
                   k.host.click(k.planet().Command3);
               },
               {"Command3", "Command2"}},
        Screen{"Menu", [](Keyboard& k) { k.openMenu(); }, {"Command1", "Command2"}},
        Screen{"SurrenderQuestion",
               [](Keyboard& k) {
                   k.openMenu();
                   k.host.click(k.menu().Command2);
               },
               {"Command1", "Command2"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Keyboard, EnterAndSpacePressTheFocusedButtonInsteadOfTheirShortcuts) {
    toMap();
    // Without a focus rectangle Space is the stop button: on "Земля" it arrives.
    EXPECT_TRUE(app.key(Key::Space));
    EXPECT_TRUE(map().Command10.Enabled);
    // Once Tab has shown the focus, Space presses the focused button instead.
    app.key(Key::Tab);  // the dock button, first in reading order now
    ASSERT_EQ(app.focused(), &map().Command10);
    app.key(Key::Tab);  // the fire button
    app.key(Key::Tab);  // the stop button
    app.key(Key::Tab);  // "Меню"
    ASSERT_EQ(app.focused(), &map().Command12);
    EXPECT_TRUE(app.key(Key::Space));
    EXPECT_EQ(app.front(), &menu());
    EXPECT_FALSE(map().Enabled);
    // The menu has no focus yet; Enter then has no button to press there.
    EXPECT_EQ(app.focused(), nullptr);
    EXPECT_FALSE(app.key(Key::Enter));
    app.key(Key::Tab);
    ASSERT_EQ(app.focused(), &menu().Command1);  // "Вернуться в игру"
    EXPECT_TRUE(app.key(Key::Enter));
    EXPECT_EQ(app.front(), &map());
    EXPECT_TRUE(map().Enabled);
}

TEST_F(Keyboard, FocusSkipsWhatCannotBeClicked) {
    toMap();
    app.key(Key::Tab);
    app.key(Key::Tab);
    ASSERT_EQ(app.focused(), &map().Command9);  // the up-left arrow
    // The stop on "Земля" locks the arrows: the rectangle goes, and Tab starts afresh on
    // what can be clicked.
    host.click(map().Command5);
    EXPECT_EQ(app.focused(), nullptr);
    app.key(Key::Tab);
    EXPECT_EQ(app.focused(), &map().Command10);
    // A hidden button and a disabled screen take no focus.
    map().Command10.Visible = false;
    EXPECT_EQ(app.focused(), nullptr);
    app.key(Key::Tab);
    EXPECT_EQ(app.focused(), &map().Command11);
    map().Enabled = false;
    EXPECT_EQ(app.focused(), nullptr);
    EXPECT_FALSE(app.key(Key::Tab));
    EXPECT_EQ(app.focused(), nullptr);
}

TEST_F(Keyboard, ArrowKeysSteerInEightDirections) {
    toMap();
    game::Form2& m = map();
    struct Case {
        std::vector<Key> held;  // pressed in this order and held
        ormal::Timer& timer;
    } cases[] = {
        {{Key::Up}, m.Timer1},
        {{Key::Left}, m.Timer2},
        {{Key::Down}, m.Timer3},
        {{Key::Right}, m.Timer4},
        {{Key::Up, Key::Right}, m.Timer5},
        {{Key::Right, Key::Up}, m.Timer5},
        {{Key::Down, Key::Right}, m.Timer6},
        {{Key::Left, Key::Down}, m.Timer7},
        {{Key::Up, Key::Left}, m.Timer8},
        {{Key::Keypad9}, m.Timer5},
        {{Key::Keypad1}, m.Timer7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.timer.Name);
        for (Key k : c.held) EXPECT_TRUE(app.keyDown(k));
        for (Key k : c.held) app.keyUp(k);
        EXPECT_EQ(heading(), &c.timer);
        float left = m.Shape1.Left, top = m.Shape1.Top;
        host.advance(15.625);
        EXPECT_NE(std::pair(m.Shape1.Left, m.Shape1.Top), std::pair(left, top));
    }
    // Releasing one arrow of a diagonal changes nothing: a key is only a click.
    app.keyDown(Key::Up);
    app.keyDown(Key::Right);
    app.keyUp(Key::Up);
    EXPECT_EQ(heading(), &m.Timer5);
    app.keyUp(Key::Right);
    // Space and keypad 5 stop (away from every planet, where a stop only halts).
    m.Shape1.Left = 7000;
    m.Shape1.Top = 6000;
    for (Key stop : {Key::Space, Key::Keypad5}) {
        app.key(Key::Left);
        ASSERT_NE(heading(), nullptr);
        EXPECT_TRUE(app.key(stop));
        EXPECT_EQ(heading(), nullptr);
    }
}

// Every shortcut of the game, and the state in which it must not act: its button hidden,
// its button disabled, its screen disabled. A key may never do what a click could not.
TEST_F(Keyboard, ShortcutsActOnlyAsClicksOnUsableButtons) {
    struct Case {
        const char* what;
        Key key;
        std::function<void(Keyboard&)> setUp;
        std::function<CommandButton&(Keyboard&)> button;
    };
    auto pad = [](Keyboard& k) -> CommandButton& { return k.map().Command1; };
    auto stop = [](Keyboard& k) -> CommandButton& { return k.map().Command5; };
    auto dock = [](Keyboard& k) -> CommandButton& { return k.map().Command10; };
    auto menuButton = [](Keyboard& k) -> CommandButton& { return k.map().Command12; };
    auto back = [](Keyboard& k) -> CommandButton& { return k.menu().Command1; };
    auto no = [](Keyboard& k) -> CommandButton& { return k.surrender().Command2; };
    auto onMap = [](Keyboard& k) { k.toMap(); };
    auto inMenu = [](Keyboard& k) { k.openMenu(); };
    auto inQuestion = [](Keyboard& k) {
        k.openMenu();
        k.host.click(k.menu().Command2);
    };
    const Case cases[] = {
        {"up arrow", Key::Up, onMap, pad},
        {"keypad 8", Key::Keypad8, onMap, pad},
        {"space", Key::Space, onMap, stop},
        {"keypad 5", Key::Keypad5, onMap, stop},
        {"enter", Key::Enter,
         [](Keyboard& k) {
             k.toMap();
             k.host.click(k.map().Command5);
         },
         dock},
        {"escape on the map", Key::Escape, onMap, menuButton},
        {"escape in the menu", Key::Escape, inMenu, back},
        {"escape in the question", Key::Escape, inQuestion, no},
    };
    enum Block { Hidden, Disabled, ScreenDisabled, None };
    for (const Case& c : cases) {
        for (Block block : {Hidden, Disabled, ScreenDisabled, None}) {
            SCOPED_TRACE(std::string(c.what) + ", block " + std::to_string(block));
            FreshGame k;
            c.setUp(k);
            CommandButton& button = c.button(k);
            int clicks = 0;
            auto click = button.Click;
            button.Click = [&] {
                ++clicks;
                click();
            };
            if (block == Hidden) button.Visible = false;
            if (block == Disabled) button.Enabled = false;
            if (block == ScreenDisabled) button.form().Enabled = false;
            bool took = k.app.key(c.key);
            EXPECT_EQ(took, block == None);
            EXPECT_EQ(clicks, block == None ? 1 : 0);
        }
    }
}

TEST_F(Keyboard, ClosingTheWindowOnTheIntroEndsAtOnce) {
    game::start(app);
    app.requestClose();
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Keyboard, ClosingTheWindowDuringTheVoyageAsksFirst) {
    toMap();
    game::Form2& m = map();
    host.click(m.Command7);    // under way, down and to the right
    host.advance(4100);        // and the crew has eaten once
    m.Image15.Visible = true;  // a piece of the map found
    auto state = [&] {
        return std::vector<std::string>{m.Label5.Caption,
                                        m.Label6.Caption,
                                        m.Label7.Caption,
                                        m.Label8.Caption,
                                        m.Label10.Caption,
                                        m.Label13.Caption,
                                        std::to_string(m.Shape1.Left),
                                        std::to_string(m.Shape1.Top),
                                        std::to_string(m.Timer6.Enabled),
                                        std::to_string(m.Timer18.Enabled),
                                        std::to_string(m.Image15.Visible)};
    };
    std::vector<std::string> before = state();
    // "Нет": Enter answers it, the safe answer being the default.
    host.onBox = [&](const ormal::MessageBox&) { app.boxKey(Key::Enter); };
    app.requestClose();
    ASSERT_EQ(host.boxes.size(), 1u);
    const ormal::MessageBox& box = host.boxes[0];
    EXPECT_EQ(box.prompt, "Вы действительно хотите сдаться и уйти?");
    EXPECT_EQ(box.buttons(), (std::vector<std::string>{"Да", "Нет"}));
    EXPECT_FALSE(app.ended());
    EXPECT_EQ(state(), before);
    host.advance(1000);  // the game runs on
    EXPECT_EQ(m.Shape1.Left, std::stof(before[6]) + 5 * 64);

    // "Да" ends the program.
    host.onBox = [&](const ormal::MessageBox&) { app.boxClick(0); };
    app.requestClose();
    EXPECT_TRUE(app.ended());
}

TEST_F(Keyboard, ASecondCloseWhileTheQuestionIsOpenEndsAtOnce) {
    toMap();
    host.onBox = [&](const ormal::MessageBox&) { app.requestClose(); };
    app.requestClose();
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_TRUE(app.ended());
    EXPECT_EQ(app.openBox(), nullptr);
}

TEST_F(Keyboard, AWindowJustComeToTheFrontIgnoresAQuickPress) {
    app.setFreshWindowGuard(300'000);
    toMap();
    host.advance(1000);
    ASSERT_TRUE(host.click(map().Command12));  // "Меню"
    EXPECT_EQ(app.front(), &menu());
    // A second click, quicker than the eye, meant for the map screen below.
    host.click(menu().Command1);
    EXPECT_EQ(app.front(), &menu());
    host.advance(300);
    host.click(menu().Command1);
    EXPECT_EQ(app.front(), &map());
    // Keys are not clicks of the hand: they act at once.
    host.advance(300);
    host.click(map().Command12);
    ASSERT_EQ(app.front(), &menu());
    EXPECT_TRUE(app.key(Key::Escape));
    EXPECT_EQ(app.front(), &map());
}
