// window.cpp: the SDL2 front end: the window surface as the renderer's target, input turned
// into the application's events, and an event loop that sleeps until an event or a due timer.
#include "window.h"

#include <SDL.h>
#include <cairo.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace ormal {

namespace {

std::int64_t steadyMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// When the program was loaded, for timing its start-up.
const std::int64_t kLoaded = steadyMicros();

bool isEnter(SDL_Scancode code) {
    return code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER;
}

}  // namespace

SteadyClock::SteadyClock() : start_(steadyMicros()) {}

std::int64_t SteadyClock::nowMicros() {
    return steadyMicros() - start_;
}

struct Window::Impl {
    SDL_Window* window = nullptr;
    bool sdlUp = false;
    Application* app = nullptr;
    Renderer* renderer = nullptr;
    SDL_Surface* screen = nullptr;      // the window's surface; SDL replaces it on resize
    SDL_Surface* own = nullptr;         // XRGB8888 pixels when the window's format differs
    cairo_surface_t* target = nullptr;  // cairo over the pixels the renderer draws into
    void* wrapped = nullptr;            // the pixels 'target' wraps
    Viewport viewport;
    bool stale = true;  // the window surface must be fetched again
    bool quit = false;
    bool reporting = false;
    bool shownOnce = false;  // for ORMAL_TIMING: report the first frame

    ~Impl() {
        dropTarget();
        if (window) SDL_DestroyWindow(window);
        if (sdlUp) SDL_Quit();
    }

    void dropTarget() {
        if (target) cairo_surface_destroy(target);
        if (own) SDL_FreeSurface(own);
        target = nullptr;
        own = nullptr;
        wrapped = nullptr;
        screen = nullptr;
    }

    void wrap(SDL_Surface* s) {
        if (target) cairo_surface_destroy(target);
        target = cairo_image_surface_create_for_data(static_cast<unsigned char*>(s->pixels),
                                                     CAIRO_FORMAT_RGB24, s->w, s->h, s->pitch);
        wrapped = s->pixels;
        renderer->invalidate();  // new pixels hold nothing the renderer drew
    }

