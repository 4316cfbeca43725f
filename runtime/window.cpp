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

#include "handles.h"
#include "x11.h"

namespace ormal {

namespace {

std::int64_t steadyMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// When the program was loaded, for timing its start-up.
const std::int64_t kLoaded = steadyMicros();

// A burst of resizes (a dragged edge) is drawn once, when no new size has come for this long.
constexpr std::int64_t kSettleMicros = 80'000;
// A frame that could not be drawn (the window surface was not there) is tried again after this.
constexpr std::int64_t kRetryMicros = 50'000;
// A window that has just come to the front ignores a press for this long.
constexpr std::int64_t kFreshWindowMicros = 300'000;

using SdlWindow = Owned<SDL_Window, SDL_DestroyWindow>;
using SdlSurface = Owned<SDL_Surface, SDL_FreeSurface>;

bool isEnter(SDL_Scancode code) {
    return code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER;
}

Key keyOf(const SDL_Keysym& key) {
    SDL_Scancode code = key.scancode;
    if (code >= SDL_SCANCODE_KP_1 && code <= SDL_SCANCODE_KP_9)
        return static_cast<Key>(static_cast<int>(Key::Keypad1) + (code - SDL_SCANCODE_KP_1));
    if (isEnter(code)) return Key::Enter;
    switch (code) {
        case SDL_SCANCODE_SPACE:
            return Key::Space;
        case SDL_SCANCODE_ESCAPE:
            return Key::Escape;
        case SDL_SCANCODE_TAB:
            return Key::Tab;
        case SDL_SCANCODE_UP:
            return Key::Up;
        case SDL_SCANCODE_DOWN:
            return Key::Down;
        case SDL_SCANCODE_LEFT:
            return Key::Left;
        case SDL_SCANCODE_RIGHT:
            return Key::Right;
        default:
            return Key::None;
    }
}

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

}  // namespace

SteadyClock::SteadyClock() : start_(steadyMicros()) {}

std::int64_t SteadyClock::nowMicros() {
    return steadyMicros() - start_;
}

struct Window::Impl {
    struct SdlVideo {
        ~SdlVideo() {
            if (up) SDL_Quit();
        }
        bool up = false;
    } video;  // declared first, so it is shut down last
    WindowSettings settings;
    SdlWindow window;
    Application* app = nullptr;
    Renderer* renderer = nullptr;
    SDL_Surface* screen = nullptr;  // the window's surface; SDL owns it and replaces it on resize
    SdlSurface own;                 // XRGB8888 pixels when the window's format differs
    CairoSurface target;            // cairo over the pixels the renderer draws into
    void* wrapped = nullptr;        // the pixels 'target' wraps
    Viewport viewport;
    bool stale = true;  // the window surface must be fetched again
    bool quit = false;
    bool reporting = false;
    bool shownOnce = false;        // for ORMAL_TIMING: report the first frame
    std::int64_t settleUntil = 0;  // a resize is still settling until then (steady clock)
    std::int64_t retryAt = 0;      // a frame that failed is tried again then
    // Full screen: by the window manager, or, without one, by filling the desktop ourselves.
    bool fullscreen = false;
    bool filledByHand = false;
    SDL_Rect restore{};

    ~Impl() { dropTarget(); }

    void dropTarget() {
        target.reset();
        own.reset();
        wrapped = nullptr;
        screen = nullptr;
    }

    void wrap(SDL_Surface* s) {
        target.reset(cairo_image_surface_create_for_data(static_cast<unsigned char*>(s->pixels),
                                                         CAIRO_FORMAT_RGB24, s->w, s->h, s->pitch));
        wrapped = s->pixels;
        renderer->invalidate();  // new pixels hold nothing the renderer drew
    }

    // Fetches the window surface after a resize or expose and wraps its pixels for cairo.
    // False, with nothing held, when that fails: the frame is skipped and tried again.
    bool prepare() {
        if (!stale && screen && target) return true;
        dropTarget();
        SDL_Surface* s = SDL_GetWindowSurface(window.get());
        if (!s || s->w <= 0 || s->h <= 0 || !s->pixels) return false;
        Uint32 format = s->format->format;
        bool direct = (format == SDL_PIXELFORMAT_XRGB8888 || format == SDL_PIXELFORMAT_ARGB8888) &&
                      s->pitch % 4 == 0;
        if (direct) {
            if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) return false;
            wrap(s);
            if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
        } else {
            own.reset(SDL_CreateRGBSurfaceWithFormat(0, s->w, s->h, 32, SDL_PIXELFORMAT_XRGB8888));
            if (!own) return false;
            wrap(own.get());
        }
        if (cairo_surface_status(target.get()) != CAIRO_STATUS_SUCCESS) {
            dropTarget();
            return false;
        }
        screen = s;
        stale = false;
        viewport = Viewport::fit(s->w, s->h);
        return true;
    }

