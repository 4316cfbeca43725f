// forms.h: the form model. Forms and their controls with the properties the screens use,
// in twips (1/1440 inch, 15 per pixel at 96 dpi). No drawing and no platform here: the
// renderer reads these objects, and the application object routes input and time to them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "picture.h"

namespace ormal {
class Scheduler;
}

namespace ormal {

class Application;
class Container;
class Form;

using Color = std::uint32_t;  // 0xRRGGBB

// Colours the desktop platform gives controls that name none.
inline constexpr Color kButtonFace = 0xD4D0C8;
inline constexpr Color kTooltipBack = 0xFFFFE1;

struct Font {
    std::string Name = "MS Sans Serif";
    double Size = 8.25;  // points
    bool Bold = false;
    bool Italic = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Keys the application understands. Each acts only as a click on a button (a shortcut of
// the button, or the button that has the keyboard focus), or moves the focus.
enum class Key {
    None,
    Keypad1,
    Keypad2,
    Keypad3,
    Keypad4,
    Keypad5,
    Keypad6,
    Keypad7,
    Keypad8,
    Keypad9,
    Enter,
    Space,
    Escape,
    Tab,
    Up,
    Down,
    Left,
    Right
};

// A key, or two keys held together, standing for a click on a button.
class Shortcut {
  public:
    Shortcut(Key key) : keys_(bit(key)) {}  // NOLINT: a key is a shortcut
    Shortcut(Key first, Key second) : keys_(bit(first) | bit(second)) {}
    std::uint32_t keys() const { return keys_; }
    static std::uint32_t bit(Key key) {
        return key == Key::None ? 0 : std::uint32_t{1} << static_cast<int>(key);
    }

  private:
    std::uint32_t keys_;
};

enum class Kind { Form, CommandButton, Label, PictureBox, Image, Shape, Line, Frame };

// A rectangle in twips.
struct Rect {
    double x = 0, y = 0, w = 0, h = 0;
    bool contains(double px, double py) const {
        return px >= x && py >= y && px < x + w && py < y + h;
    }
};

// Measures text as it will be drawn; the renderer provides it so that hit-testing and drawing
// agree on the size of auto-size labels.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // Size of one line of text in twips.
    virtual void measure(const Font& font, const std::string& text, double& width,
                         double& height) = 0;
};

class Control {
  public:
    Control(Kind kind, std::string name) : Name(std::move(name)), kind_(kind) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string Name;
    // Twips, relative to the container. Single precision, as the game's own: the markers step
    // by adding 5 twips in single precision, and the arrival test relies on the exact values.
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    bool Enabled = true;
    ormal::Font Font;
    std::function<void()> MouseMove;

    Kind kind() const { return kind_; }
    Container* parent() const { return parent_; }
    Form& form();
    const Form& form() const { return const_cast<Control*>(this)->form(); }

    // Buttons, picture boxes and frames are windows of their own and lie above the rest.
    bool windowed() const {
        return kind_ == Kind::CommandButton || kind_ == Kind::PictureBox || kind_ == Kind::Frame;
    }
    // Shapes and lines are only drawn; everything else receives the pointer.
    bool takesPointer() const { return kind_ != Kind::Shape && kind_ != Kind::Line; }

    // The size the control has now: auto-size labels follow their text, images their picture.
    virtual void extent(TextMeasure* measure, double& width, double& height) const;

  private:
    friend class Container;
    Kind kind_;
    Container* parent_ = nullptr;
};

class Container : public Control {
  public:
    using Control::Control;
    Color BackColor = kButtonFace;
    // Children in table order: the first lies in front within its layer.
    const std::vector<Control*>& children() const { return children_; }
    // The children in the order they are drawn over one another, front first.
    const std::vector<Control*>& frontToBack() const { return layered_; }
    // Offset of the children's origin from the container's top left (a border, if any).
    virtual double inset() const { return 0; }
    void adopt(Control& child);