    // Fetches the window surface after a resize or expose and wraps its pixels for cairo.
    bool prepare() {
        if (!stale && screen) return true;
        dropTarget();
        screen = SDL_GetWindowSurface(window);
        if (!screen || screen->w <= 0 || screen->h <= 0) return screen = nullptr, false;
        stale = false;
        Uint32 format = screen->format->format;
        bool direct = (format == SDL_PIXELFORMAT_XRGB8888 || format == SDL_PIXELFORMAT_ARGB8888) &&
                      screen->pitch % 4 == 0;
        if (direct) {
            if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0) return false;
            wrap(screen);
            if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
        } else {
            own = SDL_CreateRGBSurfaceWithFormat(0, screen->w, screen->h, 32,
                                                 SDL_PIXELFORMAT_XRGB8888);
            if (!own) throw std::runtime_error(SDL_GetError());
            wrap(own);
        }
        viewport = Viewport::fit(screen->w, screen->h);
        return true;
    }

    // Draws what changed and hands SDL exactly the repainted rectangles.
    void present() {
        if (!prepare()) return;
        bool locked = !own && SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) == 0;
        if (!own && screen->pixels != wrapped) wrap(screen);  // locking may move the pixels
        std::vector<PixelRect> damage = renderer->render(*app, target, viewport);
        cairo_surface_flush(target);
        if (locked) SDL_UnlockSurface(screen);

        std::vector<SDL_Rect> rects;
        for (const PixelRect& d : damage) {
            int x0 = std::max(d.x, 0), y0 = std::max(d.y, 0);
            int x1 = std::min(d.x + d.w, screen->w), y1 = std::min(d.y + d.h, screen->h);
            if (x1 > x0 && y1 > y0) rects.push_back({x0, y0, x1 - x0, y1 - y0});
        }
        if (rects.empty()) return;
        if (own) {
            for (SDL_Rect r : rects) {
                SDL_Rect to = r;  // SDL_BlitSurface clips the destination rectangle in place
                SDL_BlitSurface(own, &r, screen, &to);
            }
        }
        if (SDL_UpdateWindowSurfaceRects(window, rects.data(), static_cast<int>(rects.size())))
            stale = true;  // the surface went invalid under us: fetch it again next frame
        if (!shownOnce) {
            shownOnce = true;
            if (std::getenv("ORMAL_TIMING"))
                std::fprintf(stderr, "ormal: first frame after %.1f ms\n",
                             (steadyMicros() - kLoaded) / 1000.0);
        }
    }

    // A window point (pixel centre) in target pixels; they differ on HiDPI displays.
    void toTarget(int x, int y, double& px, double& py) const {
        int w = 0, h = 0;
        SDL_GetWindowSize(window, &w, &h);
        double sx = (screen && w > 0) ? double(screen->w) / w : 1.0;
        double sy = (screen && h > 0) ? double(screen->h) / h : 1.0;
        px = (x + 0.5) * sx;
        py = (y + 0.5) * sy;
    }

    void toTwips(int x, int y, double& tx, double& ty) const {
        double px, py;
        toTarget(x, y, px, py);
        viewport.toTwips(px, py, tx, ty);
    }

    void windowEvent(const SDL_WindowEvent& e) {
        if (e.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.event == SDL_WINDOWEVENT_EXPOSED ||
            e.event == SDL_WINDOWEVENT_RESTORED)
            stale = true;
    }

    // F11 and Alt+Enter toggle fullscreen; true when the key was one of them, so that
    // Alt+Enter never also acts as Enter.
    bool fullscreenKey(const SDL_KeyboardEvent& e) {
        SDL_Scancode code = e.keysym.scancode;
        bool toggle = code == SDL_SCANCODE_F11 || (isEnter(code) && (e.keysym.mod & KMOD_ALT));
        if (toggle && !e.repeat) {
            bool full = SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN;
            SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
            stale = true;
        }
        return toggle;
    }

    void handle(const SDL_Event& e) {
        double x, y;
        switch (e.type) {
            case SDL_QUIT:
                quit = true;
                break;
            case SDL_WINDOWEVENT:
                windowEvent(e.window);
                break;
            case SDL_MOUSEMOTION:
                toTwips(e.motion.x, e.motion.y, x, y);
                app->pointerMove(x, y);
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                if (e.button.button != SDL_BUTTON_LEFT) break;
                toTwips(e.button.x, e.button.y, x, y);
                if (e.type == SDL_MOUSEBUTTONDOWN)
                    app->pointerDown(x, y);
                else
                    app->pointerUp(x, y);
                break;
            case SDL_KEYDOWN: {
                if (fullscreenKey(e.key) || e.key.repeat) break;
                SDL_Scancode code = e.key.keysym.scancode;
                if (code >= SDL_SCANCODE_KP_1 && code <= SDL_SCANCODE_KP_9)
                    app->key(static_cast<Key>(static_cast<int>(Key::Keypad1) +
                                              (code - SDL_SCANCODE_KP_1)));
                else if (isEnter(code))
                    app->key(Key::Enter);
                break;
            }
            default:
                break;
        }
    }

    // Whether a window point lies on the OK button of the box.
    bool overOk(const MessageBox& box, int x, int y) {
        PixelRect ok = renderer->layoutBox(box).ok;  // design pixels
        double px, py;
        toTarget(x, y, px, py);
        const Viewport& v = viewport;
        return px >= ok.x * v.scale + v.offsetX && px < (ok.x + ok.w) * v.scale + v.offsetX &&
               py >= ok.y * v.scale + v.offsetY && py < (ok.y + ok.h) * v.scale + v.offsetY;
    }
};

Window::Window() : impl_(std::make_unique<Impl>()) {}

Window::~Window() = default;

bool Window::open(std::string& error, bool fullscreen) {
    Impl& m = *impl_;
    // Without this SDL presents the window surface through OpenGL, at many times the cost.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // A real display only: SDL would otherwise fall back to its invisible offscreen driver
    // when the display does not answer at once.
    if (!std::getenv("SDL_VIDEODRIVER")) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11,wayland");
    // A display that is busy accepting other clients can refuse a first connection; try
    // again for a moment before giving up.
    for (int attempt = 0; SDL_Init(SDL_INIT_VIDEO) != 0; ++attempt) {
        if (attempt == 20) return error = SDL_GetError(), false;
        SDL_Delay(100);
    }
    m.sdlUp = true;

    int w = kDesignWidth, h = kDesignHeight;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && (usable.w < w || usable.h < h)) {
        double s = std::min(double(usable.w) / w, double(usable.h) / h);
        w = std::max(1, int(w * s));
        h = std::max(1, int(h * s));
    }
    Uint32 flags = SDL_WINDOW_RESIZABLE | (fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    m.window = SDL_CreateWindow(kProgramTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                                flags);
    if (!m.window) return error = SDL_GetError(), false;

    // SDL wants alpha in the icon; the picture's pixels are opaque 0xRRGGBB.
    Picture icon = Picture::named("planet/icon");
    const Pixels* p = icon.data() ? &icon.data()->pixels : nullptr;
    if (p && p->width > 0 && p->height > 0) {
        std::vector<Uint32> argb(p->rgb.size());
        std::transform(p->rgb.begin(), p->rgb.end(), argb.begin(),
                       [](std::uint32_t c) { return 0xFF000000u | c; });
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(argb.data(), p->width, p->height, 32,
                                                            p->width * 4, SDL_PIXELFORMAT_ARGB8888);
        if (s) {
            SDL_SetWindowIcon(m.window, s);
            SDL_FreeSurface(s);
        }
    }
    return true;
}

