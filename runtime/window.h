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

class Window : public Host {
  public:
    Window();
    ~Window() override;

    // Opens the window (1024 x 768, or scaled down to fit the desktop), or in full screen
    // on the desktop. False with a reason when there is no display.
    bool open(std::string& error, bool fullscreen = false);
    // The application this window shows; it was constructed with this window as its host.
    void attach(Application& app, Renderer& renderer);
    // Runs until the program ends or the window is closed.
    void run();

    void runMessageBox(const MessageBox& box) override;
    void reportError(const std::string& message) override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ormal
