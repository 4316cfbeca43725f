// main.cpp: the program: a window, the application on the real clock, and the first screen.
#include <cstdio>
#include <string>

#include "app.h"
#include "game.h"
#include "render.h"
#include "window.h"

int main() {
    ormal::Window window;
    std::string error;
    if (!window.open(error)) {
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
