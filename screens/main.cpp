// main.cpp: the program: the command line, a window, the application on the real clock, and
// the first screen.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "app.h"
#include "english.h"
#include "game.h"
#include "options.h"
#include "render.h"
#include "window.h"

namespace {

constexpr const char* kNoFonts =
    "No font that can show the game's Russian text was found. Install the packages "
    "fonts-dejavu-core, fonts-liberation2 and fonts-urw-base35.";

}  // namespace

int main(int argc, char** argv) {
    game::CommandLine line =
        game::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    std::fputs(line.out.c_str(), stdout);
    std::fputs(line.err.c_str(), stderr);
    if (!line.run) return line.status;
    std::string error;
    std::optional<game::Language> language =
        game::chooseLanguage(line.options, std::getenv("ORMAL_LANG"), error);
    if (!language) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    try {
        ormal::Renderer renderer;
        // The forms keep their Russian texts; English is only what is drawn.
        std::string title = game::kTitle;
        if (*language == game::Language::English) {
            renderer.setTranslation(game::english::show, game::english::kPictureSuffix);
            title = game::english::show(title);
        }
        if (!renderer.canShow(game::kTitle)) {
            std::fprintf(stderr, "ormal: %s\n", kNoFonts);
            ormal::Window::showFatal(title, kNoFonts);
            return 1;
        }
        ormal::Window window({title, game::kIcon, game::kErrorTitle, line.options.fullscreen});
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