  private:
    std::vector<Control*> children_;
    std::vector<Control*> layered_;  // windowed children first, each group in table order
};

class CommandButton : public Control {
  public:
    explicit CommandButton(std::string name) : Control(Kind::CommandButton, std::move(name)) {}
    std::string Caption;
    Color BackColor = kButtonFace;
    ormal::Picture Picture;
    bool Graphical = false;
    std::optional<Color> MaskColor;
    std::vector<Shortcut> Keys;  // keyboard shortcuts standing for a click
    std::function<void()> Click;
    bool pressed = false;  // held down by the pointer; set by the application
};

class Label : public Control {
  public:
    explicit Label(std::string name) : Control(Kind::Label, std::move(name)) {}
    std::string Caption;
    Color BackColor = kButtonFace;
    Color ForeColor = 0x000000;
    bool AutoSize = false;
    bool Centered = false;
    bool Transparent = false;
    void extent(TextMeasure* measure, double& width, double& height) const override;
};

class Image : public Control {
  public:
    explicit Image(std::string name) : Control(Kind::Image, std::move(name)) {}
    // An image takes the size of its picture. Without one it keeps its own size, draws
    // nothing and still takes the pointer: the planet areas of the star map are such images.
    ormal::Picture Picture;
    void extent(TextMeasure* measure, double& width, double& height) const override;
};

enum class ShapeKind { Rectangle, Oval, RoundedRectangle };

class Shape : public Control {
  public:
    explicit Shape(std::string name) : Control(Kind::Shape, std::move(name)) {}
    ShapeKind Type = ShapeKind::Rectangle;
    Color FillColor = 0xFFFFFF;
    std::optional<Color> BorderColor;  // none: a darker shade of the fill
};

class Line : public Control {
  public:
    explicit Line(std::string name) : Control(Kind::Line, std::move(name)) {}
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Color BorderColor = 0x000000;
};

class PictureBox : public Container {
  public:
    explicit PictureBox(std::string name) : Container(Kind::PictureBox, std::move(name)) {}
    ormal::Picture Picture;  // drawn at the top left of the interior at its own size, clipped
    double inset() const override { return 15; }  // a one-pixel sunken border
};

class Frame : public Container {
  public:
    explicit Frame(std::string name) : Container(Kind::Frame, std::move(name)) {}
    std::string Caption;
    Color ForeColor = 0x000000;
};

// A timer raises its event once per elapsed interval while enabled. Enabling a stopped timer
// restarts its interval; enabling a running one changes nothing.
class Timer {
  public:
    explicit Timer(std::string name) : Name(std::move(name)), Enabled(*this) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    class Switch {
      public:
        explicit Switch(Timer& timer) : timer_(timer) {}
        Switch& operator=(bool on);
        operator bool() const { return on_; }

      private:
        friend class Timer;
        friend class Scheduler;
        Timer& timer_;
        bool on_ = false;
    };

    const std::string Name;
    int Interval = 0;  // milliseconds
    Switch Enabled;
    std::function<void()> OnTimer;

  private:
    friend class Scheduler;
    friend class Form;
    Scheduler* scheduler_ = nullptr;
    std::int64_t due_ = 0;      // microseconds on the application clock
    std::uint32_t starts_ = 0;  // counts enablings, so a tick can tell a restarted timer
};

// A top-level window. Left and Top place its client area on the desktop.
class Form : public Container {
  public:
    Form(Application& app, std::string name);
    ~Form() override;

    std::string Caption;
    ormal::Picture Picture;  // background picture at the top left, at its own size
    bool Framed = false;     // smaller windows are drawn with a raised border and a shadow

    Application& app() const { return app_; }
    Rect clientRect() const { return {Left, Top, Width, Height}; }

    // Bring to the front, shown (modeless).
    void Show();
    // Hide without destroying; Show brings it back.
    void Hide();

  protected:
    // Layout helpers: each places a control in a container at (left, top) with a size, in the
    // table's order, so the order of the calls is the order of the rows.
    template <class C>
    C& place(Container& in, C& control, float left, float top, float width, float height) {
        control.Left = left;
        control.Top = top;
        control.Width = width;
        control.Height = height;
        control.Font = Font;
        in.adopt(control);
        return control;
    }
    template <class C>
    C& place(C& control, float left, float top, float width, float height) {
        return place(*this, control, left, top, width, height);
    }
    // Registers a timer with the application's clock; enabled timers start at once.
    Timer& place(Timer& timer, int interval, bool enabled);

  private:
    Application& app_;
};

}  // namespace ormal
