// main.cpp: the program: the command line, a window, the application on the real clock, and
// the first screen.
#include <cstdio>
#include <string>
#include <vector>

#include "app.h"
#include "game.h"
#include "options.h"
#include "render.h"
#include "window.h"

int main(int argc, char** argv) {
    game::CommandLine line =
        game::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    std::fputs(line.out.c_str(), stdout);
    std::fputs(line.err.c_str(), stderr);
    if (!line.run) return line.status;

    ormal::Window window;
    std::string error;
    if (!window.open(error, line.options.fullscreen)) {
        std::fprintf(stderr, "ormal: cannot open a window: %s\n", error.c_str());
        return 1;
    }
    ormal::SteadyClock clock;
    ormal::Application app(window, clock);
    ormal::Renderer renderer;
    app.setMeasure(&renderer);
    window.attach(app, renderer);
    app.dispatch([&] { game::start(app); });
    window.run();
    return 0;
}
