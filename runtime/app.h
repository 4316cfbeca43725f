// app.h: the application object. It owns the forms (each created on first reference and
// never destroyed), keeps their stacking order, routes pointer and keyboard input to the
// control under the pointer, runs the timers on the clock, and provides the program's
// services: message boxes, End and the random sequence. The front end (a real window or a
// headless test harness) drives it through this interface and supplies a Host and a Clock.
#pragma once

#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "convert.h"
#include "forms.h"

namespace ormal {

// Time is counted in microseconds; timers tick on a grid of 1/64 s.
inline constexpr std::int64_t kGridMicros = 15625;

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMicros() = 0;
};

// A clock that moves only when told: for tests and the headless game.
class ManualClock : public Clock {
  public:
    std::int64_t nowMicros() override { return now_; }
    void set(std::int64_t micros) { now_ = micros; }

  private:
    std::int64_t now_ = 0;
};

// Message box styles: the buttons (low bits), the icon, and which button is the default.
inline constexpr int kBoxOkOnly = 0;
inline constexpr int kBoxYesNo = 4;
inline constexpr int kBoxStopIcon = 16;
inline constexpr int kBoxQuestionIcon = 32;
inline constexpr int kBoxDefaultSecond = 256;
// What a box returns: the button pressed.
inline constexpr int kBoxOk = 1;
inline constexpr int kBoxYes = 6;
inline constexpr int kBoxNo = 7;

struct MessageBox {
    std::string prompt;
    std::string title;
    int style = 0;  // 0: OK only; 16: stop icon; 24: stop icon with button-set value 8
    int focus = 0;  // the button that Enter and Space press
    bool stopIcon() const { return (style & 0x70) == kBoxStopIcon; }
    bool questionIcon() const { return (style & 0x70) == kBoxQuestionIcon; }
    bool yesNo() const { return (style & 7) == kBoxYesNo; }
    // The buttons' captions, left to right, and what each returns.
    std::vector<std::string> buttons() const;
    int result(int button) const;
    int defaultButton() const { return yesNo() && (style & 0x300) == kBoxDefaultSecond ? 1 : 0; }
    // Escape presses the last button: "OK", or "Нет", the safe answer.
    int escapeButton() const { return yesNo() ? 1 : 0; }
};

// What the front end does for the application.
class Host {
  public:
    virtual ~Host() = default;
    // Shows the box and returns once the player has answered it, with the button pressed.
    virtual int runMessageBox(const MessageBox& box) = 0;
    // A handler failed; the program goes on.
    virtual void reportError(const std::string& message) = 0;
};

// Thrown by End to leave the running handler at once; the application catches it.
struct ProgramEnd {};

// Runs the timers. Several timers due at the same grid step tick in the order they were
// registered, which is the order in which their forms were created and their rows placed.
class Scheduler {
  public:
    explicit Scheduler(Clock& clock) : clock_(clock) {}
    void add(Timer& timer);
    void remove(Timer& timer);
    void setEnabled(Timer& timer, bool on);

    // The grid step at or after the earliest due time, if any timer runs.
    std::optional<std::int64_t> nextTick() const;
    // The timers due at the grid step of 'now', in order; each is rescheduled before it runs.
    struct Due {
        Timer* timer;
        std::uint32_t start;
    };
    std::vector<Due> takeDue(std::int64_t now);
    // Whether a timer taken as due is still running the same interval (not stopped or
    // restarted by a tick before it).
    static bool stillRunning(const Due& due) {
        return due.timer->Enabled && due.timer->starts_ == due.start;
    }

    // While paused (a message box is open) nothing is due; resuming shifts every due time by
    // the pause, so the timers go on where they were without catching up.
    void pause();
    void resume();
    bool paused() const { return pausedAt_.has_value(); }

  private:
    Clock& clock_;
    std::vector<Timer*> timers_;
    std::optional<std::int64_t> pausedAt_;
};

class Application {
  public:
    Application(Host& host, Clock& clock);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one form of type F, created (not shown) on first reference.
    template <class F>
    F& form() {
        auto& slot = forms_[std::type_index(typeid(F))];
        if (!slot) {
            slot = std::make_unique<F>(*this);
            created_.push_back(slot.get());
            zorder_.push_back(slot.get());
        }
        return static_cast<F&>(*slot);
    }
    template <class F>
    bool exists() const {
        return forms_.count(std::type_index(typeid(F))) != 0;
    }
    // Every form created so far, in order of creation.
    const std::vector<Form*>& forms() const { return created_; }