    bool settling() const { return steadyMicros() < settleUntil; }

    // Draws what changed and hands SDL exactly the repainted rectangles. While a resize
    // settles nothing is drawn; a frame that cannot be drawn is tried again shortly.
    void present() {
        if (settling()) return;
        if (!prepare()) {
            retryAt = steadyMicros() + kRetryMicros;
            return;
        }
        retryAt = 0;
        bool locked = !own && SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) == 0;
        if (!own && screen->pixels != wrapped) wrap(screen);  // locking may move the pixels
        std::vector<PixelRect> damage = renderer->render(*app, target.get(), viewport);
        cairo_surface_flush(target.get());
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
                SDL_BlitSurface(own.get(), &r, screen, &to);
            }
        }
        if (SDL_UpdateWindowSurfaceRects(window.get(), rects.data(),
                                         static_cast<int>(rects.size())) != 0) {
            stale = true;  // the surface went invalid under us: fetch it again next frame
            renderer->invalidate();
        }
        if (!shownOnce) {
            shownOnce = true;
            if (std::getenv("ORMAL_TIMING"))
                std::fprintf(stderr, "ormal: first frame after %.1f ms\n",
                             (steadyMicros() - kLoaded) / 1000.0);
        }
    }

    // How long the loop may sleep before a frame is due again, beyond timers and events.
    std::optional<std::int64_t> frameWake() const {
        std::optional<std::int64_t> wake;
        if (settleUntil > steadyMicros()) wake = settleUntil;
        if (retryAt) wake = std::min(wake.value_or(INT64_MAX), retryAt);
        return wake;
    }

    // A window point (pixel centre) in target pixels; they differ on HiDPI displays.
    void toTarget(int x, int y, double& px, double& py) const {
        int w = 0, h = 0;
        SDL_GetWindowSize(window.get(), &w, &h);
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
        switch (e.event) {
            case SDL_WINDOWEVENT_SIZE_CHANGED:
                stale = true;
                settleUntil = steadyMicros() + kSettleMicros;
                break;
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_RESTORED:
                stale = true;
                break;
            case SDL_WINDOWEVENT_FOCUS_LOST:
                app->releaseKeys();  // the key-up events will go elsewhere
                break;
            default:
                break;
        }
    }

    // Whether a window manager runs: it makes a window full screen when asked. On a bare X
    // server nobody does, and the window fills the desktop by itself.
    bool windowManager() { return x11::windowManagerRuns(window.get()); }

    void setFullscreen(bool on) {
        if (on == fullscreen) return;
        if (on) {
            if (windowManager()) {
                SDL_SetWindowFullscreen(window.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
            } else {
                SDL_Rect desktop;
                if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window.get()), &desktop) != 0)
                    return;
                SDL_GetWindowPosition(window.get(), &restore.x, &restore.y);
                SDL_GetWindowSize(window.get(), &restore.w, &restore.h);
                SDL_SetWindowBordered(window.get(), SDL_FALSE);
                SDL_SetWindowPosition(window.get(), desktop.x, desktop.y);
                SDL_SetWindowSize(window.get(), desktop.w, desktop.h);
                filledByHand = true;
            }
        } else if (filledByHand) {
            SDL_SetWindowSize(window.get(), restore.w, restore.h);
            SDL_SetWindowPosition(window.get(), restore.x, restore.y);
            SDL_SetWindowBordered(window.get(), SDL_TRUE);
            filledByHand = false;
        } else {
            SDL_SetWindowFullscreen(window.get(), 0);
        }
        fullscreen = on;
        stale = true;
    }

    // F11 and Alt+Enter toggle full screen; true when the key was one of them, so that
    // Alt+Enter never also acts as Enter.
    bool fullscreenKey(const SDL_KeyboardEvent& e) {
        SDL_Scancode code = e.keysym.scancode;
        bool toggle = code == SDL_SCANCODE_F11 || (isEnter(code) && (e.keysym.mod & KMOD_ALT));
        if (toggle && !e.repeat) setFullscreen(!fullscreen);
        return toggle;
    }

    void handle(const SDL_Event& e) {
        double x, y;
        switch (e.type) {
            case SDL_QUIT:  // SIGINT or SIGTERM
                quit = true;
                break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE)
                    app->requestClose();
                else
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
            case SDL_KEYDOWN:
                if (fullscreenKey(e.key) || e.key.repeat) break;
                app->keyDown(keyOf(e.key.keysym), e.key.keysym.mod & KMOD_SHIFT);
                break;
            case SDL_KEYUP:
                app->keyUp(keyOf(e.key.keysym));
                break;
            default:
                break;
        }
    }

    // The button of the open box under a window point, or -1.
    int boxButtonAt(const MessageBox& box, int x, int y) {
        double px, py;
        toTarget(x, y, px, py);
        const Viewport& v = viewport;
        std::vector<PixelRect> buttons = renderer->layoutBox(box).buttons;  // design pixels
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            const PixelRect& b = buttons[i];
            if (px >= b.x * v.scale + v.offsetX && px < (b.x + b.w) * v.scale + v.offsetX &&
                py >= b.y * v.scale + v.offsetY && py < (b.y + b.h) * v.scale + v.offsetY)
                return static_cast<int>(i);
        }
        return -1;
    }

    // Waits for the next event until 'wake' (steady-clock microseconds), or for ever.
    bool wait(SDL_Event& e, std::optional<std::int64_t> wake) {
        if (!wake) {
            if (!SDL_WaitEvent(&e)) throw std::runtime_error(SDL_GetError());
            return true;
        }
        std::int64_t ahead = *wake - steadyMicros();
        if (ahead <= 0) return SDL_PollEvent(&e);
        // Round up: waking a millisecond early would only wait again.
        int ms = static_cast<int>(std::min<std::int64_t>((ahead + 999) / 1000, INT_MAX));
        return SDL_WaitEventTimeout(&e, ms);
    }
};

