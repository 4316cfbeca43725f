// runtime_test.cpp: the form runtime on its own: number rules, the random sequence, timers,
// layering and hit-testing, and forms created on first reference.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "app.h"
#include "convert.h"
#include "headless.h"
#include "picture.h"

using namespace ormal;

TEST(Conversions, TableOfCases) {
    struct Case {
        const char* text;
        double num;  // NAN: Num must throw
        double val;
    };
    const Case cases[] = {
        {"14", 14, 14},  {"-5", -5, -5},    {"0", 0, 0},         {"  20 ", 20, 20},
        {"+7", 7, 7},    {"2.5", 2.5, 2.5}, {"1e3", 1000, 1000}, {"12abc", NAN, 12},
        {"abc", NAN, 0}, {"", NAN, 0},      {"   ", NAN, 0},     {"-", NAN, 0},
        {"1 2", NAN, 1}, {" -7x", NAN, -7}, {"Label17", NAN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        if (std::isnan(c.num))
            EXPECT_THROW(Num(c.text), ConversionError);
        else
            EXPECT_EQ(Num(c.text), c.num);
        EXPECT_EQ(Val(c.text), c.val);
    }
}

TEST(Conversions, NumberToText) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{14, "14"},     {-5, "-5"},   {0, "0"},           {-0.0, "0"},
                          {1000, "1000"}, {2.5, "2.5"}, {-0.125, "-0.125"}, {1e20, "1e+20"},
                          {6999, "6999"}, {-15, "-15"}};
    for (const Case& c : cases) EXPECT_EQ(Str(c.value), c.text) << c.value;
    EXPECT_EQ(Int(2.9), 2);
    EXPECT_EQ(Int(-2.1), -3);
    EXPECT_EQ(Int(7), 7);
}

TEST(Conversions, ErrorNamesTheText) {
    try {
        Num("12abc");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("12abc"), std::string::npos);
    }
}

TEST(RandomSequence, FixedStartAndBounds) {
    Random a, b;
    // The same series every run.
    for (int i = 0; i < 100; ++i) EXPECT_EQ(a.next(), b.next());
    Random r;
    EXPECT_NEAR(r.next(), 0.7055475, 1e-6);
    EXPECT_NEAR(r.next(), 0.533424, 1e-6);
    double highest = 0;
    for (int i = 0; i < (1 << 24) + 5; ++i) {
        double v = r.next();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
        highest = std::max(highest, v);
        // The widest product the game forms stays below its bound.
        ASSERT_LT(Int(v * 80 + 200), 280);
        ASSERT_LT(Int(v * 1000), 1000);
    }
    EXPECT_EQ(highest, 1.0 - 1.0 / 16777216.0);
}

TEST(RandomSequence, ScriptedValues) {
    Random r;
    r.script({0.5, 0.25});
    EXPECT_EQ(r.next(), 0.5);
    EXPECT_EQ(r.next(), 0.25);
    EXPECT_THROW(r.next(), std::logic_error);
    EXPECT_THROW(r.script({1.0}), std::invalid_argument);
    r.unscript();
    EXPECT_NEAR(r.next(), 0.7055475, 1e-6);
}

namespace {

// A small form to try the runtime on: a frame with a button, a picture box with a child,
// overlapping labels, a shape and timers.
struct TestForm : Form {
    CommandButton Button{"Button"}, Inner{"Inner"};
    Label Front{"Front"}, Back{"Back"};
    Shape Panel{"Panel"};
    PictureBox Box{"Box"};
    Image Child{"Child"};
    Frame Group{"Group"};
    Timer Fast{"Fast"}, Slow{"Slow"}, Other{"Other"};
    std::vector<std::string> log;

    explicit TestForm(Application& app) : Form(app, "TestForm") {
        place(Front, 0, 0, 3000, 600);      // a label listed before the button...
        place(Button, 1500, 0, 1500, 600);  // ...still lies below it: buttons are windows
        place(Back, 0, 0, 6000, 600);
        place(Box, 0, 1500, 3000, 1500);
        place(Box, Child, 3000, 0, 600, 600);  // outside the box: clipped, never hit
        place(Panel, 4000, 1500, 1500, 1500);  // shapes take no pointer
        place(Group, 0, 3000, 3000, 1500);
        place(Group, Inner, 150, 150, 600, 600);
        place(Fast, 1, false);
        place(Slow, 100, false);
        place(Other, 1, false);
        Button.Click = [this] { log.push_back("Button.Click"); };
        Inner.Click = [this] { log.push_back("Inner.Click"); };
        MouseMove = [this] { log.push_back("Form.MouseMove"); };
        Front.MouseMove = [this] { log.push_back("Front.MouseMove"); };
        Box.MouseMove = [this] { log.push_back("Box.MouseMove"); };
        Group.MouseMove = [this] { log.push_back("Group.MouseMove"); };
        Fast.OnTimer = [this] { log.push_back("Fast"); };
        Slow.OnTimer = [this] { log.push_back("Slow"); };
        Other.OnTimer = [this] { log.push_back("Other"); };
    }
};

struct RuntimeFixture : ::testing::Test {
    Headless host;
    Application& app = host.app;
    TestForm& form = app.form<TestForm>();
    RuntimeFixture() { form.Show(); }
    int count(const std::string& what) {
        return static_cast<int>(std::count(form.log.begin(), form.log.end(), what));
    }
};

}  // namespace

