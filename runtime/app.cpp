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
    auto it = std::find(zorder_.begin(), zorder_.end(), &form);
    if (it != zorder_.end()) zorder_.erase(it);
    zorder_.insert(zorder_.begin(), &form);
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
    if (ended_ || openBox_) return;
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

bool Application::key(Key key) {
    if (ended_ || openBox_ || key == Key::None) return false;
    Form* form = front();
    if (!form || !form->Enabled) return false;
    // Depth-first over the form's controls; the first usable button with the key takes it.
    std::vector<const Container*> pending{form};
    while (!pending.empty()) {
        const Container* c = pending.back();
        pending.pop_back();
        for (Control* child : c->children()) {
            if (child->kind() == Kind::PictureBox || child->kind() == Kind::Frame)
                pending.push_back(static_cast<const Container*>(child));
            if (child->kind() != Kind::CommandButton) continue;
            auto* button = static_cast<CommandButton*>(child);
            if (std::find(button->Keys.begin(), button->Keys.end(), key) == button->Keys.end())
                continue;
            if (!usable(*button)) continue;
            dispatch(button->Click);
            return true;
        }
    }
    return false;
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

void Application::MsgBox(const std::string& prompt, int style, const std::string& title) {
    if (captured_) {
        captured_->pressed = false;
        captured_ = nullptr;
    }
    openBox_ = MessageBox{prompt, title.empty() ? kProgramTitle : title, style};
    scheduler_.pause();
    MessageBox box = *openBox_;
    try {
        host_.runMessageBox(box);
    } catch (...) {
        openBox_.reset();
        scheduler_.resume();
        throw;
    }
    openBox_.reset();
    scheduler_.resume();
}

void Application::End() {
    ended_ = true;
    throw ProgramEnd{};
}

}  // namespace ormal