Window::Window(WindowSettings settings) : impl_(std::make_unique<Impl>()) {
    impl_->settings = std::move(settings);
}

Window::~Window() = default;

bool Window::open(std::string& error) {
    Impl& m = *impl_;
    // Without this SDL presents the window surface through OpenGL, at many times the cost.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Closing the window is a request the game answers, not the end of the program.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A real display only: SDL would otherwise fall back to its invisible offscreen driver.
    // Only the kinds of display the environment names are tried, so that a missing one
    // fails at once and quietly.
    bool x11 = isSet("DISPLAY"), wayland = isSet("WAYLAND_DISPLAY");
    std::string tried;
    if (!isSet("SDL_VIDEODRIVER")) {
        if (!x11 && !wayland) {
            error =
                "no display: neither DISPLAY nor WAYLAND_DISPLAY is set; start the game "
                "from a graphical desktop session";
            return false;
        }
        SDL_SetHint(SDL_HINT_VIDEODRIVER, x11 ? (wayland ? "x11,wayland" : "x11") : "wayland");
        tried = x11 ? std::string("the X display ") + std::getenv("DISPLAY")
                    : std::string("the Wayland display ") + std::getenv("WAYLAND_DISPLAY");
    } else {
        tried =
            std::string("the display of the SDL video driver ") + std::getenv("SDL_VIDEODRIVER");
    }
    // A display that is busy accepting other clients can refuse a first connection; try
    // again for a moment before giving up.
    for (int attempt = 0; SDL_Init(SDL_INIT_VIDEO) != 0; ++attempt) {
        if (attempt == 10) {
            error = "cannot open " + tried + " (" + SDL_GetError() +
                    "); check that the display server runs and that this user may use it";
            return false;
        }
        SDL_Delay(100);
    }
    m.video.up = true;
    if (x11) x11::endWhenLost(std::getenv("DISPLAY"));

    int w = kDesignWidth, h = kDesignHeight;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && (usable.w < w || usable.h < h)) {
        double s = std::min(double(usable.w) / w, double(usable.h) / h);
        w = std::max(1, int(w * s));
        h = std::max(1, int(h * s));
    }
    m.window.reset(SDL_CreateWindow(m.settings.title.c_str(), SDL_WINDOWPOS_CENTERED,
                                    SDL_WINDOWPOS_CENTERED, w, h, SDL_WINDOW_RESIZABLE));
    if (!m.window) return error = std::string("cannot open a window: ") + SDL_GetError(), false;

    // SDL wants alpha in the icon; the picture's pixels are opaque 0xRRGGBB.
    Picture icon = Picture::named(m.settings.icon);
    Pixels pixels = icon.data() ? icon.data()->pixels() : Pixels{};
    const Pixels* p = &pixels;
    if (p->width > 0 && p->height > 0) {
        std::vector<Uint32> argb(p->rgb.size());
        std::transform(p->rgb.begin(), p->rgb.end(), argb.begin(),
                       [](std::uint32_t c) { return 0xFF000000u | c; });
        SdlSurface s(SDL_CreateRGBSurfaceWithFormatFrom(argb.data(), p->width, p->height, 32,
                                                        p->width * 4, SDL_PIXELFORMAT_ARGB8888));
        if (s) SDL_SetWindowIcon(m.window.get(), s.get());
    }
    if (m.settings.fullscreen) m.setFullscreen(true);
    return true;
}

