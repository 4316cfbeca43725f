// bench.cpp: speed of the renderer and the game logic, measured headless. Prints markdown
// table rows; bench/run.sh adds the real-window figures and writes BENCHMARKS.md.
#include <cairo.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "headless.h"
#include "map/form2.h"
#include "render.h"

namespace {

using Clock = std::chrono::steady_clock;

// Median of repeated runs of f, in microseconds.
double medianMicros(int runs, const std::function<void()>& f) {
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        auto t0 = Clock::now();
        f();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void row(const char* what, double value, const char* unit, const char* goal) {
    std::printf("| %s | %.3g %s | %s |\n", what, value, unit, goal);
}

}  // namespace

int main() {
    ormal::Renderer renderer;
    ormal::Headless host;
    host.app.setMeasure(&renderer);
    auto& map = host.app.form<game::Form2>();
    map.Show();
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, ormal::kDesignWidth, ormal::kDesignHeight);
    renderer.render(host.app, surface, ormal::Viewport{});  // pictures decoded and cached

    double full = medianMicros(100, [&] {
        renderer.invalidate();
        renderer.render(host.app, surface, ormal::Viewport{});
    });
    row("full frame of the map screen, 1024 x 768", full / 1000, "ms", "");

    // One marker step per frame, the ship and the three enemies moving.
    host.click(map.Command1);
    host.advance(600);
    renderer.render(host.app, surface, ormal::Viewport{});
    std::vector<double> steps;
    for (int i = 0; i < 2000; ++i) {
        host.advance(15.625);
        auto t0 = Clock::now();
        renderer.render(host.app, surface, ormal::Viewport{});
        steps.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    std::sort(steps.begin(), steps.end());
    row("damage frame (ship and enemies moving), median", steps[steps.size() / 2] / 1000, "ms",
        "under 0.2 ms");

    // The stop button: eight range tests, away from every planet and on one.
    double away = medianMicros(10001, [&] {
        map.Shape1.Left = 4500;
        map.Shape1.Top = 4500;
        map.Command5_Click();
    });
    row("stop press, in open space", away, "µs", "microseconds");
    map.Command5_Click();
    double arrive = medianMicros(10001, [&] {
        map.Shape1.Left = 2520;
        map.Shape1.Top = 4200;
        map.Command5_Click();
    });
    row("stop press, arriving at a planet", arrive, "µs", "microseconds");

    // Virtual time as fast as it goes: the ship, the patrols and the food clock ticking.
    ormal::Headless fast;
    auto& fastMap = fast.app.form<game::Form2>();
    fastMap.Show();
    fastMap.Label6.Caption = "100000000";  // no starving during the run
    fast.click(fastMap.Command4);
    auto t0 = Clock::now();
    fast.advance(600'000);
    double seconds = std::chrono::duration<double>(Clock::now() - t0).count();
    row("headless game, grid steps (1/64 s) per second", 600 * 64 / seconds, "", "");

    cairo_surface_destroy(surface);
    return 0;
}
