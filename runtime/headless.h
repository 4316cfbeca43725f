// headless.h: the application without a display, on a clock that moves only when told.
// Tests and the headless game drive it as a player would: pointer moves and clicks on the
// controls they can see, message boxes answered at once (after an optional delay), and
// virtual time advanced step by step on the timer grid.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app.h"

namespace ormal {

class Headless : public Host {
  public:
    Headless() : app(*this, clock) {}

    ManualClock clock;
    Application app;

    std::vector<MessageBox> boxes;    // every box shown, in order
    std::size_t pointerEvents = 0;    // moves, presses and releases sent through this host
    std::vector<std::string> errors;  // every handler failure reported
    // Called while a box is open, before it is answered (a test may advance time here, or
    // answer it with app.boxKey or app.boxClick; otherwise its default button answers).
    std::function<void(const MessageBox&)> onBox;

    int runMessageBox(const MessageBox& box) override;
    void reportError(const std::string& message) override;

    // Moves virtual time on by ms, delivering every grid step on the way.
    void advance(double ms);
    // Runs grid steps until the predicate holds or the time limit passes; returns whether it
    // held.
    bool advanceUntil(const std::function<bool()>& done, double limitMs);

    // The pointer at the centre of a control (or at a desktop point, in twips). Returns
    // whether the control itself receives the pointer there.
    bool move(const Control& control);
    void moveTo(double x, double y);
    // Press and release at the centre of a button; returns whether the button took it.
    bool click(const Control& control);
    void clickAt(double x, double y);
};

}  // namespace ormal
