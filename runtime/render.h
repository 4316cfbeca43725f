// render.h: draws the stack of forms (and an open message box) with cairo and pango, and
// repaints only what changed since the last frame. It works on any cairo image surface, so
// tests render without a display; the window front end hands it the window's own pixels.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app.h"

namespace ormal {

// The design size of the desktop: 1024 x 768 pixels of 15 twips.
inline constexpr int kDesignWidth = 1024;
inline constexpr int kDesignHeight = 768;

struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
};

// Where the design desktop lies on the target surface: scaled by 'scale' and moved by the
// offset (letterboxing); the rest of the target is black.
struct Viewport {
    int width = kDesignWidth;  // target size in pixels
    int height = kDesignHeight;
    double scale = 1.0;
    int offsetX = 0, offsetY = 0;
    // The largest scale that fits the design desktop into a target, centred.
    static Viewport fit(int width, int height);
    // Desktop twips of a target pixel.
    void toTwips(double px, double py, double& x, double& y) const;
};

// The pieces of an open message box, in design pixels, for drawing and for its buttons.
struct BoxLayout {
    PixelRect frame, title, icon, text;
    std::vector<PixelRect> buttons;  // left to right, as MessageBox::buttons() names them
};

class Renderer : public TextMeasure {
  public:
    Renderer();
    ~Renderer() override;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    void measure(const Font& font, const std::string& text, double& width, double& height) override;

    // Brings the target up to date with the application's forms and returns the rectangles
    // (target pixels) that were repainted. The first frame, a new viewport or invalidate()
    // repaint everything.
    std::vector<PixelRect> render(const Application& app, cairo_surface_t* target,
                                  const Viewport& viewport);
    void invalidate() { full_ = true; }

    // Where a control's caption is drawn at a scale, in target pixels from the control's top
    // left: the room the caption has (the control, less a button's bevel and the margin a
    // label keeps clear of neighbours that overlap it), and the ink of its letters.
    struct TextFit {
        PixelRect box, ink;
    };
    std::optional<TextFit> textFit(const Application& app, const Control& control, double scale);

    // Texts and pictures as the player sees them. The forms keep their own texts, which the
    // program compares; a translation shows each through 'text', and each picture through its
    // variant named with 'pictureSuffix' appended, where one is built in.
    void setTranslation(std::function<std::string(const std::string&)> text,
                        std::string pictureSuffix);

    // What the renderer keeps for the current scale (scaled pictures, drawn texts), in bytes;
    // all of it is dropped when the scale changes.
    std::size_t cachedBytes() const;

    BoxLayout layoutBox(const MessageBox& box);

    // The pango family that stands for a font name of the forms.
    static std::string family(const std::string& name);
    // Whether the fonts found can show every letter of the text, in every family the forms
    // name; without them text is drawn as empty boxes.
    bool canShow(const std::string& text);

  private:
    struct Item;
    struct State;
    std::unique_ptr<State> state_;
    bool full_ = true;
};

// Renders the application once into a new image surface at the design size (for tests and
// screenshots). The caller owns the surface.
cairo_surface_t* renderToImage(const Application& app, Renderer& renderer);

}  // namespace ormal
