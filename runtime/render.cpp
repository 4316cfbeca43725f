// render.cpp: cairo/pango drawing of the forms, with damage tracking. Each frame lists what
// is to be seen (one item per form background, control and message box, with its pixel
// rectangle and a hash of its looks), compares the list with the last frame's, and repaints
// only the rectangles whose items changed.
#include "render.h"

#include <librsvg/rsvg.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

#include "handles.h"

namespace ormal {

namespace {

constexpr double kTwipsPerPixel = 15.0;

// ---- Rectangles ----

PixelRect intersect(const PixelRect& a, const PixelRect& b) {
    int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    if (x1 <= x0 || y1 <= y0) return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

PixelRect unite(const PixelRect& a, const PixelRect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
    return {x0, y0, x1 - x0, y1 - y0};
}

bool touches(const PixelRect& a, const PixelRect& b) {
    return a.x <= b.x + b.w && b.x <= a.x + a.w && a.y <= b.y + b.h && b.y <= a.y + a.h;
}

bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// ---- Hashing the looks of an item ----

struct Hash {
    std::uint64_t h = 1469598103934665603ull;
    Hash& add(const void* p, std::size_t n) {
        auto* b = static_cast<const unsigned char*>(p);
        for (std::size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 1099511628211ull;
        return *this;
    }
    Hash& add(std::uint64_t v) { return add(&v, sizeof v); }
    Hash& add(double v) { return add(&v, sizeof v); }
    Hash& add(const std::string& s) { return add(s.data(), s.size()).add(std::uint64_t{s.size()}); }
    Hash& add(const Font& f) {
        return add(f.Name).add(f.Size).add(std::uint64_t(f.Bold)).add(std::uint64_t(f.Italic));
    }
    Hash& add(const Picture& p) {
        return add(std::uint64_t(reinterpret_cast<std::uintptr_t>(p.data())));
    }
};

// ---- Colours and fonts ----

void setColor(cairo_t* cr, Color c, double alpha = 1.0) {
    cairo_set_source_rgba(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0,
                          (c & 0xFF) / 255.0, alpha);
}

Color shade(Color c, double factor) {
    auto ch = [&](int shift) {
        double v = ((c >> shift) & 0xFF) * factor;
        return static_cast<Color>(std::clamp(v, 0.0, 255.0)) << shift;
    };
    return ch(16) | ch(8) | ch(0);
}

cairo_font_options_t* textOptions() {
    // Metrics without hinting, so text measures the same at every scale.
    static cairo_font_options_t* options = [] {
        cairo_font_options_t* o = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
        return o;
    }();
    return options;
}

// Adds the whole target pixels nearest to a rectangle of the current user space to the path.
// Whole pixels come out the same however much of them a repaint covers: cairo's antialiased
// edges do not (their coverage depends on the clip), so everything straight is drawn on
// whole pixels, which also keeps edges crisp at any scale.
void pixelRectangle(cairo_t* cr, double x, double y, double w, double h) {
    double x0 = x, y0 = y, x1 = x + w, y1 = y + h;
    cairo_user_to_device(cr, &x0, &y0);
    cairo_user_to_device(cr, &x1, &y1);
    cairo_matrix_t user;
    cairo_get_matrix(cr, &user);
    cairo_identity_matrix(cr);
    x0 = std::round(x0), y0 = std::round(y0), x1 = std::round(x1), y1 = std::round(y1);
    cairo_rectangle(cr, x0, y0, std::max(0.0, x1 - x0), std::max(0.0, y1 - y0));
    cairo_set_matrix(cr, &user);
}

void clipPixels(cairo_t* cr, double x, double y, double w, double h) {
    pixelRectangle(cr, x, y, w, h);
    cairo_clip(cr);
}

void fillPixels(cairo_t* cr, double x, double y, double w, double h) {
    pixelRectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

// Straight one-pixel edges are filled on whole pixels, not stroked: filling a rectangle
// costs cairo far less than stroking a path, and is the same under any clip.
void edge(cairo_t* cr, double x, double y, double w, double h) {
    fillPixels(cr, x, y, w, h);
}

// The top and left edges of a frame 'inset' pixels inside (0,0,w,h) in one colour, the
// bottom and right ones in another.
void frameEdges(cairo_t* cr, double inset, double w, double h, Color topLeft, Color bottomRight,
                double alpha = 1.0) {
    double i = inset;
    setColor(cr, topLeft, alpha);
    edge(cr, i, i, w - 2 * i, 1);
    edge(cr, i, i + 1, 1, h - 2 * i - 1);
    setColor(cr, bottomRight, alpha);
    edge(cr, i, h - i - 1, w - 2 * i, 1);
    edge(cr, w - i - 1, i, 1, h - 2 * i - 1);
}

// A bevel of two pixels inside (0,0,w,h): raised when 'raised', sunken otherwise.
void bevel(cairo_t* cr, double w, double h, bool raised, Color face) {
    Color light = raised ? shade(face, 1.45) | 0x303030 : shade(face, 0.45);
    Color dark = raised ? shade(face, 0.45) : shade(face, 1.45) | 0x303030;
    frameEdges(cr, 0, w, h, light, dark);
    frameEdges(cr, 1, w, h, light, dark, 0.6);
}

// The dotted rectangle of the button that has the keyboard focus, inside its bevel: one
// target pixel wide, its dots on whole pixels.
void focusRectangle(cairo_t* cr, double w, double h) {
    double x0 = 3, y0 = 3, x1 = w - 3, y1 = h - 3;
    cairo_user_to_device(cr, &x0, &y0);
    cairo_user_to_device(cr, &x1, &y1);
    x0 = std::round(x0), y0 = std::round(y0), x1 = std::round(x1), y1 = std::round(y1);
    if (x1 - x0 < 3 || y1 - y0 < 3) return;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_rectangle(cr, x0 + 0.5, y0 + 0.5, x1 - x0 - 1, y1 - y0 - 1);
    const double dots[] = {1.0, 1.0};
    cairo_set_dash(cr, dots, 2, 0);
    cairo_set_line_width(cr, 1.0);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    setColor(cr, 0x000000);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace

// ---- Viewport ----

Viewport Viewport::fit(int width, int height) {
    Viewport v;
    v.width = width;
    v.height = height;
    v.scale = std::min(static_cast<double>(width) / kDesignWidth,
                       static_cast<double>(height) / kDesignHeight);
    if (v.scale <= 0) v.scale = 1;
    v.offsetX = static_cast<int>(std::lround((width - kDesignWidth * v.scale) / 2));
    v.offsetY = static_cast<int>(std::lround((height - kDesignHeight * v.scale) / 2));
    return v;
}

void Viewport::toTwips(double px, double py, double& x, double& y) const {
    x = (px - offsetX) / scale * kTwipsPerPixel;
    y = (py - offsetY) / scale * kTwipsPerPixel;
}

// ---- Renderer state ----

struct Renderer::Item {
    enum class What { FormBack, Control, Box };
    What what;
    const void* id;
    const Form* form = nullptr;
    const Control* control = nullptr;
    double originX = 0, originY = 0;  // target pixels, snapped
    PixelRect rect;                   // what it covers, clipped
    PixelRect clip;                   // its container's interior
    std::uint64_t key = 0;

    Item(What w, const void* i, const Form* f, const Control* c)
        : what(w), id(i), form(f), control(c) {}
};

// How a control wants its text: the box it has, in design pixels, and how the text sits in it.
struct TextBox {
    double w = 0, h = 0;
    double pad = 0;        // design pixels kept free of ink along every edge
    bool wrap = false;     // words wrap within the width
    bool centred = false;  // horizontally
    bool middle = false;   // vertically
    bool fit = false;      // a smaller size of the font where the text would not fit
};

// Text laid out in target pixels, and where its origin goes relative to the box's top left.
struct PlacedText {
    GObject<PangoLayout> layout;
    double x = 0, y = 0;   // whole target pixels
    PangoRectangle ink{};  // target pixels, relative to the box's top left
};

struct Renderer::State {
    CairoSurface measureSurface;
    CairoContext measureCr;
    std::unordered_map<std::string, std::pair<double, double>> measured;
    // Text is laid out through the renderer's own font map, so that the fonts it keeps for
    // one scale can be dropped with it.
    GObject<PangoFontMap> fontMap;
    GObject<PangoContext> pango;
    // Pictures as drawn at the current scale, each ready to copy pixel for pixel: drawing a
    // picture through a scaling filter anew under every clip would not give the same pixels
    // twice. Dropped when the scale changes; trimmed to what is on screen when large.
    struct Scaled {
        CairoSurface surface;
        std::size_t bytes = 0;
    };
    std::map<std::pair<const PictureData*, bool>, Scaled> pictures;
    std::size_t pictureBytes = 0;
    double cachedScale = 0;
    std::vector<Item> last;
    const void* lastTarget = nullptr;
    Viewport lastViewport;
    const Application* app = nullptr;
    Viewport vp;

    State() { resetFonts(); }
    void resetFonts() {
        pango.reset();
        fontMap.reset(pango_cairo_font_map_new());
        pango.reset(pango_font_map_create_context(fontMap.get()));
        pango_cairo_context_set_font_options(pango.get(), textOptions());
    }
    // Called before every frame: what was kept for another scale goes.
    void useScale(double scale) {
        if (scale == cachedScale) return;
        cachedScale = scale;
        pictures.clear();
        pictureBytes = 0;
        texts.clear();
        textBytes = 0;
        curves.clear();
        curveBytes = 0;
        resetFonts();
    }
    void trimPictures(const std::vector<Item>& items);

    double dev(double twips) const { return twips / kTwipsPerPixel * vp.scale; }
    double snapX(double twips) const { return std::floor(vp.offsetX + dev(twips) + 0.5); }
    double snapY(double twips) const { return std::floor(vp.offsetY + dev(twips) + 0.5); }
    // The target pixels that drawing from the snapped origin (ox, oy) can touch when it stays
    // within design pixels [x0, x1) x [y0, y1) of that origin, antialiased edges included.
    PixelRect touched(double ox, double oy, double x0, double y0, double x1, double y1) const {
        int l = static_cast<int>(std::floor(ox + x0 * vp.scale));
        int t = static_cast<int>(std::floor(oy + y0 * vp.scale));
        int r = static_cast<int>(std::ceil(ox + x1 * vp.scale));
        int b = static_cast<int>(std::ceil(oy + y1 * vp.scale));
        return {l, t, r - l, b - t};
    }
    // The whole pixels inside design pixels [x0, x1) x [y0, y1) of the origin (ox, oy): where a
    // container lets its children be seen.
    PixelRect inside(double ox, double oy, double x0, double y0, double x1, double y1) const {
        auto at = [&](double o, double v) {
            return static_cast<int>(std::lround(o + v * vp.scale));
        };
        int l = at(ox, x0), t = at(oy, y0), r = at(ox, x1), b = at(oy, y1);
        return {l, t, r - l, b - t};
    }

    GObject<PangoLayout> textLayout(cairo_t* cr, const Font& font, const std::string& text,
                                    double scale = 1);
    cairo_surface_t* scaledPicture(const PictureData* p, bool greyed);
    void drawPicture(cairo_t* cr, const Picture& picture, double x, double y, bool greyed);

    // Listing what is to be seen, back to front.
    void collect(const Application& app, Renderer& renderer, std::vector<Item>& items);
    void collectChildren(const Container& container, double x, double y, const PixelRect& clip,
                         std::uint64_t formKey, std::vector<Item>& items);
    // Drawing one item, with the origin at its snapped top left.
    void draw(cairo_t* cr, const Item& item, Renderer& renderer);
    void drawControl(cairo_t* cr, const Control& control);
    void drawButton(cairo_t* cr, const CommandButton& b);
    void drawLabel(cairo_t* cr, const Label& l);
    // Text.
    PlacedText placeText(cairo_t* cr, const Font& font, const std::string& text,
                         const TextBox& box);
    void drawText(cairo_t* cr, const Font& font, const std::string& text, Color color,
                  const TextBox& box, double shift = 0);
    // Something drawn once, unclipped, into a picture of its own, and copied pixel for pixel
    // wherever it is needed: its top left lies (x, y) target pixels from the origin it was
    // drawn for.
    struct Stamp {
        CairoSurface surface;
        int x = 0, y = 0;
    };
    // Keeps a new stamp in a cache of a few megabytes, emptied when full.
    template <class Key>
    static const Stamp& keep(std::unordered_map<Key, Stamp>& cache, std::size_t& bytes, Key key,
                             Stamp stamp);
    // Copies a stamp with its origin at the whole target pixel nearest to the user origin,
    // moved right and down by 'shift' target pixels.
    static void copy(cairo_t* cr, const Stamp& stamp, double shift = 0);
    const Stamp& textImage(const Font& font, const std::string& text, Color color,
                           const TextBox& box);
    // Curves and slants (ovals, rounded panels, shadows, a box's icon): drawn once per scale
    // into a picture of their own and copied, for the same reason as texts.
    std::unordered_map<std::uint64_t, Stamp> curves;
    std::size_t curveBytes = 0;
    void drawCurves(cairo_t* cr, std::uint64_t key, double x0, double y0, double x1, double y1,
                    const std::function<void(cairo_t*)>& paint);
    std::unordered_map<std::string, Stamp> texts;
    std::size_t textBytes = 0;

    // The translation: texts shown through it, pictures through their variants.
    std::function<std::string(const std::string&)> translate;
    std::string pictureSuffix;
    std::unordered_map<std::string, std::string> translated;
    std::unordered_map<const PictureData*, Picture> variants;
    const std::string& shown(const std::string& text);
    const Picture& variant(const Picture& picture);
    void drawBox(cairo_t* cr, const MessageBox& box, Renderer& renderer);
};

namespace {

// A bitmap's pixels as a cairo surface at its own size; washed-out grey when disabled.
CairoSurface bitmapSurface(const Pixels& px, bool greyed) {
    CairoSurface s(cairo_image_surface_create(CAIRO_FORMAT_RGB24, px.width, px.height));
    cairo_surface_flush(s.get());
    unsigned char* data = cairo_image_surface_get_data(s.get());
    int stride = cairo_image_surface_get_stride(s.get());
    for (int y = 0; y < px.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < px.width; ++x) {
            std::uint32_t c = px.at(x, y);
            if (greyed) {
                double lum =
                    0.3 * ((c >> 16) & 0xFF) + 0.59 * ((c >> 8) & 0xFF) + 0.11 * (c & 0xFF);
                auto g = static_cast<std::uint32_t>(96 + lum * 0.5);
                c = (g << 16) | (g << 8) | g;
            }
            row[x] = 0xFF000000u | c;
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

// A vector picture drawn by librsvg at a size in target pixels.
CairoSurface vectorSurface(const PictureData& p, int width, int height) {
    CairoSurface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    GError* raw = nullptr;
    GObject<RsvgHandle> handle(rsvg_handle_new_from_data(p.bytes.data(), p.bytes.size(), &raw));
    GErrorHandle error(raw);
    raw = nullptr;
    bool drawn = false;
    if (handle) {
        CairoContext cr(cairo_create(s.get()));
        RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
        drawn = rsvg_handle_render_document(handle.get(), cr.get(), &viewport, &raw);
        if (raw) error.reset(raw);
    }
    if (!drawn)
        std::fprintf(stderr, "ormal: picture %s: %s\n", p.name.c_str(),
                     error ? error->message : "cannot draw");
    return s;
}

}  // namespace

const std::string& Renderer::State::shown(const std::string& text) {
    if (!translate) return text;
    if (auto it = translated.find(text); it != translated.end()) return it->second;
    if (translated.size() > 4096) translated.clear();
    return translated.emplace(text, translate(text)).first->second;
}

const Picture& Renderer::State::variant(const Picture& picture) {
    const PictureData* p = picture.data();
    if (pictureSuffix.empty() || !p) return picture;
    auto it = variants.find(p);
    if (it == variants.end()) {
        std::string name = p->name + pictureSuffix;
        it = variants.emplace(p, Picture::exists(name) ? Picture::named(name) : picture).first;
    }
    return it->second;
}

cairo_surface_t* Renderer::State::scaledPicture(const PictureData* p, bool greyed) {
    auto key = std::make_pair(p, greyed && !p->vector);
    if (auto it = pictures.find(key); it != pictures.end()) return it->second.surface.get();
    double pw = p->widthTwips / kTwipsPerPixel, ph = p->heightTwips / kTwipsPerPixel;
    int w = std::max(1, static_cast<int>(std::lround(pw * vp.scale)));
    int h = std::max(1, static_cast<int>(std::lround(ph * vp.scale)));
    CairoSurface made;
    if (p->vector) {
        made = vectorSurface(*p, w, h);  // drawn at target resolution, sharp at any scale
    } else {
        Pixels pixels = p->pixels();
        CairoSurface own = bitmapSurface(pixels, greyed);
        if (w == pixels.width && h == pixels.height) {
            made = std::move(own);
        } else {
            made.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h));
            CairoContext cr(cairo_create(made.get()));
            cairo_scale(cr.get(), double(w) / pixels.width, double(h) / pixels.height);
            cairo_set_source_surface(cr.get(), own.get(), 0, 0);
            // Edges padded, so the border pixels keep their colour instead of fading out.
            cairo_pattern_set_extend(cairo_get_source(cr.get()), CAIRO_EXTEND_PAD);
            cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_GOOD);
            cairo_paint(cr.get());
        }
    }
    std::size_t bytes = static_cast<std::size_t>(cairo_image_surface_get_stride(made.get())) * h;
    pictureBytes += bytes;
    auto& slot = pictures[key];
    slot.surface = std::move(made);
    slot.bytes = bytes;
    return slot.surface.get();
}

// Once the cache grows large, keeps only the pictures of what is on screen now: an intro
// page or a planet's surface seen once need not stay.
void Renderer::State::trimPictures(const std::vector<Item>& items) {
    constexpr std::size_t kBudget = 8u << 20;
    if (pictureBytes <= kBudget) return;
    std::unordered_map<const PictureData*, bool> seen;
    for (const Item& item : items) {
        const PictureData* p = nullptr;
        if (item.form) p = variant(item.form->Picture).data();
        if (const Control* c = item.control) {
            if (c->kind() == Kind::Image) p = variant(static_cast<const Image*>(c)->Picture).data();
            if (c->kind() == Kind::PictureBox)
                p = variant(static_cast<const PictureBox*>(c)->Picture).data();
            if (c->kind() == Kind::CommandButton)
                p = variant(static_cast<const CommandButton*>(c)->Picture).data();
        }
        if (p) seen[p] = true;
    }
    for (auto it = pictures.begin(); it != pictures.end();) {
        if (!seen.count(it->first.first)) {
            pictureBytes -= it->second.bytes;
            it = pictures.erase(it);
        } else {
            ++it;
        }
    }
}

// Draws a picture with its top left at (x, y) in the current design-pixel space: copied
// pixel for pixel from its scaled form, at the target pixel nearest to that point.
void Renderer::State::drawPicture(cairo_t* cr, const Picture& picture, double x, double y,
                                  bool greyed) {
    const PictureData* p = variant(picture).data();
    if (!p) return;
    cairo_surface_t* s = scaledPicture(p, greyed);
    double dx = x, dy = y;
    cairo_user_to_device(cr, &dx, &dy);
    dx = std::round(dx);
    dy = std::round(dy);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, s, dx, dy);
    cairo_rectangle(cr, dx, dy, cairo_image_surface_get_width(s),
                    cairo_image_surface_get_height(s));
    if (p->vector && greyed) {
        cairo_clip(cr);
        cairo_paint_with_alpha(cr, 0.4);
    } else {
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

Renderer::Renderer() : state_(std::make_unique<State>()) {
    state_->measureSurface.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4));
    state_->measureCr.reset(cairo_create(state_->measureSurface.get()));
}

GObject<PangoLayout> Renderer::State::textLayout(cairo_t* cr, const Font& font,
                                                 const std::string& text, double scale) {
    pango_cairo_update_context(cr, pango.get());
    GObject<PangoLayout> layout(pango_layout_new(pango.get()));
    PangoFontDescriptionHandle desc(pango_font_description_new());
    pango_font_description_set_family(desc.get(), Renderer::family(font.Name).c_str());
    pango_font_description_set_weight(desc.get(),
                                      font.Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc.get(),
                                     font.Italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    // Points at 96 dpi, in design pixels.
    pango_font_description_set_absolute_size(desc.get(),
                                             font.Size * 96.0 / 72.0 * scale * PANGO_SCALE);
    pango_layout_set_font_description(layout.get(), desc.get());
    pango_layout_set_text(layout.get(), text.c_str(), static_cast<int>(text.size()));
    return layout;
}

Renderer::~Renderer() = default;

void Renderer::setTranslation(std::function<std::string(const std::string&)> text,
                              std::string pictureSuffix) {
    State& s = *state_;
    s.translate = std::move(text);
    s.pictureSuffix = std::move(pictureSuffix);
    s.translated.clear();
    s.variants.clear();
    s.measured.clear();
    s.texts.clear();
    s.textBytes = 0;
    full_ = true;
}

std::size_t Renderer::cachedBytes() const {
    return state_->pictureBytes + state_->textBytes;
}

std::string Renderer::family(const std::string& name) {
    if (name == "Monotype Corsiva") return "Z003";
    if (name == "Arial" || name == "MS Sans Serif") return "Liberation Sans";
    if (name == "MS Reference Sans Serif") return "DejaVu Sans";
    // Anything else: a family with Cyrillic, so no text shows empty boxes.
    return "DejaVu Sans";
}

bool Renderer::canShow(const std::string& text) {
    for (const char* name : {"Monotype Corsiva", "Arial", "MS Reference Sans Serif"}) {
        GObject<PangoLayout> layout =
            state_->textLayout(state_->measureCr.get(), Font{name, 12, false, false}, text);
        if (pango_layout_get_unknown_glyphs_count(layout.get()) > 0) return false;
    }
    return true;
}

void Renderer::measure(const Font& font, const std::string& text, double& width, double& height) {
    // Asked for every auto-size label on every frame: keep the key cheap to build.
    std::string key;
    key.reserve(font.Name.size() + text.size() + sizeof font.Size + 3);
    key.append(font.Name).push_back(static_cast<char>(font.Bold * 2 + font.Italic));
    key.append(reinterpret_cast<const char*>(&font.Size), sizeof font.Size);
    key.append(text);
    auto& cache = state_->measured;
    if (auto it = cache.find(key); it != cache.end()) {
        width = it->second.first;
        height = it->second.second;
        return;
    }
    GObject<PangoLayout> layout =
        state_->textLayout(state_->measureCr.get(), font, state_->shown(text));
    // The size of the text's advance, grown to hold its ink: italic letters lean out past
    // their advance and some capitals and accents rise above the line.
    PangoRectangle ink, logical;
    pango_layout_get_extents(layout.get(), &ink, &logical);
    auto px = [](int units) { return static_cast<double>(units) / PANGO_SCALE; };
    double left = std::min({0.0, px(ink.x), px(logical.x)});
    double top = std::min({0.0, px(ink.y), px(logical.y)});
    double right = std::max(px(logical.x + logical.width), px(ink.x + ink.width));
    double bottom = std::max(px(logical.y + logical.height), px(ink.y + ink.height));
    width = std::ceil(right - left) * kTwipsPerPixel;
    height = std::ceil(bottom - top) * kTwipsPerPixel;
    if (cache.size() > 4096) cache.clear();
    cache.emplace(std::move(key), std::make_pair(width, height));
}

// ---- Message boxes ----

namespace {
const Font kBoxFont{"Arial", 10, false, false};
const Font kBoxTitleFont{"Arial", 9, true, false};
}  // namespace

BoxLayout Renderer::layoutBox(const MessageBox& box) {
    State& s = *state_;
    // The prompt wraps at a comfortable width; the box grows down to hold every line.
    double natural, lineHeight;
    measure(kBoxFont, box.prompt, natural, lineHeight);
    int textWidth = static_cast<int>(std::clamp(natural / kTwipsPerPixel, 120.0, 420.0));
    GObject<PangoLayout> layout = s.textLayout(s.measureCr.get(), kBoxFont, s.shown(box.prompt));
    pango_layout_set_width(layout.get(), textWidth * PANGO_SCALE);
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
    int icon = box.stopIcon() || box.questionIcon() ? 32 : 0;
    int textHeight = std::max({logical.height, ink.y + ink.height, icon}) + 2;
    int width = std::max(textWidth + 4 + icon + (icon ? 16 : 0) + 48, 260);
    int height = 24 + 20 + textHeight + 20 + 24 + 16;
    BoxLayout l;
    l.frame = {(kDesignWidth - width) / 2, (kDesignHeight - height) / 2, width, height};
    l.title = {l.frame.x + 3, l.frame.y + 3, width - 6, 20};
    l.icon = {l.frame.x + 20, l.frame.y + 24 + 20, icon, icon};
    l.text = {l.frame.x + 24 + icon + (icon ? 16 : 0), l.frame.y + 24 + 20, textWidth + 4,
              textHeight};
    // The buttons side by side, centred, 80 pixels wide with 12 between them.
    auto count = static_cast<int>(box.buttons().size());
    int row = count * 80 + (count - 1) * 12;
    for (int i = 0; i < count; ++i)
        l.buttons.push_back(
            {l.frame.x + (width - row) / 2 + i * 92, l.frame.y + height - 16 - 24, 80, 24});
    return l;
}

// ---- Listing what is to be seen ----

namespace {

bool coversDesktop(const Form& f) {
    return !f.Framed && f.Left <= 0 && f.Top <= 0 && f.Left + f.Width >= kDesignWidth * 15.0 &&
           f.Top + f.Height >= kDesignHeight * 15.0;
}

constexpr int kShadow = 8;  // pixels of soft shadow right and below a framed window
constexpr int kBorder = 3;  // pixels of raised border around a framed window

std::uint64_t looks(const Control& c, double w, double h, bool focused) {
    Hash k;
    k.add(std::uint64_t(c.kind())).add(w).add(h).add(std::uint64_t(c.Enabled));
    k.add(std::uint64_t(focused));
    switch (c.kind()) {
        case Kind::CommandButton: {
            auto& b = static_cast<const CommandButton&>(c);
            k.add(b.Caption).add(std::uint64_t(b.BackColor)).add(b.Picture).add(b.Font);
            k.add(std::uint64_t(b.pressed)).add(std::uint64_t(b.Graphical));
            break;
        }
        case Kind::Label: {
            auto& l = static_cast<const Label&>(c);
            k.add(l.Caption).add(std::uint64_t(l.BackColor)).add(std::uint64_t(l.ForeColor));
            k.add(l.Font).add(std::uint64_t(l.Centered)).add(std::uint64_t(l.Transparent));
            break;
        }
        case Kind::Image:
            k.add(static_cast<const Image&>(c).Picture);
            break;
        case Kind::Shape: {
            auto& s = static_cast<const Shape&>(c);
            k.add(std::uint64_t(s.Type)).add(std::uint64_t(s.FillColor));
            k.add(std::uint64_t(s.BorderColor.value_or(0x1000000)));
            break;
        }
        case Kind::Line: {
            auto& l = static_cast<const Line&>(c);
            k.add(double(l.X1)).add(double(l.Y1)).add(double(l.X2)).add(double(l.Y2));
            k.add(std::uint64_t(l.BorderColor));
            break;
        }
        case Kind::PictureBox: {
            auto& p = static_cast<const PictureBox&>(c);
            k.add(p.Picture).add(std::uint64_t(p.BackColor));
            break;
        }
        case Kind::Frame: {
            auto& f = static_cast<const Frame&>(c);
            k.add(f.Caption).add(std::uint64_t(f.BackColor)).add(std::uint64_t(f.ForeColor));
            k.add(f.Font);
            break;
        }
        case Kind::Form:
            break;
    }
    return k.h;
}

}  // namespace

void Renderer::State::collect(const Application& application, Renderer& renderer,
                              std::vector<Item>& items) {
    const auto& z = application.zorder();
    // Nothing behind the front-most screen that covers the whole desktop can be seen.
    std::size_t start = z.size();
    for (std::size_t i = 0; i < z.size(); ++i) {
        if (z[i]->Visible && coversDesktop(*z[i])) {
            start = i + 1;
            break;
        }
    }
    PixelRect target{0, 0, vp.width, vp.height};
    std::uint64_t depth = 0;
    for (std::size_t i = start; i-- > 0;) {
        const Form& f = *z[i];
        if (!f.Visible) continue;
        ++depth;
        Item back{Item::What::FormBack, &f, &f, nullptr};
        back.originX = snapX(f.Left);
        back.originY = snapY(f.Top);
        double w = f.Width / kTwipsPerPixel, h = f.Height / kTwipsPerPixel;
        PixelRect client = inside(back.originX, back.originY, 0, 0, w, h);
        back.rect = f.Framed ? touched(back.originX, back.originY, -kBorder, -kBorder,
                                       w + kBorder + kShadow, h + kBorder + kShadow)
                             : touched(back.originX, back.originY, 0, 0, w, h);
        back.rect = intersect(back.rect, target);
        back.clip = target;
        Hash k;
        k.add(depth).add(std::uint64_t(f.BackColor)).add(f.Picture).add(std::uint64_t(f.Framed));
        k.add(double(f.Left)).add(double(f.Top)).add(double(f.Width)).add(double(f.Height));
        back.key = k.h;
        items.push_back(back);
        collectChildren(f, f.Left, f.Top, intersect(client, target), depth, items);
    }
    if (const MessageBox* box = application.openBox()) {
        BoxLayout l = renderer.layoutBox(*box);
        Item item{Item::What::Box, box, nullptr, nullptr};
        item.originX = vp.offsetX;
        item.originY = vp.offsetY;
        item.rect =
            intersect(touched(item.originX, item.originY, l.frame.x, l.frame.y,
                              l.frame.x + l.frame.w + kShadow, l.frame.y + l.frame.h + kShadow),
                      target);
        item.clip = target;
        item.key = Hash()
                       .add(box->prompt)
                       .add(box->title)
                       .add(std::uint64_t(box->style))
                       .add(std::uint64_t(box->focus))
                       .h;
        items.push_back(item);
    }
}

void Renderer::State::collectChildren(const Container& container, double x, double y,
                                      const PixelRect& clip, std::uint64_t formKey,
                                      std::vector<Item>& items) {
    double ix = x + container.inset(), iy = y + container.inset();
    const std::vector<Control*>& order = container.frontToBack();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Control& c = **it;
        if (!c.Visible) continue;
        double w, h;
        c.extent(app->measure(), w, h);
        double cx = ix + c.Left, cy = iy + c.Top;
        Item item{Item::What::Control, &c, nullptr, &c};
        PixelRect rect;
        if (c.kind() == Kind::Line) {
            // A line is drawn in its container's space, a pixel wide.
            auto& l = static_cast<const Line&>(c);
            item.originX = snapX(ix);
            item.originY = snapY(iy);
            double x0 = std::min(l.X1, l.X2) / kTwipsPerPixel;
            double y0 = std::min(l.Y1, l.Y2) / kTwipsPerPixel;
            double x1 = std::max(l.X1, l.X2) / kTwipsPerPixel;
            double y1 = std::max(l.Y1, l.Y2) / kTwipsPerPixel;
            rect = touched(item.originX, item.originY, x0 - 1, y0 - 1, x1 + 2, y1 + 2);
        } else {
            item.originX = snapX(cx);
            item.originY = snapY(cy);
            rect =
                touched(item.originX, item.originY, 0, 0, w / kTwipsPerPixel, h / kTwipsPerPixel);
        }
        bool drawsNothing = c.kind() == Kind::Image && static_cast<const Image&>(c).Picture.empty();
        item.rect = intersect(rect, clip);
        item.clip = clip;
        item.key = Hash()
                       .add(formKey)
                       .add(looks(c, w, h, app->focused() == &c))
                       .add(item.originX)
                       .add(item.originY)
                       .h;
        if (!item.rect.empty() && !drawsNothing) items.push_back(item);
        if (c.kind() == Kind::PictureBox || c.kind() == Kind::Frame) {
            auto& inner = static_cast<const Container&>(c);
            double in = inner.inset() / kTwipsPerPixel;
            PixelRect innerClip =
                intersect(clip, inside(item.originX, item.originY, in, in, w / kTwipsPerPixel - in,
                                       h / kTwipsPerPixel - in));
            if (!innerClip.empty()) collectChildren(inner, cx, cy, innerClip, formKey, items);
        }
    }
}

// ---- Drawing ----

// ---- Text ----
//
// Text is laid out in target pixels from a whole-pixel origin, with every line's baseline on
// a whole pixel: each glyph then covers the same pixels whatever part of it a repaint redraws,
// and text stays crisp at any scale. It is placed by its ink (what the letters really cover,
// accents, swashes and italic overhangs included), so that nothing of a letter is cut off by
// the edge of its control.

namespace {

// Whether wrapping had to break a word (a line ends inside one).
bool breaksWord(PangoLayout* layout, const std::string& text) {
    for (GSList* line = pango_layout_get_lines_readonly(layout); line && line->next;
         line = line->next) {
        int next = static_cast<PangoLayoutLine*>(line->next->data)->start_index;
        char before = next > 0 ? text[static_cast<std::size_t>(next) - 1] : ' ';
        if (before != ' ' && before != '\n' && before != '-') return true;
    }
    return false;
}

// Moves [lo, hi) by the least amount that brings it into [min, max); the start wins when it
// cannot fit.
double into(double lo, double hi, double min, double max) {
    double shift = 0;
    if (hi > max) shift = max - hi;
    if (lo + shift < min) shift = min - lo;
    return shift;
}

void showLayout(cairo_t* cr, PangoLayout* layout, double x, double y) {
    Owned<PangoLayoutIter, pango_layout_iter_free> lines(pango_layout_get_iter(layout));
    PangoLayoutIter* it = lines.get();
    do {
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(it, nullptr, &logical);
        double lx = std::round(static_cast<double>(logical.x) / PANGO_SCALE);
        double base =
            std::round(static_cast<double>(pango_layout_iter_get_baseline(it)) / PANGO_SCALE);
        cairo_move_to(cr, x + lx, y + base);
        pango_cairo_show_layout_line(cr, pango_layout_iter_get_line_readonly(it));
    } while (pango_layout_iter_next_line(it));
    cairo_new_path(cr);
}

}  // namespace

// Lays the text out for its box at the current scale. 'cr' must be in target pixels.
PlacedText Renderer::State::placeText(cairo_t* cr, const Font& font, const std::string& text,
                                      const TextBox& box) {
    double s = vp.scale;
    double w = box.w * s, h = box.h * s, pad = box.pad * s;
    PlacedText out;
    Font f = font;
    PangoRectangle ink{}, logical{};
    for (int step = 0;; ++step) {
        out.layout = textLayout(cr, f, text, s);
        PangoLayout* layout = out.layout.get();
        if (box.wrap) {
            pango_layout_set_width(layout,
                                   static_cast<int>(std::max(1.0, w - 2 * pad) * PANGO_SCALE));
            pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
        }
        if (box.centred) pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
        pango_layout_get_pixel_extents(layout, &ink, &logical);
        bool fits = ink.width <= w - 2 * pad && ink.height <= h - 2 * pad &&
                    !(box.wrap && breaksWord(layout, text));
        if (!box.fit || fits || step == 16) break;
        f.Size *= 0.93;
    }
    // Where the text would sit by its advance, then moved so that its ink lies in the box.
    double x = 0, y = 0;
    if (box.centred) x = box.wrap ? pad : std::round((w - logical.width) / 2) - logical.x;
    if (box.middle) y = std::round((h - logical.height) / 2) - logical.y;
    x += into(x + ink.x, x + ink.x + ink.width, pad, w - pad);
    y += into(y + ink.y, y + ink.y + ink.height, pad, h - pad);
    out.x = std::round(x);
    out.y = std::round(y);
    out.ink = {static_cast<int>(out.x) + ink.x, static_cast<int>(out.y) + ink.y, ink.width,
               ink.height};
    return out;
}

// A text drawn once, unclipped, into a picture of its own, and then copied wherever it is
// needed: glyphs drawn straight onto the target come out differently under different clips
// (emboldened glyphs reach past the extents the compositor assumes), and a repaint must give
// the same pixels as a full frame.
template <class Key>
const Renderer::State::Stamp& Renderer::State::keep(std::unordered_map<Key, Stamp>& cache,
                                                    std::size_t& bytes, Key key, Stamp stamp) {
    cairo_surface_t* s = stamp.surface.get();
    cairo_surface_flush(s);
    auto size = static_cast<std::size_t>(cairo_image_surface_get_stride(s)) *
                cairo_image_surface_get_height(s);
    if (bytes + size > (8u << 20)) {
        cache.clear();
        bytes = 0;
    }
    bytes += size;
    return cache.emplace(std::move(key), std::move(stamp)).first->second;
}

void Renderer::State::copy(cairo_t* cr, const Stamp& stamp, double shift) {
    double x = 0, y = 0;
    cairo_user_to_device(cr, &x, &y);
    x = std::round(x) + stamp.x + shift;
    y = std::round(y) + stamp.y + shift;
    cairo_surface_t* s = stamp.surface.get();
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, s, x, y);
    cairo_rectangle(cr, x, y, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
    cairo_fill(cr);
    cairo_restore(cr);
}

const Renderer::State::Stamp& Renderer::State::textImage(const Font& font, const std::string& text,
                                                         Color color, const TextBox& box) {
    std::string key;
    key.reserve(font.Name.size() + text.size() + 64);
    key.append(font.Name).push_back(static_cast<char>(font.Bold * 2 + font.Italic));
    auto bytes = [&](const auto& v) { key.append(reinterpret_cast<const char*>(&v), sizeof v); };
    bytes(font.Size);
    bytes(color);
    bytes(box.w);
    bytes(box.h);
    bytes(box.pad);
    key.push_back(static_cast<char>(box.wrap | box.centred << 1 | box.middle << 2 | box.fit << 3));
    key.append(text);
    if (auto it = texts.find(key); it != texts.end()) return it->second;

    cairo_t* cr = measureCr.get();
    cairo_save(cr);
    cairo_identity_matrix(cr);
    PlacedText placed = placeText(cr, font, shown(text), box);
    cairo_restore(cr);
    // Room around the ink the layout reports, for what emboldening adds to it.
    int margin = 2 + static_cast<int>(std::ceil(font.Size * vp.scale / 6));
    Stamp image;
    image.x = placed.ink.x - margin;
    image.y = placed.ink.y - margin;
    int w = placed.ink.width + 2 * margin, h = placed.ink.height + 2 * margin;
    image.surface.reset(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(w, 1), std::max(h, 1)));
    CairoContext draw(cairo_create(image.surface.get()));
    setColor(draw.get(), color);
    showLayout(draw.get(), placed.layout.get(), placed.x - image.x, placed.y - image.y);
    return keep(texts, textBytes, std::move(key), std::move(image));
}

// Draws text in its box, whose top left is the origin of the current user space; 'shift'
// moves it right and down by design pixels (a pressed button, an embossed copy).
void Renderer::State::drawText(cairo_t* cr, const Font& font, const std::string& text, Color color,
                               const TextBox& box, double shift) {
    if (text.empty()) return;
    copy(cr, textImage(font, text, color, box), std::round(shift * vp.scale));
}

// Draws what 'paint' draws within design pixels [x0, x1) x [y0, y1) of the current user
// space, whose origin must be a whole target pixel: made once per key and scale into a
// picture of its own, unclipped, and copied from there. The key names everything the
// drawing depends on.
void Renderer::State::drawCurves(cairo_t* cr, std::uint64_t key, double x0, double y0, double x1,
                                 double y1, const std::function<void(cairo_t*)>& paint) {
    double s = vp.scale;
    int left = static_cast<int>(std::floor(x0 * s)) - 1;
    int top = static_cast<int>(std::floor(y0 * s)) - 1;
    auto it = curves.find(key);
    if (it == curves.end()) {
        int w = static_cast<int>(std::ceil(x1 * s)) + 1 - left;
        int h = static_cast<int>(std::ceil(y1 * s)) + 1 - top;
        Stamp image;
        image.x = left;
        image.y = top;
        image.surface.reset(
            cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(w, 1), std::max(h, 1)));
        CairoContext draw(cairo_create(image.surface.get()));
        cairo_translate(draw.get(), -left, -top);
        cairo_scale(draw.get(), s, s);
        paint(draw.get());
        copy(cr, keep(curves, curveBytes, key, std::move(image)));
        return;
    }
    copy(cr, it->second);
}

namespace {

// How the text of a control sits in it.
TextBox textBox(const Control& c, double w, double h) {
    TextBox box;
    box.w = w;
    box.h = h;
    box.fit = true;
    switch (c.kind()) {
        case Kind::CommandButton:
            box.pad = 3;  // inside the bevel
            box.wrap = box.centred = box.middle = true;
            break;
        case Kind::Label: {
            auto& l = static_cast<const Label&>(c);
            box.centred = l.Centered;
            box.wrap = !l.AutoSize;
            // A label that takes the size of its text is all text; any other keeps its ink
            // off its edges, where a neighbour may overlap it by a pixel.
            box.pad = l.AutoSize ? 0 : 2;
            break;
        }
        default:
            break;
    }
    return box;
}

// Where a control's caption goes: its box, and how far down the control (design pixels) the
// box begins. A button's caption shares the face with its picture, which lies above it.
TextBox captionBox(const Control& c, TextMeasure* measure, double& top) {
    double w, h;
    c.extent(measure, w, h);
    TextBox box = textBox(c, w / kTwipsPerPixel, h / kTwipsPerPixel);
    top = 0;
    if (c.kind() == Kind::CommandButton) {
        if (const PictureData* p = static_cast<const CommandButton&>(c).Picture.data()) {
            top = 2 + p->heightTwips / kTwipsPerPixel;
            box.h -= top;
            box.pad = 1;
        }
    }
    return box;
}

const std::string* caption(const Control& c) {
    if (c.kind() == Kind::Label) return &static_cast<const Label&>(c).Caption;
    if (c.kind() == Kind::CommandButton) return &static_cast<const CommandButton&>(c).Caption;
    return nullptr;
}

}  // namespace

std::optional<Renderer::TextFit> Renderer::textFit(const Application& app, const Control& c,
                                                   double scale) {
    const std::string* text = caption(c);
    if (!text || text->empty()) return std::nullopt;
    State& s = *state_;
    const Application* wasApp = s.app;
    Viewport wasViewport = s.vp;
    s.app = &app;
    s.vp.scale = scale;
    double top;
    TextBox box = captionBox(c, app.measure(), top);
    cairo_t* cr = s.measureCr.get();
    cairo_save(cr);
    cairo_identity_matrix(cr);
    PlacedText placed = s.placeText(cr, c.Font, s.shown(*text), box);
    cairo_restore(cr);
    s.app = wasApp;
    s.vp = wasViewport;
    int y = static_cast<int>(std::round(top * scale));
    int pad = static_cast<int>(std::floor(box.pad * scale));
    TextFit fit;
    fit.box = {pad, y + pad, static_cast<int>(std::round(box.w * scale)) - 2 * pad,
               static_cast<int>(std::round(box.h * scale)) - 2 * pad};
    fit.ink = {placed.ink.x, y + placed.ink.y, placed.ink.width, placed.ink.height};
    return fit;
}

void Renderer::State::drawButton(cairo_t* cr, const CommandButton& b) {
    double w = b.Width / kTwipsPerPixel, h = b.Height / kTwipsPerPixel;
    setColor(cr, b.BackColor);
    fillPixels(cr, 0, 0, w, h);
    // The face: picture above the caption, both centred; pressed shifts it by a pixel.
    double shift = b.pressed ? 1 : 0;
    double pw = 0, ph = 0;
    if (const PictureData* p = b.Picture.data()) {
        pw = p->widthTwips / kTwipsPerPixel;
        ph = p->heightTwips / kTwipsPerPixel;
    }
    cairo_save(cr);
    clipPixels(cr, 2, 2, w - 4, h - 4);
    if (ph > 0) {
        double top = b.Caption.empty() ? std::floor((h - ph) / 2) : 2;
        drawPicture(cr, b.Picture, std::floor((w - pw) / 2) + shift, top + shift, !b.Enabled);
    }
    if (!b.Caption.empty()) {
        double top;
        TextBox box = captionBox(b, app->measure(), top);
        cairo_translate(cr, 0, top);
        if (b.Enabled) {
            drawText(cr, b.Font, b.Caption, 0x000000, box, shift);
        } else {
            // Embossed: a light copy below and right, the grey caption over it.
            drawText(cr, b.Font, b.Caption, 0xFFFFFF, box, shift + 1);
            drawText(cr, b.Font, b.Caption, 0x808080, box, shift);
        }
    }
    cairo_restore(cr);
    h = b.Height / kTwipsPerPixel;
    bevel(cr, w, h, !b.pressed, b.BackColor);
    if (app->focused() == &b) focusRectangle(cr, w, h);
    if (!b.pressed) {
        // A dark outer edge, as desktop buttons have.
        setColor(cr, 0x202020, 0.8);
        edge(cr, w - 1, 0, 1, h);
        edge(cr, 0, h - 1, w - 1, 1);
    }
}

void Renderer::State::drawLabel(cairo_t* cr, const Label& l) {
    double w, h;
    l.extent(app->measure(), w, h);
    w /= kTwipsPerPixel;
    h /= kTwipsPerPixel;
    // Text that does not fit stays inside the label, as the desktop platform draws it.
    clipPixels(cr, 0, 0, w, h);
    if (!l.Transparent) {
        setColor(cr, l.BackColor);
        cairo_paint(cr);
    }
    double top;
    drawText(cr, l.Font, l.Caption, l.Enabled ? l.ForeColor : 0x808080,
             captionBox(l, app->measure(), top));
}

void Renderer::State::drawControl(cairo_t* cr, const Control& c) {
    double w = c.Width / kTwipsPerPixel, h = c.Height / kTwipsPerPixel;
    switch (c.kind()) {
        case Kind::CommandButton:
            drawButton(cr, static_cast<const CommandButton&>(c));
            break;
        case Kind::Label:
            drawLabel(cr, static_cast<const Label&>(c));
            break;
        case Kind::Image:
            drawPicture(cr, static_cast<const Image&>(c).Picture, 0, 0, false);
            break;
        case Kind::Shape: {
            auto& shape = static_cast<const Shape&>(c);
            Color border = shape.BorderColor.value_or(shade(shape.FillColor, 0.7));
            std::uint64_t key = Hash()
                                    .add(std::uint64_t(shape.Type))
                                    .add(w)
                                    .add(h)
                                    .add(std::uint64_t(shape.FillColor))
                                    .add(std::uint64_t(border))
                                    .h;
            drawCurves(cr, key, 0, 0, w, h, [&](cairo_t* c2) {
                double inset = 0.5;
                if (shape.Type == ShapeKind::Oval) {
                    cairo_save(c2);
                    cairo_translate(c2, w / 2, h / 2);
                    cairo_scale(c2, w / 2 - inset, h / 2 - inset);
                    cairo_arc(c2, 0, 0, 1, 0, 2 * M_PI);
                    cairo_restore(c2);
                } else if (shape.Type == ShapeKind::RoundedRectangle) {
                    roundedRect(c2, inset, inset, w - 2 * inset, h - 2 * inset,
                                std::min(std::min(w, h) * 0.12, 14.0));
                } else {
                    cairo_rectangle(c2, inset, inset, w - 2 * inset, h - 2 * inset);
                }
                setColor(c2, shape.FillColor);
                cairo_fill_preserve(c2);
                setColor(c2, border);
                cairo_set_line_width(c2, 1.0);
                cairo_stroke(c2);
            });
            break;
        }
        case Kind::Line: {
            auto& l = static_cast<const Line&>(c);
            setColor(cr, l.BorderColor);
            double x1 = l.X1 / kTwipsPerPixel, y1 = l.Y1 / kTwipsPerPixel;
            double x2 = l.X2 / kTwipsPerPixel, y2 = l.Y2 / kTwipsPerPixel;
            if (x1 == x2 || y1 == y2) {
                edge(cr, std::min(x1, x2), std::min(y1, y2), std::fabs(x2 - x1) + 1,
                     std::fabs(y2 - y1) + 1);
            } else {
                std::uint64_t key = Hash()
                                        .add(std::uint64_t(0x11EE))
                                        .add(x1)
                                        .add(y1)
                                        .add(x2)
                                        .add(y2)
                                        .add(std::uint64_t(l.BorderColor))
                                        .h;
                drawCurves(cr, key, std::min(x1, x2) - 1, std::min(y1, y2) - 1,
                           std::max(x1, x2) + 2, std::max(y1, y2) + 2, [&](cairo_t* c2) {
                               setColor(c2, l.BorderColor);
                               cairo_set_line_width(c2, 1.0);
                               cairo_move_to(c2, x1 + 0.5, y1 + 0.5);
                               cairo_line_to(c2, x2 + 0.5, y2 + 0.5);
                               cairo_stroke(c2);
                           });
            }
            break;
        }
        case Kind::PictureBox: {
            auto& p = static_cast<const PictureBox&>(c);
            setColor(cr, p.BackColor);
            fillPixels(cr, 0, 0, w, h);
            double in = p.inset() / kTwipsPerPixel;
            cairo_save(cr);
            clipPixels(cr, in, in, w - 2 * in, h - 2 * in);
            drawPicture(cr, p.Picture, in, in, false);
            cairo_restore(cr);
            frameEdges(cr, 0, w, h, 0x404040, 0xF0F0F0);  // a thin sunken border
            break;
        }
        case Kind::Frame: {
            auto& f = static_cast<const Frame&>(c);
            setColor(cr, f.BackColor);
            fillPixels(cr, 0, 0, w, h);
            // The caption sits on the top edge, which runs through its middle.
            double tw = 0, th = 0;
            if (!f.Caption.empty()) {
                app->measure()->measure(f.Font, f.Caption, tw, th);
                tw /= kTwipsPerPixel;
                th /= kTwipsPerPixel;
            }
            double top = std::floor(th / 2);
            // Etched: a dark line with a light one beside it.
            Color dark = shade(f.BackColor, 0.55), light = shade(f.BackColor, 1.5) | 0x202020;
            cairo_save(cr);
            cairo_translate(cr, 0, top);
            double fh = h - top;
            frameEdges(cr, 1, w, fh, light, light);
            frameEdges(cr, 0, w - 1, fh - 1, dark, dark);
            cairo_restore(cr);
            if (!f.Caption.empty()) {
                setColor(cr, f.BackColor);
                fillPixels(cr, 6, 0, tw + 4, th);
                cairo_save(cr);
                cairo_translate(cr, 8, 0);
                TextBox box;
                box.w = std::min(tw, w - 16);
                box.h = th;
                box.fit = true;
                drawText(cr, f.Font, f.Caption, f.ForeColor, box);
                cairo_restore(cr);
            }
            break;
        }
        case Kind::Form:
            break;
    }
}

void Renderer::State::drawBox(cairo_t* cr, const MessageBox& box, Renderer& renderer) {
    BoxLayout l = renderer.layoutBox(box);
    double x = l.frame.x, y = l.frame.y, w = l.frame.w, h = l.frame.h;
    std::uint64_t shadow = Hash().add(std::uint64_t(0xB0C5)).add(x).add(y).add(w).add(h).h;
    drawCurves(cr, shadow, x, y, x + w + kShadow, y + h + kShadow, [&](cairo_t* c2) {
        for (int i = kShadow; i > 0; i -= 2) {
            setColor(c2, 0x000000, 0.08);
            roundedRect(c2, x + i, y + i, w, h, 4);
            cairo_fill(c2);
        }
    });
    setColor(cr, 0xECE9D8);
    fillPixels(cr, x, y, w, h);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    bevel(cr, w, h, true, 0xECE9D8);
    cairo_restore(cr);
    // Title bar.
    CairoPattern bar(cairo_pattern_create_linear(l.title.x, 0, l.title.x + l.title.w, 0));
    cairo_pattern_add_color_stop_rgb(bar.get(), 0, 0.04, 0.14, 0.42);
    cairo_pattern_add_color_stop_rgb(bar.get(), 1, 0.65, 0.79, 0.94);
    cairo_set_source(cr, bar.get());
    fillPixels(cr, l.title.x, l.title.y, l.title.w, l.title.h);
    cairo_save(cr);
    cairo_translate(cr, l.title.x + 6, l.title.y);
    TextBox title;
    title.w = l.title.w - 12;
    title.h = l.title.h;
    title.middle = title.fit = true;
    drawText(cr, kBoxTitleFont, box.title, 0xFFFFFF, title);
    cairo_restore(cr);
    if (box.stopIcon() || box.questionIcon()) {
        double cx = l.icon.x + 16, cy = l.icon.y + 16;
        bool stop = box.stopIcon();
        std::uint64_t icon = Hash().add(std::uint64_t(stop ? 0x5709 : 0x9E57)).add(cx).add(cy).h;
        drawCurves(cr, icon, cx - 16, cy - 16, cx + 16, cy + 16, [&](cairo_t* c2) {
            cairo_arc(c2, cx, cy, 15, 0, 2 * M_PI);
            Color fill = stop ? 0xD01010 : 0x2060C0;
            setColor(c2, fill);
            cairo_fill_preserve(c2);
            setColor(c2, shade(fill, 0.5));
            cairo_set_line_width(c2, 1.0);
            cairo_stroke(c2);
            if (stop) {
                setColor(c2, 0xFFFFFF);
                cairo_set_line_width(c2, 3.5);
                cairo_move_to(c2, cx - 7, cy - 7);
                cairo_line_to(c2, cx + 7, cy + 7);
                cairo_move_to(c2, cx + 7, cy - 7);
                cairo_line_to(c2, cx - 7, cy + 7);
                cairo_stroke(c2);
            }
        });
        if (!stop) {
            cairo_save(cr);
            cairo_translate(cr, l.icon.x, l.icon.y);
            TextBox mark;
            mark.w = mark.h = 32;
            mark.centred = mark.middle = true;
            drawText(cr, Font{"Arial", 18, true, false}, "?", 0xFFFFFF, mark);
            cairo_restore(cr);
        }
    }
    cairo_save(cr);
    cairo_translate(cr, l.text.x, l.text.y);
    TextBox prompt;
    prompt.w = l.text.w;
    prompt.h = l.text.h;
    prompt.pad = 1;
    prompt.wrap = prompt.fit = true;
    drawText(cr, kBoxFont, box.prompt, 0x000000, prompt);
    cairo_restore(cr);
    std::vector<std::string> captions = box.buttons();
    for (std::size_t i = 0; i < l.buttons.size(); ++i) {
        const PixelRect& b = l.buttons[i];
        cairo_save(cr);
        cairo_translate(cr, b.x, b.y);
        setColor(cr, 0xECE9D8);
        fillPixels(cr, 0, 0, b.w, b.h);
        TextBox caption;
        caption.w = b.w;
        caption.h = b.h;
        caption.pad = 3;
        caption.centred = caption.middle = caption.fit = true;
        drawText(cr, kBoxFont, captions[i], 0x000000, caption);
        bevel(cr, b.w, b.h, true, 0xECE9D8);
        if (static_cast<int>(i) == box.focus) focusRectangle(cr, b.w, b.h);
        cairo_restore(cr);
    }
}

void Renderer::State::draw(cairo_t* cr, const Item& item, Renderer& renderer) {
    // The path is not part of the saved state: an item must not inherit what the one drawn
    // before it left behind (text leaves a current point, and an arc would join it).
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, item.originX, item.originY);
    cairo_scale(cr, vp.scale, vp.scale);
    switch (item.what) {
        case Item::What::FormBack: {
            const Form& f = *item.form;
            double w = f.Width / kTwipsPerPixel, h = f.Height / kTwipsPerPixel;
            if (f.Framed) {
                std::uint64_t shadow = Hash().add(std::uint64_t(0xF5AD)).add(w).add(h).h;
                drawCurves(cr, shadow, -kBorder, -kBorder, w + kBorder + kShadow,
                           h + kBorder + kShadow, [&](cairo_t* c2) {
                               for (int i = kShadow; i > 0; i -= 2) {
                                   setColor(c2, 0x000000, 0.09);
                                   roundedRect(c2, i - kBorder, i - kBorder, w + 2 * kBorder,
                                               h + 2 * kBorder, 5);
                                   cairo_fill(c2);
                               }
                           });
                cairo_save(cr);
                cairo_translate(cr, -kBorder, -kBorder);
                setColor(cr, f.BackColor);
                fillPixels(cr, 0, 0, w + 2 * kBorder, h + 2 * kBorder);
                bevel(cr, w + 2 * kBorder, h + 2 * kBorder, true,
                      shade(f.BackColor, 1.1) | 0x404040);
                cairo_restore(cr);
            }
            setColor(cr, f.BackColor);
            fillPixels(cr, 0, 0, w, h);
            if (!f.Picture.empty()) {
                cairo_save(cr);
                clipPixels(cr, 0, 0, w, h);
                drawPicture(cr, f.Picture, 0, 0, false);
                cairo_restore(cr);
            }
            break;
        }
        case Item::What::Control:
            drawControl(cr, *item.control);
            break;
        case Item::What::Box:
            drawBox(cr, *static_cast<const MessageBox*>(item.id), renderer);
            break;
    }
    cairo_restore(cr);
}

// ---- Frames ----

std::vector<PixelRect> Renderer::render(const Application& app, cairo_surface_t* target,
                                        const Viewport& viewport) {
    State& s = *state_;
    s.app = &app;
    s.vp = viewport;
    s.useScale(viewport.scale);
    bool full =
        full_ || target != s.lastTarget || viewport.width != s.lastViewport.width ||
        viewport.height != s.lastViewport.height || viewport.scale != s.lastViewport.scale ||
        viewport.offsetX != s.lastViewport.offsetX || viewport.offsetY != s.lastViewport.offsetY;
    std::vector<Item> items;
    items.reserve(s.last.size() + 8);
    s.collect(app, *this, items);

    PixelRect whole{0, 0, viewport.width, viewport.height};
    std::vector<PixelRect> damage;
    auto add = [&](PixelRect r) {
        r = intersect(r, whole);
        if (r.empty()) return;
        // Merge with anything it touches, repeatedly, so the list stays short.
        for (bool merged = true; merged;) {
            merged = false;
            for (std::size_t i = 0; i < damage.size(); ++i) {
                if (touches(damage[i], r)) {
                    r = unite(damage[i], r);
                    damage.erase(damage.begin() + static_cast<std::ptrdiff_t>(i));
                    merged = true;
                    break;
                }
            }
        }
        damage.push_back(r);
    };
    if (full) {
        damage.push_back(whole);
    } else {
        auto compare = [&](const Item& was, const Item& now) {
            if (was.key != now.key || !(was.rect == now.rect)) {
                add(was.rect);
                add(now.rect);
            }
        };
        // Most frames list the same items in the same order: compare them pairwise, and
        // match by identity only where the lists differ.
        std::size_t same = 0;
        while (same < items.size() && same < s.last.size() && items[same].id == s.last[same].id) {
            compare(s.last[same], items[same]);
            ++same;
        }
        if (same < items.size() || same < s.last.size()) {
            std::unordered_map<const void*, const Item*> before;
            for (std::size_t i = same; i < s.last.size(); ++i)
                before.emplace(s.last[i].id, &s.last[i]);
            for (std::size_t i = same; i < items.size(); ++i) {
                auto old = before.find(items[i].id);
                if (old == before.end()) {
                    add(items[i].rect);
                    continue;
                }
                compare(*old->second, items[i]);
                before.erase(old);
            }
            for (auto& [id, it] : before) add(it->rect);
        }
    }

    if (!damage.empty()) {
        CairoContext context(cairo_create(target));
        cairo_t* cr = context.get();
        for (const PixelRect& d : damage) {
            cairo_save(cr);
            cairo_rectangle(cr, d.x, d.y, d.w, d.h);
            cairo_clip(cr);
            cairo_set_source_rgb(cr, 0, 0, 0);
            cairo_paint(cr);
            for (const Item& it : items) {
                if (intersect(it.rect, d).empty()) continue;
                cairo_save(cr);
                cairo_rectangle(cr, it.clip.x, it.clip.y, it.clip.w, it.clip.h);
                cairo_clip(cr);
                s.draw(cr, it, *this);
                cairo_restore(cr);
            }
            cairo_restore(cr);
        }
        cairo_surface_flush(target);
    }
    s.trimPictures(items);
    s.last = std::move(items);
    s.lastTarget = target;
    s.lastViewport = viewport;
    full_ = false;
    return damage;
}

cairo_surface_t* renderToImage(const Application& app, Renderer& renderer) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kDesignWidth, kDesignHeight);
    renderer.invalidate();
    renderer.render(app, surface, Viewport{});
    return surface;
}

}  // namespace ormal
