// floor.cpp: the presentation floor: the least any program pays to show the game's kind of
// motion through SDL. A window of the given size wakes on the game's 1/64 s grid and repaints
// one 9 x 11 pixel dot through the window surface, handing SDL only that rectangle, with the
// framebuffer-acceleration hint off as the game has it. bench/run.sh measures the game's CPU
// share against this one's.
// Usage: ormal_floor [WIDTH HEIGHT [X Y]]
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    int width = argc > 2 ? std::atoi(argv[1]) : 1024;
    int height = argc > 2 ? std::atoi(argv[2]) : 768;
    int left = argc > 4 ? std::atoi(argv[3]) : 0;
    int top = argc > 4 ? std::atoi(argv[4]) : 0;
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "ormal_floor: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("floor", left, top, width, height, 0);
    if (!window) {
        std::fprintf(stderr, "ormal_floor: %s\n", SDL_GetError());
        return 1;
    }
    const Uint64 grid = SDL_GetPerformanceFrequency() / 64;
    Uint64 next = SDL_GetPerformanceCounter() + grid;
    int x = 0;
    for (bool running = true; running;) {
        Uint64 now = SDL_GetPerformanceCounter();
        if (now < next) {
            SDL_Event e;
            int ms = static_cast<int>((next - now) * 1000 / SDL_GetPerformanceFrequency());
            if (SDL_WaitEventTimeout(&e, ms > 0 ? ms : 1) && e.type == SDL_QUIT) running = false;
            continue;
        }
        next += grid;
        SDL_Surface* surface = SDL_GetWindowSurface(window);
        if (!surface) continue;
        SDL_Rect old{x, height / 2, 9, 11};
        SDL_FillRect(surface, &old, 0);
        x = (x + 1) % (width - 9);
        SDL_Rect dot{x, height / 2, 9, 11};
        SDL_FillRect(surface, &dot, SDL_MapRGB(surface->format, 255, 0, 0));
        SDL_Rect both{old.x, old.y, 10, 11};
        SDL_UpdateWindowSurfaceRects(window, &both, 1);
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
