// window.h: the SDL2 front end. One window showing the application's forms through the
// renderer, scaled with the aspect ratio kept; pointer and keys turned into the
// application's events; an event loop that sleeps until the next event or due timer.
#pragma once

#include <memory>
#include <string>

#include "app.h"
#include "render.h"

namespace ormal {

// The real clock: microseconds since the program started, monotonic.
class SteadyClock : public Clock {
  public:
    SteadyClock();
    std::int64_t nowMicros() override;

  private:
    std::int64_t start_;
};

// What the program tells the window about itself.
struct WindowSettings {
    std::string title;        // the window's title
    std::string icon;         // the built-in picture that is the window's icon
    std::string errorTitle;   // the title of the box that reports a failed handler
    bool fullscreen = false;  // start filling the desktop
};

class Window : public Host {
  public:
    explicit Window(WindowSettings settings);
    ~Window() override;

    // Opens the window (1024 x 768, or scaled down to fit the desktop). False with a reason,
    // fit to show the player, when there is no display or it cannot be opened.
    bool open(std::string& error);
    // The application this window shows; it was constructed with this window as its host.
    void attach(Application& app, Renderer& renderer);
    // Runs until the program ends, or a signal (SIGINT, SIGTERM) ends it.
    void run();

    int runMessageBox(const MessageBox& box) override;
    void reportError(const std::string& message) override;

    // A message in SDL's own simple box, which needs none of the game's fonts; for errors
    // that stop the program before its window exists. Does nothing without a display.
    static void showFatal(const std::string& title, const std::string& message);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ormal