    // Stacking: all created forms, front first; hidden ones keep their place.
    const std::vector<Form*>& zorder() const { return zorder_; }
    void bringToFront(Form& form);
    // The front-most shown form.
    Form* front() const;
    // The front-most shown form whose client area holds the desktop point.
    Form* formAt(double x, double y) const;

    // Pointer input, in desktop twips. A disabled form, a hidden control or an open message
    // box takes none.
    void pointerMove(double x, double y);
    void pointerDown(double x, double y);
    void pointerUp(double x, double y);
    // Keys. Each acts only as a click on a shown, enabled button of the front form while that
    // form takes input, or moves the keyboard focus among those buttons: Tab and Shift+Tab move
    // it in reading order, and Enter or Space press the focused button once the focus has been
    // shown. Otherwise a button's shortcut takes the key: keys held together (two arrows)
    // first, then the key alone. Returns whether anything took the key.
    bool keyDown(Key key, bool shift = false);
    void keyUp(Key key);
    void releaseKeys();                     // the window lost the keyboard
    bool key(Key key, bool shift = false);  // a press and a release
    // The button whose focus rectangle is drawn: focus shown, on the front form, usable.
    const CommandButton* focused() const;
    // The usable buttons of the front form in reading order (top to bottom, left to right).
    std::vector<CommandButton*> focusOrder() const;

    // While a message box is open: a key or a click on one of its buttons answers it.
    void boxKey(Key key, bool shift = false);
    void boxClick(int button);
    std::optional<int> boxAnswer() const { return boxAnswer_; }

    // The player asked to close the window. With a box open the program ends at once (a
    // second request while the question is open, or a stuck game); otherwise OnClose
    // decides, and without one the program ends.
    void requestClose();
    std::function<void()> OnClose;

    // A window that has just come to the front ignores a press for this long, so that a
    // quick second click meant for what was there before does not land on it.
    void setFreshWindowGuard(std::int64_t micros) { freshGuard_ = micros; }
    bool justAppeared() const;

    // The control (or form) that receives pointer events at the desktop point, if any form
    // lies there: in the front-most shown form, the front-most shown control under the point
    // that takes the pointer (windowed controls before graphical ones, each group in table
    // order), looking into picture boxes and frames. A disabled control passes the pointer to
    // its container; shapes and lines are passed over.
    Control* hitTest(double x, double y) const;
    // Where a control lies on the desktop, in twips, and whether it and every container up
    // to its form are shown.
    Rect desktopRect(const Control& control) const;
    static bool shown(const Control& control);
    static bool usable(const Control& control);  // shown, and enabled all the way up

    // Runs the timers due by the clock's time. The front end calls it when nextTick() says.
    void runTimers();
    std::optional<std::int64_t> nextTick() const { return scheduler_.nextTick(); }
    Scheduler& scheduler() { return scheduler_; }
    Clock& clock() { return clock_; }

    // Program services. The title names the program: the default title of message boxes.
    std::string Title;
    int MsgBox(const std::string& prompt, int style = 0, const std::string& title = "");
    [[noreturn]] void End();
    double Rnd() { return random_.next(); }
    Random& random() { return random_; }

    bool ended() const { return ended_; }
    const MessageBox* openBox() const { return openBox_ ? &*openBox_ : nullptr; }
    CommandButton* captured() const { return captured_; }

    void setMeasure(TextMeasure* measure) { measure_ = measure; }
    TextMeasure* measure() const { return measure_; }

    // Runs a handler as an event: nothing after End, errors reported to the host.
    void dispatch(const std::function<void()>& handler);

  private:
    Control* hitIn(const Container& container, double x, double y) const;

    Host& host_;
    Clock& clock_;
    Scheduler scheduler_;
    Random random_;
    std::unordered_map<std::type_index, std::unique_ptr<Form>> forms_;
    std::vector<Form*> created_;
    std::vector<Form*> zorder_;
    std::optional<MessageBox> openBox_;
    std::optional<int> boxAnswer_;
    CommandButton* captured_ = nullptr;
    CommandButton* focus_ = nullptr;
    bool focusShown_ = false;
    std::uint32_t held_ = 0;  // keys held down
    std::int64_t freshGuard_ = 0;
    std::int64_t frontSince_ = INT64_MIN / 2;
    TextMeasure* measure_ = nullptr;
    bool ended_ = false;
};

}  // namespace ormal
