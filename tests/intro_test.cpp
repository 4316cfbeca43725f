// intro_test.cpp: the intro screen: the story pages turned forward one at a time, the start
// button and the map screen it opens, and the pages as drawn.

#include <string>

#include "fixture.h"
#include "intro/form1.h"
#include "map/form2.h"

using game::Form1;
using game::Form2;
using testing_support::GameFixture;

namespace {

struct IntroScreen : GameFixture {
    Form1& intro = form<Form1>();
    IntroScreen() { game::start(app); }

    // Command1 to Command10, in number order.
    ormal::CommandButton* button(int n) {
        ormal::CommandButton* b[] = {
            &intro.Command1, &intro.Command2, &intro.Command3, &intro.Command4, &intro.Command5,
            &intro.Command6, &intro.Command7, &intro.Command8, &intro.Command9, &intro.Command10};
        return b[n - 1];
    }
    ormal::PictureBox* store(int n) {
        ormal::PictureBox* p[] = {&intro.Picture1, &intro.Picture2, &intro.Picture3,
                                  &intro.Picture4, &intro.Picture5, &intro.Picture6,
                                  &intro.Picture7, &intro.Picture8, &intro.Picture9};
        return p[n - 1];
    }
    // The row of buttons 1 to 10: 'e' shown and enabled, 'd' shown and disabled, '-' hidden.
    std::string row() {
        std::string s;
        for (int n = 1; n <= 10; ++n)
            s += !button(n)->Visible ? '-' : button(n)->Enabled ? 'e' : 'd';
        return s;
    }
    void readAll() {
        for (int n = 1; n <= 9; ++n) ASSERT_TRUE(host.click(*button(n))) << n;
    }
};

}  // namespace

TEST_F(IntroScreen, BeforeTheFirstPage) {
    EXPECT_EQ(app.front(), &intro);
    EXPECT_FALSE(app.exists<Form2>());
    EXPECT_EQ(row(), "e---------");
    EXPECT_TRUE(intro.Picture.empty());
    EXPECT_EQ(intro.BackColor, 0x000000u);
    EXPECT_TRUE(intro.Shape1.Visible);
    for (int n = 1; n <= 9; ++n) EXPECT_FALSE(store(n)->Visible) << n;
    // Neither a later page nor the start button can be reached yet.
    EXPECT_FALSE(host.click(intro.Command2));
    EXPECT_FALSE(host.click(intro.Command10));
    EXPECT_TRUE(intro.Picture.empty());
}

TEST_F(IntroScreen, PagesTurnForwardOneAtATime) {
    struct Page {
        int page;
        const char* row;
    } pages[] = {
        {1, "de--------"}, {2, "dde-------"}, {3, "ddde------"},
        {4, "dddde-----"}, {5, "ddddde----"}, {6, "dddddde---"},
        {7, "ddddddde--"}, {8, "dddddddde-"}, {9, "ddddddddde"},
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(p.page);
        ASSERT_TRUE(host.click(*button(p.page)));
        EXPECT_EQ(intro.Picture, store(p.page)->Picture);
        EXPECT_FALSE(intro.Picture.empty());
        EXPECT_EQ(row(), p.row);
        // The page just shown cannot be shown again.
        EXPECT_FALSE(host.click(*button(p.page)));
        EXPECT_EQ(intro.Picture, store(p.page)->Picture);
        for (int n = 1; n <= 9; ++n) EXPECT_FALSE(store(n)->Visible) << n;
    }
    EXPECT_FALSE(app.exists<Form2>());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(IntroScreen, TheStoryPagesAreTheirOwnPictures) {
    struct Size {
        int page, width, height;  // pixels
    } sizes[] = {{1, 720, 536}, {2, 615, 461}, {5, 615, 461}, {9, 615, 461}};
    for (const Size& s : sizes) {
        SCOPED_TRACE(s.page);
        EXPECT_EQ(store(s.page)->Picture.widthTwips(), s.width * 15);
        EXPECT_EQ(store(s.page)->Picture.heightTwips(), s.height * 15);
    }
    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 9; ++b) EXPECT_NE(store(a)->Picture, store(b)->Picture);
}

TEST_F(IntroScreen, StartOpensTheMapOnceAndNeverResetsIt) {
    readAll();
    ASSERT_FALSE(app.exists<Form2>());
    ASSERT_TRUE(host.click(intro.Command10));
    ASSERT_TRUE(app.exists<Form2>());
    Form2& map = form<Form2>();
    EXPECT_EQ(app.front(), &map);
    EXPECT_TRUE(map.Visible);
    EXPECT_TRUE(map.Timer17.Enabled);
    EXPECT_TRUE(map.Timer18.Enabled);
    // The intro stays shown and enabled behind the map, its start button too.
    EXPECT_TRUE(intro.Visible);
    EXPECT_TRUE(intro.Enabled);
    EXPECT_EQ(row(), "ddddddddde");

    // Play a little: food eaten, the ship moving right.
    host.advance(4100);
    EXPECT_EQ(map.Label6.Caption, "980");
    ASSERT_TRUE(host.click(map.Command4));
    host.advance(1000);
    float left = map.Shape1.Left, top = map.Shape1.Top;
    ASSERT_NE(left, 3480);
    std::size_t forms = app.forms().size();

    intro.Show();
    ASSERT_EQ(app.front(), &intro);
    ASSERT_TRUE(host.click(intro.Command10));
    EXPECT_EQ(app.front(), &map);
    EXPECT_EQ(app.forms().size(), forms);
    EXPECT_EQ(&form<Form2>(), &map);
    EXPECT_EQ(map.Shape1.Left, left);
    EXPECT_EQ(map.Shape1.Top, top);
    EXPECT_EQ(map.Label6.Caption, "980");
    EXPECT_TRUE(map.Timer4.Enabled);  // still heading right
    EXPECT_TRUE(map.Timer17.Enabled);
    EXPECT_TRUE(map.Timer18.Enabled);
    EXPECT_TRUE(intro.Command10.Enabled);
    // The clock goes on from where it was.
    host.advance(4000);
    EXPECT_EQ(map.Label6.Caption, "960");
}

TEST_F(IntroScreen, TheSecondPageLeavesNothingOfTheFirst) {
    // Page 1 is 720 x 536 pixels, page 2 615 x 461: whether anything shows in the part of
    // page 1 that page 2 does not cover, above the strip of buttons.
    auto beyondPage2 = [](const testing_support::Snapshot& shot) {
        for (int y = 0; y < 515; ++y)
            for (int x = 0; x < 720; ++x)
                if ((x >= 615 || y >= 461) && shot.pixel(x, y) != 0) return true;
        return false;
    };
    testing_support::Snapshot shot(app, renderer);
    EXPECT_EQ(shot.pixel(650, 500), 0x000000u);  // black before any page
    EXPECT_EQ(shot.pixel(300, 200), 0x000000u);

    host.click(intro.Command1);
    shot.update();
    shot.save("intro-page1");
    ASSERT_TRUE(beyondPage2(shot));

    // Drawn over the same surface, as the window does: only what changed is repainted.
    host.click(intro.Command2);
    shot.update();
    shot.save("intro-page2");
    EXPECT_EQ(shot.pixel(650, 500), 0x000000u);
    EXPECT_FALSE(beyondPage2(shot));
    // Page 2 itself is there.
    bool page2 = false;
    for (int y = 0; y < 461 && !page2; y += 7)
        for (int x = 0; x < 615 && !page2; x += 7) page2 = shot.pixel(x, y) != 0;
    EXPECT_TRUE(page2);
}
