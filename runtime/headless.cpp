// headless.cpp: the display-less host and its player-like input.
#include "headless.h"

#include <cmath>

namespace ormal {

int Headless::runMessageBox(const MessageBox& box) {
    boxes.push_back(box);
    if (onBox) onBox(box);
    return app.boxAnswer().value_or(box.defaultButton());
}

void Headless::reportError(const std::string& message) {
    errors.push_back(message);
}

void Headless::advance(double ms) {
    std::int64_t target = clock.nowMicros() + static_cast<std::int64_t>(std::llround(ms * 1000));
    while (!app.ended()) {
        std::int64_t now = clock.nowMicros();
        std::int64_t next = (now / kGridMicros + 1) * kGridMicros;
        if (next > target) break;
        clock.set(next);
        app.runTimers();
    }
    if (clock.nowMicros() < target) clock.set(target);
}

bool Headless::advanceUntil(const std::function<bool()>& done, double limitMs) {
    std::int64_t target =
        clock.nowMicros() + static_cast<std::int64_t>(std::llround(limitMs * 1000));
    while (!done()) {
        if (app.ended() || clock.nowMicros() >= target) return false;
        std::int64_t next = (clock.nowMicros() / kGridMicros + 1) * kGridMicros;
        clock.set(next);
        app.runTimers();
    }
    return true;
}

namespace {
void centre(const Application& app, const Control& c, double& x, double& y) {
    Rect r = app.desktopRect(c);
    x = r.x + r.w / 2;
    y = r.y + r.h / 2;
}
}  // namespace

bool Headless::move(const Control& control) {
    double x, y;
    centre(app, control, x, y);
    bool hits = app.hitTest(x, y) == &control;
    moveTo(x, y);
    return hits;
}

void Headless::moveTo(double x, double y) {
    ++pointerEvents;
    app.pointerMove(x, y);
}

bool Headless::click(const Control& control) {
    double x, y;
    centre(app, control, x, y);
    Control* target = app.hitTest(x, y);
    bool takes = target == &control && Application::usable(control) && control.form().Enabled;
    clickAt(x, y);
    return takes;
}

void Headless::clickAt(double x, double y) {
    pointerEvents += 3;
    app.pointerMove(x, y);
    app.pointerDown(x, y);
    app.pointerUp(x, y);
}

}  // namespace ormal