TEST_F(RuntimeFixture, FormsAreCreatedOnceAndNotShown) {
    struct Another : Form {
        explicit Another(Application& app) : Form(app, "Another") {}
    };
    EXPECT_FALSE(app.exists<Another>());
    Another& a = app.form<Another>();
    EXPECT_TRUE(app.exists<Another>());
    EXPECT_EQ(&a, &app.form<Another>());
    EXPECT_FALSE(a.Visible);
    EXPECT_EQ(app.front(), &form);
    a.Show();
    EXPECT_EQ(app.front(), &a);
    form.Show();
    EXPECT_EQ(app.front(), &form);
    EXPECT_EQ(app.forms().size(), 2u);
}

TEST_F(RuntimeFixture, HitTestingFollowsLayers) {
    struct Case {
        double x, y;
        const Control* expected;
    };
    const Case cases[] = {
        {2000, 300, &form.Button},  // button over the label listed before it
        {500, 300, &form.Front},    // first label over the second
        {4000, 300, &form.Back},   {500, 2000, &form.Box},
        {3200, 1700, &form},  // a clipped child: the form
        {4500, 2000, &form},  // the shape takes nothing
        {2500, 4000, &form.Group}, {400, 3400, &form.Inner},
        {9000, 9000, &form},
    };
    for (const Case& c : cases) EXPECT_EQ(app.hitTest(c.x, c.y), c.expected) << c.x << "," << c.y;
    form.Button.Enabled = false;  // a disabled control passes the pointer to its container
    EXPECT_EQ(app.hitTest(2000, 300), &form);
    form.Inner.Enabled = false;
    EXPECT_EQ(app.hitTest(400, 3400), &form.Group);
    form.Front.Visible = false;
    EXPECT_EQ(app.hitTest(500, 300), &form.Back);
}

TEST_F(RuntimeFixture, ClickIsPressAndReleaseOnTheSameEnabledButton) {
    host.click(form.Button);
    EXPECT_EQ(count("Button.Click"), 1);
    app.pointerDown(2000, 300);
    EXPECT_TRUE(form.Button.pressed);
    app.pointerMove(500, 300);
    EXPECT_FALSE(form.Button.pressed);
    app.pointerUp(500, 300);  // released elsewhere: no click
    EXPECT_EQ(count("Button.Click"), 1);
    form.Button.Enabled = false;
    EXPECT_FALSE(host.click(form.Button));
    form.Button.Enabled = true;
    form.Enabled = false;  // a disabled form takes no input at all
    int moves = count("Front.MouseMove");
    EXPECT_FALSE(host.click(form.Button));
    host.moveTo(500, 300);
    EXPECT_EQ(count("Button.Click"), 1);
    EXPECT_EQ(count("Front.MouseMove"), moves);
}

TEST_F(RuntimeFixture, TimersTickOnTheGrid) {
    form.Fast.Enabled = true;  // 1 ms: once per 1/64 s step
    form.Slow.Enabled = true;  // 100 ms: at the first step at or after each due time
    host.advance(1000);
    EXPECT_EQ(count("Fast"), 64);
    EXPECT_EQ(count("Slow"), 10);  // due 100, 200, ...: ticks at 109.375, 203.125, ..., 1000
    form.log.clear();
    // Re-enabling a running timer changes nothing; disabling and enabling restarts it.
    host.advance(50);
    form.Slow.Enabled = true;
    host.advance(60);
    EXPECT_EQ(count("Slow"), 1);
    form.Slow.Enabled = false;
    form.Slow.Enabled = true;
    host.advance(90);
    EXPECT_EQ(count("Slow"), 1);
    host.advance(20);
    EXPECT_EQ(count("Slow"), 2);
}

TEST_F(RuntimeFixture, TimersDueTogetherTickInOrderAndStopMidStep) {
    form.Other.Enabled = true;
    form.Fast.Enabled = true;
    host.advance(15.625);
    ASSERT_EQ(form.log, (std::vector<std::string>{"Fast", "Other"}));  // registration order
    form.log.clear();
    form.Fast.OnTimer = [this] {
        form.Other.Enabled = false;
        form.log.push_back("Fast");
    };
    host.advance(15.625);
    EXPECT_EQ(form.log, (std::vector<std::string>{"Fast"}));
}

