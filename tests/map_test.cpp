// map_test.cpp: the map screen: its start state, the direction pad and ship movement, and
// the screen as drawn.
#include <cmath>

#include "fixture.h"
#include "map/form2.h"
#include "star_map.h"

using game::Form2;
using testing_support::GameFixture;

namespace {

struct MapScreen : GameFixture {
    Form2& map = form<Form2>();
    MapScreen() { app.form<game::Form2>().Show(); }
};

}  // namespace

TEST_F(MapScreen, StartState) {
    EXPECT_EQ(app.front(), &map);
    struct Counter {
        ormal::Label& label;
        const char* text;
    } counters[] = {{map.Label5, "14"},  {map.Label6, "1000"}, {map.Label7, "60"},
                    {map.Label8, "20"},  {map.Label10, "20"},  {map.Label13, "50"},
                    {map.Label17, "200"}};
    for (auto& c : counters) EXPECT_EQ(c.label.Caption, c.text) << c.label.Name;
    EXPECT_FALSE(map.Label16.Visible);
    EXPECT_FALSE(map.Label17.Visible);
    for (ormal::Image* f : {&map.Image13, &map.Image15, &map.Image16, &map.Image17})
        EXPECT_FALSE(f->Visible) << f->Name;
    EXPECT_TRUE(map.Label15.Visible);
    EXPECT_FALSE(map.Command10.Enabled);
    EXPECT_EQ(map.Shape1.Left, 3480);
    EXPECT_EQ(map.Shape1.Top, 5160);
    for (ormal::Timer* t : testing_support::movementTimers(map)) EXPECT_FALSE(t->Enabled);
    EXPECT_TRUE(map.Timer17.Enabled);
    EXPECT_TRUE(map.Timer18.Enabled);
    EXPECT_FALSE(map.Timer19.Enabled);
    EXPECT_EQ(map.Label1.Caption, "");
    EXPECT_EQ(map.Label11.Caption, "");
}

TEST_F(MapScreen, ThePad) {
    auto arrows = testing_support::pad(map);
    for (const testing_support::PadArrow& a : arrows) {
        SCOPED_TRACE(a.button.Name);
        // Switching straight from whatever ran before, without a stop.
        ASSERT_TRUE(host.click(a.button));
        for (const testing_support::PadArrow& other : arrows)
            EXPECT_EQ(bool(other.timer.Enabled), &other.timer == &a.timer) << other.timer.Name;
        float left = map.Shape1.Left, top = map.Shape1.Top;
        host.advance(15.625);  // one tick
        EXPECT_EQ(map.Shape1.Left, left + 5 * a.dx);
        EXPECT_EQ(map.Shape1.Top, top + 5 * a.dy);
        // The same arrow again keeps the same heading.
        host.click(a.button);
        EXPECT_TRUE(a.timer.Enabled);
    }
}

TEST_F(MapScreen, TheShipLeavesTheMapAndComesBack) {
    host.click(map.Command2);  // left, for 2 s: 128 ticks of 5 twips
    host.advance(2000);
    host.click(map.Command2);
    host.advance(2000 * 2);
    EXPECT_EQ(map.Shape1.Left, 3480 - 5 * 64 * 6);  // -360: past the left edge
    host.click(map.Command4);
    host.advance(1000 * 6);
    EXPECT_EQ(map.Shape1.Left, 3480);
    // Every position stays a whole multiple of 5.
    EXPECT_EQ(std::fmod(map.Shape1.Left, 5.0f), 0);
}

TEST_F(MapScreen, FireDoesNothing) {
    std::string before;
    for (ormal::Control* c : map.children()) before += c->Name + std::to_string(c->Visible);
    EXPECT_TRUE(host.click(map.Command11));
    std::string after;
    for (ormal::Control* c : map.children()) after += c->Name + std::to_string(c->Visible);
    EXPECT_EQ(before, after);
    EXPECT_EQ(map.Shape1.Left, 3480);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(MapScreen, DrawnAsLaidOut) {
    testing_support::Snapshot shot(app, renderer);
    shot.save("map-screen");
    EXPECT_EQ(shot.pixel(2, 2), 0xFFC080u);  // the screen's background
    // The ship marker: red inside, where its Left and Top put it in the star map's interior.
    int x = (240 + 15 + 3480) / 15 + 4, y = (360 + 15 + 5160) / 15 + 4;
    EXPECT_EQ(shot.pixel(x, y), 0xFF0000u);
    // Moved one pixel's worth up and drawn again: only the marker's few pixels change.
    host.click(map.Command1);
    host.advance(15.625 * 3);
    auto damage = shot.update();
    int area = 0;
    for (auto& d : damage) area += d.w * d.h;
    EXPECT_GT(area, 0);
    EXPECT_LT(area, 400);
    EXPECT_EQ(shot.pixel(x, y - 1), 0xFF0000u);
}
