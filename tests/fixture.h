// fixture.h: the game without a display, for tests: the headless host with the real text
// measure, and short ways to the screens.
#pragma once

#include <gtest/gtest.h>

#include "game.h"
#include "headless.h"
#include "render.h"

namespace testing_support {

struct GameFixture : ::testing::Test {
    ormal::Renderer renderer;
    ormal::Headless host;
    ormal::Application& app = host.app;

    GameFixture() { app.setMeasure(&renderer); }

    template <class F>
    F& form() {
        return app.form<F>();
    }
};

}  // namespace testing_support