void Window::showFatal(const std::string& title, const std::string& message) {
    if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), nullptr);
}

void Window::attach(Application& app, Renderer& renderer) {
    impl_->app = &app;
    impl_->renderer = &renderer;
    if (!app.measure()) app.setMeasure(&renderer);  // hit-testing measures as drawing does
    app.setFreshWindowGuard(kFreshWindowMicros);
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
        // The application's clock and the steady clock differ by a constant.
        std::int64_t offset = steadyMicros() - app.clock().nowMicros();
        std::optional<std::int64_t> wake = app.nextTick();
        if (wake) *wake += offset;
        if (!due) wake = std::min(wake.value_or(INT64_MAX), lastFrame + kFrameMicros + offset);
        if (auto frame = m.frameWake()) {
            wake = std::min(wake.value_or(INT64_MAX), *frame);
            answer = true;  // draw once the resize has settled or the retry is due
        }
        bool got = m.wait(e, wake);
        while (got && !m.quit && !app.ended()) {
            m.handle(e);
            answer = true;
            got = SDL_PollEvent(&e);
        }
        std::optional<std::int64_t> next = app.nextTick();
        if (next && app.clock().nowMicros() >= *next) app.runTimers();
    }
}

int Window::runMessageBox(const MessageBox& box) {
    Impl& m = *impl_;
    if (!m.window || !m.app) {
        std::fprintf(stderr, "%s: %s\n", box.title.c_str(), box.prompt.c_str());
        return box.defaultButton();
    }
    Application& app = *m.app;
    int pressed = -1;  // the button pressed and not yet released
    SDL_Event e;
    while (!app.boxAnswer()) {
        m.present();
        if (!m.wait(e, m.frameWake())) continue;
        do {
            switch (e.type) {
                case SDL_QUIT:  // SIGINT or SIGTERM
                    app.End();
                case SDL_WINDOWEVENT:
                    if (e.window.event == SDL_WINDOWEVENT_CLOSE)
                        app.requestClose();  // with a box open: the end, at once
                    else
                        m.windowEvent(e.window);
                    break;
                case SDL_KEYDOWN:
                    if (m.fullscreenKey(e.key) || e.key.repeat) break;
                    app.boxKey(keyOf(e.key.keysym), e.key.keysym.mod & KMOD_SHIFT);
                    break;
                case SDL_MOUSEBUTTONDOWN:
                    if (e.button.button == SDL_BUTTON_LEFT && !app.justAppeared())
                        pressed = m.boxButtonAt(box, e.button.x, e.button.y);
                    break;
                case SDL_MOUSEBUTTONUP:
                    if (e.button.button != SDL_BUTTON_LEFT) break;
                    if (pressed >= 0 && m.boxButtonAt(box, e.button.x, e.button.y) == pressed)
                        app.boxClick(pressed);
                    pressed = -1;
                    break;
                default:
                    break;  // the pointer does not reach the forms while a box is open
            }
        } while (!app.boxAnswer() && SDL_PollEvent(&e));
    }
    return *app.boxAnswer();
}

void Window::reportError(const std::string& message) {
    Impl& m = *impl_;
    std::fprintf(stderr, "ormal: %s\n", message.c_str());
    // Showing the box can fail too, or an error may come while a box is open: then stderr only.
    if (!m.window || !m.app || m.reporting || m.app->openBox()) return;
    m.reporting = true;
    try {
        m.app->MsgBox(message, kBoxStopIcon, m.settings.errorTitle);
    } catch (const ProgramEnd&) {
        m.quit = true;  // the window was closed over the error box
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ormal: %s\n", e.what());
    }
    m.reporting = false;
}

}  // namespace ormal