void Window::attach(Application& app, Renderer& renderer) {
    impl_->app = &app;
    impl_->renderer = &renderer;
    if (!app.measure()) app.setMeasure(&renderer);  // hit-testing measures as drawing does
    impl_->stale = true;
}

void Window::run() {
    Impl& m = *impl_;
    if (!m.window || !m.app) return;
    Application& app = *m.app;
    // Timers alone repaint at most 32 times a second: the markers step a third of a pixel
    // per tick, so this shows every pixel they move while halving the trips to the display.
    // Input is answered at once.
    constexpr std::int64_t kFrameMicros = 2 * kGridMicros;
    std::int64_t lastFrame = 0;
    bool answer = true;  // input arrived since the last frame
    SDL_Event e;
    while (!m.quit && !app.ended()) {
        std::int64_t now = app.clock().nowMicros();
        bool due = answer || now - lastFrame >= kFrameMicros;
        if (due) {
            m.present();
            lastFrame = now;
            answer = false;
        }
        std::optional<std::int64_t> wake = app.nextTick();
        if (!due) wake = std::min(wake.value_or(INT64_MAX), lastFrame + kFrameMicros);
        bool got;
        if (wake) {
            std::int64_t wait = *wake - app.clock().nowMicros();
            // Round up: waking a millisecond early would only wait again.
            int ms = int(std::min<std::int64_t>((wait + 999) / 1000, INT_MAX));
            got = wait > 0 ? SDL_WaitEventTimeout(&e, ms) : SDL_PollEvent(&e);
        } else {
            // No timer runs: sleep until the player acts.
            if (!(got = SDL_WaitEvent(&e))) throw std::runtime_error(SDL_GetError());
        }
        while (got && !m.quit && !app.ended()) {
            m.handle(e);
            answer = true;
            got = SDL_PollEvent(&e);
        }
        std::optional<std::int64_t> next = app.nextTick();
        if (next && app.clock().nowMicros() >= *next) app.runTimers();
    }
}

void Window::runMessageBox(const MessageBox& box) {
    Impl& m = *impl_;
    if (!m.window || !m.app) {
        std::fprintf(stderr, "%s: %s\n", box.title.c_str(), box.prompt.c_str());
        return;
    }
    bool pressed = false;  // the OK button was pressed and not yet released
    SDL_Event e;
    while (m.app->openBox()) {
        m.present();
        if (!SDL_WaitEvent(&e)) throw std::runtime_error(SDL_GetError());
        do {
            switch (e.type) {
                case SDL_QUIT:
                    throw ProgramEnd{};
                case SDL_WINDOWEVENT:
                    m.windowEvent(e.window);
                    break;
                case SDL_KEYDOWN: {
                    if (m.fullscreenKey(e.key) || e.key.repeat) break;
                    SDL_Scancode code = e.key.keysym.scancode;
                    if (isEnter(code) || code == SDL_SCANCODE_SPACE || code == SDL_SCANCODE_ESCAPE)
                        return;
                    break;
                }
                case SDL_MOUSEBUTTONDOWN:
                    if (e.button.button == SDL_BUTTON_LEFT)
                        pressed = m.overOk(box, e.button.x, e.button.y);
                    break;
                case SDL_MOUSEBUTTONUP:
                    if (e.button.button != SDL_BUTTON_LEFT) break;
                    if (pressed && m.overOk(box, e.button.x, e.button.y)) return;
                    pressed = false;
                    break;
                default:
                    break;  // the pointer does not reach the forms while a box is open
            }
        } while (SDL_PollEvent(&e));
    }
}

void Window::reportError(const std::string& message) {
    Impl& m = *impl_;
    std::fprintf(stderr, "ormal: %s\n", message.c_str());
    // Showing the box can fail too, or an error may come while a box is open: then stderr only.
    if (!m.window || !m.app || m.reporting || m.app->openBox()) return;
    m.reporting = true;
    try {
        m.app->MsgBox(message, 16, "Ошибка");
    } catch (const ProgramEnd&) {
        m.quit = true;  // the window was closed over the error box
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ormal: %s\n", e.what());
    }
    m.reporting = false;
}

}  // namespace ormal
