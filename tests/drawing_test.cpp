// drawing_test.cpp: the window's pixels at every size. The renderer repaints only what
// changed; after any sequence of changes those pixels must be exactly what a full repaint at
// the same size gives, at 1:1, 2:1 and at the fractional scales where most players see the
// game (a laptop's 1920 x 1080 full screen, a window dragged to any size).
#include <cairo.h>
#include <malloc.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "fixture.h"
#include "intro/form1.h"
#include "map/form2.h"
#include "planet/form3.h"
#include "trade/form6.h"

using testing_support::GameFixture;

namespace {

struct Size {
    int width, height;
};

std::string sizeName(Size s) {
    return std::to_string(s.width) + "x" + std::to_string(s.height);
}

// Every button the player could click on the front form now.
std::vector<ormal::CommandButton*> clickable(const ormal::Application& app) {
    std::vector<ormal::CommandButton*> found;
    ormal::Form* form = app.front();
    if (!form || !form->Enabled) return found;
    std::vector<const ormal::Container*> pending{form};
    while (!pending.empty()) {
        const ormal::Container* c = pending.back();
        pending.pop_back();
        for (ormal::Control* child : c->children()) {
            if (child->kind() == ormal::Kind::PictureBox || child->kind() == ormal::Kind::Frame)
                pending.push_back(static_cast<const ormal::Container*>(child));
            if (child->kind() == ormal::Kind::CommandButton && ormal::Application::usable(*child))
                found.push_back(static_cast<ormal::CommandButton*>(child));
        }
    }
    return found;
}

// Bytes the heap has handed out and not had back.
std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

struct Drawing : GameFixture, ::testing::WithParamInterface<Size> {};

}  // namespace

// A few hundred frames of play: markers moving, counters growing and shrinking, hover
// captions, screens and dialogs coming and going, message boxes over them.
TEST_P(Drawing, EveryFrameEqualsAFullRepaint) {
    Size size = GetParam();
    testing_support::FrameCheck check(renderer, size.width, size.height);
    std::string failure;
    int frames = 0;
    auto frame = [&] {
        if (!failure.empty()) return;
        failure = check.compare(app, "drawing-" + sizeName(size));
        if (!failure.empty()) failure += " (frame " + std::to_string(frames) + ")";
        ++frames;
    };
    // A box is drawn while it is open: compare then too.
    host.onBox = [&](const ormal::MessageBox&) { frame(); };

    std::mt19937 random(20261211u + static_cast<unsigned>(size.width));
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    game::start(app);
    frame();
    auto& intro = form<game::Form1>();
    for (ormal::CommandButton* b : {&intro.Command1, &intro.Command2, &intro.Command3}) {
        host.click(*b);
        frame();
    }
    for (ormal::CommandButton* b :
         {&intro.Command4, &intro.Command5, &intro.Command6, &intro.Command7, &intro.Command8,
          &intro.Command9, &intro.Command10})
        host.click(*b);
    frame();
    auto& map = form<game::Form2>();
    // Start the ship moving so that its marker crosses the star map.
    host.click(map.Command6);
    for (int step = 0; step < 300 && failure.empty() && !app.ended(); ++step) {
        switch (pick(8)) {
            case 0:
            case 1:
                host.advance(15.625 * (1 + pick(12)));  // markers step
                break;
            case 2:
                host.advance(500 + pick(4000));  // the food clock ticks on
                break;
            case 3: {
                // A counter whose text grows and shrinks: "1000" to "980" and back.
                const char* texts[] = {"980", "1000", "7", "12345"};
                map.Label6.Caption = texts[pick(4)];
                break;
            }
            case 4:
            case 5: {
                auto buttons = clickable(app);
                // Never the surrender: the test plays on.
                std::erase_if(buttons, [](ormal::CommandButton* b) {
                    return b->Caption == "ДА" || b->Caption == "Выход";
                });
                if (!buttons.empty()) host.click(*buttons[pick(static_cast<int>(buttons.size()))]);
                break;
            }
            default:
                host.moveTo(pick(15360), pick(11520));  // hover captions and previews
                break;
        }
        frame();
    }
    EXPECT_EQ(failure, "") << "at " << sizeName(size);
    EXPECT_GE(frames, 100);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Drawing,
                         ::testing::Values(Size{1024, 768}, Size{2048, 1536}, Size{640, 480},
                                           Size{1403, 1052}, Size{1920, 1080}, Size{2560, 1440}),
                         [](const auto& info) { return sizeName(info.param); });

// Dragging the window's edge passes through hundreds of sizes. What is kept per scale
// (pictures scaled to it, texts drawn at it, the fonts behind them) must go with the scale,
// or memory grows with every size the window ever had.
TEST_F(GameFixture, ResizingKeepsMemoryBounded) {
    game::start(app);
    auto& intro = form<game::Form1>();
    host.click(intro.Command1);
    for (ormal::CommandButton* b :
         {&intro.Command2, &intro.Command3, &intro.Command4, &intro.Command5, &intro.Command6,
          &intro.Command7, &intro.Command8, &intro.Command9, &intro.Command10})
        host.click(*b);
    auto& map = form<game::Form2>();
    host.click(map.Command5);  // stop on Земля, dock, and walk into the trade centre
    host.click(map.Command10);
    auto& planet = form<game::Form3>();
    host.click(planet.Command2);

    // Each size draws the trade screen (a vector picture among bitmaps and texts); every
    // tenth also the map screen.
    auto sweep = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            int width = 320 + (i * 37) % 1300, height = 240 + (i * 53) % 900;
            cairo_surface_t* surface =
                cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
            auto viewport = ormal::Viewport::fit(width, height);
            renderer.render(app, surface, viewport);
            if (i % 10 == 0) {
                map.Show();
                renderer.render(app, surface, viewport);
                form<game::Form6>().Show();
            }
            cairo_surface_destroy(surface);
            EXPECT_LE(renderer.cachedBytes(), 48u << 20) << width << "x" << height;
        }
    };
    sweep(0, 30);
    std::size_t before = heapInUse();
    sweep(30, 330);
    std::size_t after = heapInUse();
    if (before > 0) {  // a sanitizer's allocator reports nothing
        EXPECT_LT(after, before + (16u << 20)) << "heap grew from " << before << " to " << after;
    }
}
