// main.cpp: the program: a window, the application on the real clock, and the first screen.
#include <cstdio>
#include <exception>
#include <string>

#include "app.h"
#include "game.h"
#include "render.h"
#include "window.h"

namespace {

constexpr const char* kNoFonts =
    "No font that can show the game's Russian text was found. Install the packages "
    "fonts-dejavu-core, fonts-liberation2 and fonts-urw-base35.";

}  // namespace

int main() {
    try {
        ormal::Renderer renderer;
        if (!renderer.canShow(game::kTitle)) {
            std::fprintf(stderr, "ormal: %s\n", kNoFonts);
            ormal::Window::showFatal(game::kTitle, kNoFonts);
            return 1;
        }
        ormal::Window window({game::kTitle, game::kIcon, game::kErrorTitle, false});
        std::string error;
        if (!window.open(error)) {
            std::fprintf(stderr, "ormal: %s\n", error.c_str());
            return 1;
        }
        ormal::SteadyClock clock;
        ormal::Application app(window, clock);
        app.setMeasure(&renderer);
        window.attach(app, renderer);
        app.dispatch([&] { game::start(app); });
        window.run();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ormal: %s\n", e.what());
        return 1;
    }
}
