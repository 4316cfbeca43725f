// fixture.h: the game without a display, for tests: the headless host with the real text
// measure, and short ways to the screens.
#pragma once

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game.h"
#include "headless.h"
#include "render.h"

namespace testing_support {

struct GameFixture : ::testing::Test {
    ormal::Renderer renderer;
    ormal::Headless host;
    ormal::Application& app = host.app;

    GameFixture() {
        app.setMeasure(&renderer);
        game::install(app);
    }
    // A handler that failed is a fault whatever the test looked at.
    void TearDown() override {
        for (const std::string& e : host.errors) ADD_FAILURE() << "handler failed: " << e;
    }

    template <class F>
    F& form() {
        return app.form<F>();
    }
};

// The screens as drawn at the design size: kept for later frames, read pixel by pixel, and
// saved under the test output for a look.
class Snapshot {
  public:
    Snapshot(ormal::Application& app, ormal::Renderer& renderer)
        : app_(app), renderer_(renderer), surface_(ormal::renderToImage(app, renderer)) {}
    ~Snapshot() { cairo_surface_destroy(surface_); }
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

    // Draws what changed since, as the window does; returns the repainted rectangles.
    std::vector<ormal::PixelRect> update() {
        return renderer_.render(app_, surface_, ormal::Viewport{});
    }
    void save(const std::string& name) const {
        std::filesystem::create_directories(ORMAL_TEST_OUTPUT);
        cairo_surface_write_to_png(surface_, (ORMAL_TEST_OUTPUT "/" + name + ".png").c_str());
    }
    // 0xRRGGBB
    std::uint32_t pixel(int x, int y) const {
        auto* row = reinterpret_cast<const std::uint32_t*>(
            cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_));
        return row[x] & 0xFFFFFF;
    }

  private:
    ormal::Application& app_;
    ormal::Renderer& renderer_;
    cairo_surface_t* surface_;
};

}  // namespace testing_support
