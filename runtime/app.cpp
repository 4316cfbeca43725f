// app.cpp: stacking, input routing, timers and the program services.
#include "app.h"

#include <algorithm>

namespace ormal {

// ---- Scheduler ----

void Scheduler::add(Timer& timer) {
    timer.scheduler_ = this;
    timers_.push_back(&timer);
}

void Scheduler::remove(Timer& timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
    timer.scheduler_ = nullptr;
}

void Scheduler::setEnabled(Timer& timer, bool on) {
    if (on && !timer.Enabled.on_) {
        std::int64_t now = pausedAt_ ? *pausedAt_ : clock_.nowMicros();
        timer.due_ = now + std::max(timer.Interval, 0) * std::int64_t{1000};
        ++timer.starts_;
    }
    timer.Enabled.on_ = on;
}

namespace {
std::int64_t gridAtOrAfter(std::int64_t t) {
    std::int64_t q = t / kGridMicros;
    if (q * kGridMicros < t) ++q;
    return q * kGridMicros;
}
}  // namespace

std::optional<std::int64_t> Scheduler::nextTick() const {
    if (pausedAt_) return std::nullopt;
    std::optional<std::int64_t> earliest;
    for (const Timer* t : timers_)
        if (t->Enabled.on_ && (!earliest || t->due_ < *earliest)) earliest = t->due_;
    if (!earliest) return std::nullopt;
    return gridAtOrAfter(*earliest);
}

std::vector<Scheduler::Due> Scheduler::takeDue(std::int64_t now) {
    std::vector<Due> due;
    if (pausedAt_) return due;
    std::int64_t step = now - now % kGridMicros;  // the grid step we are at
    for (Timer* t : timers_) {
        if (!t->Enabled.on_ || gridAtOrAfter(t->due_) > step) continue;
        std::int64_t interval = std::max<std::int64_t>(t->Interval, 0) * 1000;
        // Keep the phase when on time; when behind, tick once and start again from now.
        std::int64_t next = t->due_ + interval;
        if (gridAtOrAfter(next) <= step) next = step + interval;
        if (next <= t->due_) next = step + kGridMicros;  // a zero interval still waits a step
        t->due_ = next;
        due.push_back({t, t->starts_});
    }
    return due;
}

void Scheduler::pause() {
    if (!pausedAt_) pausedAt_ = clock_.nowMicros();
}

void Scheduler::resume() {
    if (!pausedAt_) return;
    std::int64_t shift = clock_.nowMicros() - *pausedAt_;
    pausedAt_.reset();
    for (Timer* t : timers_) t->due_ += shift;
}

// ---- Application ----

Application::Application(Host& host, Clock& clock)
    : host_(host), clock_(clock), scheduler_(clock) {}

Application::~Application() = default;

void Application::bringToFront(Form& form) {
    Form* was = front();
    auto it = std::find(zorder_.begin(), zorder_.end(), &form);
    if (it != zorder_.end()) zorder_.erase(it);
    zorder_.insert(zorder_.begin(), &form);
    if (front() != was) frontSince_ = clock_.nowMicros();
}

bool Application::justAppeared() const {
    return freshGuard_ > 0 && clock_.nowMicros() - frontSince_ < freshGuard_;
}

Form* Application::front() const {
    for (Form* f : zorder_)
        if (f->Visible) return f;
    return nullptr;
}

Form* Application::formAt(double x, double y) const {
    for (Form* f : zorder_)
        if (f->Visible && f->clientRect().contains(x, y)) return f;
    return nullptr;
}

Control* Application::hitIn(const Container& container, double x, double y) const {
    // x, y relative to the container's top left
    double inset = container.inset();
    double cx = x - inset, cy = y - inset;
    for (Control* c : container.frontToBack()) {
        if (!c->Visible || !c->takesPointer()) continue;
        double w, h;
        c->extent(measure_, w, h);
        if (!Rect{c->Left, c->Top, w, h}.contains(cx, cy)) continue;
        if (!c->Enabled) return const_cast<Container*>(&container);
        if (c->kind() == Kind::PictureBox || c->kind() == Kind::Frame)
            return hitIn(static_cast<const Container&>(*c), cx - c->Left, cy - c->Top);
        return c;
    }
    return const_cast<Container*>(&container);
}

Control* Application::hitTest(double x, double y) const {
    Form* form = formAt(x, y);
    if (!form) return nullptr;
    return hitIn(*form, x - form->Left, y - form->Top);
}

Rect Application::desktopRect(const Control& control) const {
    double w, h;
    control.extent(measure_, w, h);
    Rect r{control.Left, control.Top, w, h};
    for (const Container* p = control.parent(); p; p = p->parent()) {
        r.x += p->Left + p->inset();
        r.y += p->Top + p->inset();
    }
    if (control.kind() == Kind::Form) r = {control.Left, control.Top, w, h};
    return r;
}

bool Application::shown(const Control& control) {
    for (const Control* c = &control; c; c = c->parent())
        if (!c->Visible) return false;
    return true;
}

bool Application::usable(const Control& control) {
    for (const Control* c = &control; c; c = c->parent())
        if (!c->Visible || !c->Enabled) return false;
    return true;
}

void Application::dispatch(const std::function<void()>& handler) {
    if (ended_ || !handler) return;
    try {
        handler();
    } catch (const ProgramEnd&) {
        ended_ = true;
    } catch (const std::exception& e) {
        host_.reportError(e.what());
    }
}

void Application::pointerMove(double x, double y) {
    if (ended_ || openBox_) return;
    Control* target = hitTest(x, y);
    if (captured_) captured_->pressed = (target == captured_);
    if (!target || !target->form().Enabled) return;
    dispatch(target->MouseMove);
}

void Application::pointerDown(double x, double y) {
    if (ended_ || openBox_ || justAppeared()) return;
    Control* target = hitTest(x, y);
    if (!target || !target->form().Enabled || target->kind() != Kind::CommandButton) return;
    captured_ = static_cast<CommandButton*>(target);
    captured_->pressed = true;
}

void Application::pointerUp(double x, double y) {
    if (!captured_) return;
    CommandButton* button = captured_;
    captured_ = nullptr;
    button->pressed = false;
    if (ended_ || openBox_) return;
    if (hitTest(x, y) == button && usable(*button) && button->form().Enabled)
        dispatch(button->Click);
}

namespace {

// The usable buttons of a form, depth first in table order.
void usableButtons(const Container& container, std::vector<CommandButton*>& out) {
    for (Control* child : container.children()) {
        if (!child->Visible) continue;
        if (child->kind() == Kind::PictureBox || child->kind() == Kind::Frame)
            usableButtons(static_cast<const Container&>(*child), out);
        if (child->kind() == Kind::CommandButton && Application::usable(*child))
            out.push_back(static_cast<CommandButton*>(child));
    }
}

}  // namespace

std::vector<CommandButton*> Application::focusOrder() const {
    std::vector<CommandButton*> buttons;
    Form* form = front();
    if (!form || !form->Enabled) return buttons;
    usableButtons(*form, buttons);
    std::stable_sort(buttons.begin(), buttons.end(), [this](CommandButton* a, CommandButton* b) {
        Rect ra = desktopRect(*a), rb = desktopRect(*b);
        return ra.y != rb.y ? ra.y < rb.y : ra.x < rb.x;
    });
    return buttons;
}

const CommandButton* Application::focused() const {
    if (!focusShown_ || !focus_ || openBox_) return nullptr;
    Form* form = front();
    if (!form || !form->Enabled || &focus_->form() != form || !usable(*focus_)) return nullptr;
    return focus_;
}

bool Application::keyDown(Key key, bool shift) {
    if (ended_ || key == Key::None) return false;
    held_ |= Shortcut::bit(key);
    if (openBox_) return false;
    Form* form = front();
    if (!form || !form->Enabled) return false;
    if (key == Key::Tab) {
        std::vector<CommandButton*> order = focusOrder();
        if (order.empty()) return false;
        auto n = static_cast<std::ptrdiff_t>(order.size());
        auto at = std::find(order.begin(), order.end(), focused()) - order.begin();
        if (at == n) at = shift ? 0 : n - 1;  // nothing focused: start from the first or last
        focus_ = order[static_cast<std::size_t>((at + (shift ? n - 1 : 1)) % n)];
        focusShown_ = true;
        return true;
    }
    if (key == Key::Enter || key == Key::Space) {
        if (const CommandButton* button = focused()) {
            dispatch(button->Click);
            return true;
        }
    }
    std::vector<CommandButton*> buttons;
    usableButtons(*form, buttons);
    // Keys held together first (up and right: up-right), then the key alone.
    for (std::uint32_t want : {held_, Shortcut::bit(key)}) {
        for (CommandButton* button : buttons) {
            for (const Shortcut& shortcut : button->Keys) {
                if (shortcut.keys() != want) continue;
                dispatch(button->Click);
                return true;
            }
        }
    }
    return false;
}

void Application::keyUp(Key key) {
    held_ &= ~Shortcut::bit(key);
}

void Application::releaseKeys() {
    held_ = 0;
}

bool Application::key(Key key, bool shift) {
    bool took = keyDown(key, shift);
    keyUp(key);
    return took;
}

void Application::boxKey(Key key, bool shift) {
    if (!openBox_ || boxAnswer_) return;
    auto n = static_cast<int>(openBox_->buttons().size());
    int& focus = openBox_->focus;
    switch (key) {
        case Key::Tab:
            focus = (focus + (shift ? n - 1 : 1)) % n;
            break;
        case Key::Left:
        case Key::Up:
            focus = (focus + n - 1) % n;
            break;
        case Key::Right:
        case Key::Down:
            focus = (focus + 1) % n;
            break;
        case Key::Enter:
        case Key::Space:
            boxAnswer_ = focus;
            break;
        case Key::Escape:
            boxAnswer_ = openBox_->escapeButton();
            break;
        default:
            break;
    }
}

void Application::boxClick(int button) {
    if (!openBox_ || boxAnswer_) return;
    if (button >= 0 && button < static_cast<int>(openBox_->buttons().size())) boxAnswer_ = button;
}

void Application::requestClose() {
    if (ended_) return;
    if (openBox_) End();  // unwinds through the box and the handler that opened it
    if (OnClose)
        dispatch(OnClose);
    else
        ended_ = true;
}

void Application::runTimers() {
    if (ended_) return;
    for (const Scheduler::Due& due : scheduler_.takeDue(clock_.nowMicros())) {
        // An earlier tick of this step may have stopped or restarted it, or ended the program.
        if (ended_) return;
        if (!Scheduler::stillRunning(due)) continue;
        dispatch(due.timer->OnTimer);
    }
}

std::vector<std::string> MessageBox::buttons() const {
    if (yesNo()) return {"Да", "Нет"};
    return {"OK"};
}

int MessageBox::result(int button) const {
    if (yesNo()) return button == 0 ? kBoxYes : kBoxNo;
    return kBoxOk;
}

int Application::MsgBox(const std::string& prompt, int style, const std::string& title) {
    if (captured_) {
        captured_->pressed = false;
        captured_ = nullptr;
    }
    openBox_ = MessageBox{prompt, title.empty() ? Title : title, style};
    openBox_->focus = openBox_->defaultButton();
    boxAnswer_.reset();
    frontSince_ = clock_.nowMicros();
    scheduler_.pause();
    int button = 0;
    auto close = [this] {
        openBox_.reset();
        boxAnswer_.reset();
        scheduler_.resume();
    };
    try {
        button = host_.runMessageBox(*openBox_);
    } catch (...) {
        close();
        throw;
    }
    int result = openBox_->result(button);
    close();
    return result;
}

void Application::End() {
    ended_ = true;
    throw ProgramEnd{};
}

}  // namespace ormal
