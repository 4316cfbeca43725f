// fixture.h: the game without a display, for tests: the headless host with the real text
// measure, short ways to the screens, and the screens as drawn.
#pragma once

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
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

// The window's pixels two ways at one size: drawn frame after frame as the window draws them,
// damage only, and repainted from scratch for comparison.
class FrameCheck {
  public:
    FrameCheck(ormal::Renderer& incremental, int width, int height)
        : incremental_(incremental),
          viewport_(ormal::Viewport::fit(width, height)),
          drawn_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
          fresh_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)) {
        incremental_.invalidate();
    }
    ~FrameCheck() {
        cairo_surface_destroy(drawn_);
        cairo_surface_destroy(fresh_);
    }
    FrameCheck(const FrameCheck&) = delete;
    FrameCheck& operator=(const FrameCheck&) = delete;

    // The next frame, as the window draws it.
    void draw(const ormal::Application& app) { incremental_.render(app, drawn_, viewport_); }

    // The next frame both ways: empty when they agree, otherwise how many pixels differ and
    // where, with both pictures saved under the test output.
    std::string compare(const ormal::Application& app, const std::string& name) {
        draw(app);
        full_.invalidate();
        full_.render(app, fresh_, viewport_);
        int width = viewport_.width, height = viewport_.height;
        int stride = cairo_image_surface_get_stride(drawn_);
        const unsigned char* a = cairo_image_surface_get_data(drawn_);
        const unsigned char* b = cairo_image_surface_get_data(fresh_);
        long differing = 0;
        int x0 = width, y0 = height, x1 = -1, y1 = -1;
        for (int y = 0; y < height; ++y) {
            auto* ra = reinterpret_cast<const std::uint32_t*>(a + y * stride);
            auto* rb = reinterpret_cast<const std::uint32_t*>(b + y * stride);
            if (std::memcmp(ra, rb, static_cast<std::size_t>(width) * 4) == 0) continue;
            for (int x = 0; x < width; ++x) {
                if (((ra[x] ^ rb[x]) & 0xFFFFFF) == 0) continue;
                ++differing;
                x0 = std::min(x0, x), y0 = std::min(y0, y);
                x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
        }
        if (differing == 0) return "";
        std::filesystem::create_directories(ORMAL_TEST_OUTPUT);
        std::string base = std::string(ORMAL_TEST_OUTPUT) + "/" + name;
        cairo_surface_write_to_png(drawn_, (base + "-incremental.png").c_str());
        cairo_surface_write_to_png(fresh_, (base + "-full.png").c_str());
        return std::to_string(differing) + " pixels differ within (" + std::to_string(x0) + ", " +
               std::to_string(y0) + ")-(" + std::to_string(x1) + ", " + std::to_string(y1) +
               ") at " + std::to_string(width) + " x " + std::to_string(height) + ", scale " +
               std::to_string(viewport_.scale) + "; see " + base + "-*.png";
    }

  private:
    ormal::Renderer& incremental_;
    ormal::Renderer full_;
    ormal::Viewport viewport_;
    cairo_surface_t* drawn_;
    cairo_surface_t* fresh_;
};

}  // namespace testing_support