TEST_F(RuntimeFixture, LateTicksCoalesce) {
    form.Fast.Enabled = true;
    form.Slow.Enabled = true;
    // A real clock that jumps a whole second: each timer ticks once, then goes on from now.
    host.clock.set(1'000'000);
    app.runTimers();
    EXPECT_EQ(count("Fast"), 1);
    EXPECT_EQ(count("Slow"), 1);
    EXPECT_EQ(*app.nextTick(), 1'000'000 + kGridMicros);
}

TEST_F(RuntimeFixture, NoTicksWhileABoxIsOpen) {
    form.Fast.Enabled = true;
    form.Slow.Enabled = true;
    host.onBox = [this](const MessageBox&) {
        host.advance(5000);  // the player reads the box for five seconds
        EXPECT_EQ(app.openBox()->prompt, "Привет");
    };
    app.Title = "Программа";  // the default title of a box
    form.Button.Click = [this] { app.MsgBox("Привет", 16); };
    host.click(form.Button);
    EXPECT_EQ(count("Fast"), 0);
    EXPECT_EQ(count("Slow"), 0);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].title, "Программа");
    EXPECT_TRUE(host.boxes[0].stopIcon());
    EXPECT_EQ(app.openBox(), nullptr);
    // Afterwards the timers go on where they were, without a burst.
    host.onBox = nullptr;
    host.advance(100);
    EXPECT_EQ(count("Slow"), 0);
    host.advance(15.625);
    EXPECT_EQ(count("Slow"), 1);
    EXPECT_EQ(count("Fast"), 7);
}

TEST_F(RuntimeFixture, EndStopsTheHandlerAndEverythingAfter) {
    form.Fast.Enabled = true;
    form.Button.Click = [this] {
        form.log.push_back("before");
        app.End();
    };
    host.click(form.Button);
    EXPECT_TRUE(app.ended());
    host.advance(1000);
    host.click(form.Inner);
    EXPECT_EQ(form.log, (std::vector<std::string>{"before"}));
}

TEST_F(RuntimeFixture, AFailingHandlerIsReportedAndTheGameGoesOn) {
    form.Button.Click = [] { Num("oops"); };
    host.click(form.Button);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("oops"), std::string::npos);
    EXPECT_FALSE(app.ended());
    host.click(form.Inner);
    EXPECT_EQ(count("Inner.Click"), 1);
}

TEST_F(RuntimeFixture, KeysActAsClicksOnlyOnUsableButtonsOfTheFrontForm) {
    form.Button.Keys = {Key::Keypad5};
    EXPECT_TRUE(app.key(Key::Keypad5));
    EXPECT_EQ(count("Button.Click"), 1);
    form.Button.Visible = false;
    EXPECT_FALSE(app.key(Key::Keypad5));
    form.Button.Visible = true;
    form.Enabled = false;
    EXPECT_FALSE(app.key(Key::Keypad5));
    EXPECT_EQ(count("Button.Click"), 1);
}

TEST(PictureDecoding, DamagedBitmapsAreRefusedWithAReason) {
    // A valid 2 x 1 BMP, then variations of it.
    std::vector<unsigned char> good = {
        'B', 'M', 62, 0, 0, 0, 0, 0,  0, 0, 54, 0, 0,    0,    40,   0,    0,    0,    2, 0, 0,
        0,   1,   0,  0, 0, 1, 0, 24, 0, 0, 0,  0, 0,    8,    0,    0,    0,    0,    0, 0, 0,
        0,   0,   0,  0, 0, 0, 0, 0,  0, 0, 0,  0, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0, 0};
    Pixels pixels;
    std::string error;
    ASSERT_TRUE(decodeBmp(good, pixels, error)) << error;
    EXPECT_EQ(pixels.width, 2);
    EXPECT_EQ(pixels.at(0, 0), 0xFF0000u);
    EXPECT_EQ(pixels.at(1, 0), 0x0000FFu);
    struct Case {
        const char* what;
        std::function<void(std::vector<unsigned char>&)> spoil;
    };
    const Case cases[] = {
        {"not a BMP", [](auto& b) { b[0] = 'X'; }}, {"32-bit", [](auto& b) { b[28] = 32; }},
        {"compressed", [](auto& b) { b[30] = 1; }}, {"truncated", [](auto& b) { b.resize(56); }},
        {"huge", [](auto& b) { b[21] = 0x7F; }},    {"empty", [](auto& b) { b.clear(); }},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> bad = good;
        c.spoil(bad);
        error.clear();
        EXPECT_FALSE(decodeBmp(bad, pixels, error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
    // A picture that is not built in still gives something to draw.
    Picture missing = Picture::named("no/such/picture");
    ASSERT_FALSE(missing.empty());
    EXPECT_EQ(missing.data()->pixels().width, 32);
}
