// forms.cpp: containers, sizes of controls, and forms.
#include "forms.h"

#include <algorithm>

#include "app.h"

namespace ormal {

namespace {

// Without a renderer (some unit tests), text is estimated: half an em per character.
void estimate(const Font& font, const std::string& text, double& width, double& height) {
    std::size_t chars = 0;
    for (unsigned char c : text) chars += (c & 0xC0) != 0x80;  // count UTF-8 characters
    double em = font.Size * 20.0;                              // points to twips
    width = chars * em * 0.5;
    height = em * 1.25;
}

}  // namespace

Form& Control::form() {
    Control* c = this;
    while (c->parent_) c = c->parent_;
    return static_cast<Form&>(*c);
}

void Control::extent(TextMeasure*, double& width, double& height) const {
    width = Width;
    height = Height;
}

void Label::extent(TextMeasure* measure, double& width, double& height) const {
    if (!AutoSize) return Control::extent(measure, width, height);
    if (measure)
        measure->measure(Font, Caption, width, height);
    else
        estimate(Font, Caption, width, height);
    if (Caption.empty()) width = 0;  // an empty auto-size label shrinks to nothing
}

void Image::extent(TextMeasure* measure, double& width, double& height) const {
    if (Picture.empty()) return Control::extent(measure, width, height);
    width = Picture.widthTwips();
    height = Picture.heightTwips();
}

void Container::adopt(Control& child) {
    child.parent_ = this;
    children_.push_back(&child);
    // Windowed controls lie above graphical ones; within each group the table order holds.
    auto firstGraphical =
        std::find_if(layered_.begin(), layered_.end(), [](Control* c) { return !c->windowed(); });
    if (child.windowed())
        layered_.insert(firstGraphical, &child);
    else
        layered_.push_back(&child);
}

Timer::~Timer() {
    if (scheduler_) scheduler_->remove(*this);
}

Timer::Switch& Timer::Switch::operator=(bool on) {
    if (timer_.scheduler_)
        timer_.scheduler_->setEnabled(timer_, on);
    else
        on_ = on;
    return *this;
}

Form::Form(Application& app, std::string name) : Container(Kind::Form, std::move(name)), app_(app) {
    Visible = false;
    Width = 15360;
    Height = 11520;
}

Form::~Form() = default;

void Form::Show() {
    Visible = true;
    app_.bringToFront(*this);
}

void Form::Hide() {
    Visible = false;
}

Timer& Form::place(Timer& timer, int interval, bool enabled) {
    timer.Interval = interval;
    app_.scheduler().add(timer);
    timer.Enabled = enabled;
    return timer;
}

}  // namespace ormal
