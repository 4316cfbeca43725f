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

PangoLayout* makeLayout(cairo_t* cr, const Font& font, const std::string& text) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), textOptions());
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, Renderer::family(font.Name).c_str());
    pango_font_description_set_weight(desc, font.Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, font.Italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    // Points at 96 dpi, in design pixels.
    pango_font_description_set_absolute_size(desc, font.Size * 96.0 / 72.0 * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    pango_layout_context_changed(layout);
    pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
    return layout;
}

void layoutSize(PangoLayout* layout, double& w, double& h) {
    int pw, ph;
    pango_layout_get_size(layout, &pw, &ph);
    w = static_cast<double>(pw) / PANGO_SCALE;
    h = static_cast<double>(ph) / PANGO_SCALE;
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

// Straight one-pixel edges are filled, not stroked: filling a rectangle costs cairo far less
// than stroking a path, and the star map's border is repainted whenever a marker moves.
void edge(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
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

struct Renderer::State {
    cairo_surface_t* measureSurface = nullptr;
    cairo_t* measureCr = nullptr;
    std::unordered_map<std::string, std::pair<double, double>> measured;
    std::unordered_map<const PictureData*, cairo_surface_t*> bitmaps;
    std::unordered_map<const PictureData*, cairo_surface_t*> greyed;
    std::map<std::pair<const PictureData*, double>, cairo_surface_t*> vectors;
    std::vector<Item> last;
    const void* lastTarget = nullptr;
    Viewport lastViewport;
    const Application* app = nullptr;
    Viewport vp;

    ~State() {
        for (auto& [k, s] : bitmaps) cairo_surface_destroy(s);
        for (auto& [k, s] : greyed) cairo_surface_destroy(s);
        for (auto& [k, s] : vectors) cairo_surface_destroy(s);
        if (measureCr) cairo_destroy(measureCr);
        if (measureSurface) cairo_surface_destroy(measureSurface);
    }

    double dev(double twips) const { return twips / kTwipsPerPixel * vp.scale; }
    double snapX(double twips) const { return std::floor(vp.offsetX + dev(twips) + 0.5); }
    double snapY(double twips) const { return std::floor(vp.offsetY + dev(twips) + 0.5); }
    PixelRect deviceRect(double x, double y, double w, double h) const {
        double x0 = snapX(x), y0 = snapY(y), x1 = snapX(x + w), y1 = snapY(y + h);
        return {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
                static_cast<int>(y1 - y0)};
    }

    cairo_surface_t* bitmap(const PictureData* p);
    cairo_surface_t* grey(const PictureData* p);
    cairo_surface_t* vectorAt(const PictureData* p);
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
    Font fitted(cairo_t* cr, const Font& font, const std::string& text, double w, double h);
    void drawText(cairo_t* cr, const Font& font, const std::string& text, Color color, double w,
                  double h, bool centred, bool wrap, bool middle);
    void drawBox(cairo_t* cr, const MessageBox& box, Renderer& renderer);
};

cairo_surface_t* Renderer::State::bitmap(const PictureData* p) {
    if (auto it = bitmaps.find(p); it != bitmaps.end()) return it->second;
    const Pixels& px = p->pixels;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, px.width, px.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < px.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < px.width; ++x) row[x] = px.at(x, y) | 0xFF000000u;
    }
    cairo_surface_mark_dirty(s);
    bitmaps.emplace(p, s);
    return s;
}

cairo_surface_t* Renderer::State::grey(const PictureData* p) {
    if (auto it = greyed.find(p); it != greyed.end()) return it->second;
    const Pixels& px = p->pixels;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, px.width, px.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < px.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < px.width; ++x) {
            std::uint32_t c = px.at(x, y);
            double lum = 0.3 * ((c >> 16) & 0xFF) + 0.59 * ((c >> 8) & 0xFF) + 0.11 * (c & 0xFF);
            auto g = static_cast<std::uint32_t>(96 + lum * 0.5);  // washed out, as disabled
            row[x] = 0xFF000000u | (g << 16) | (g << 8) | g;
        }
    }
    cairo_surface_mark_dirty(s);
    greyed.emplace(p, s);
    return s;
}

cairo_surface_t* Renderer::State::vectorAt(const PictureData* p) {
    auto key = std::make_pair(p, vp.scale);
    if (auto it = vectors.find(key); it != vectors.end()) return it->second;
    double w = p->widthTwips / kTwipsPerPixel * vp.scale;
    double h = p->heightTwips / kTwipsPerPixel * vp.scale;
    cairo_surface_t* s =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(1, static_cast<int>(std::ceil(w))),
                                   std::max(1, static_cast<int>(std::ceil(h))));
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_data(p->bytes.data(), p->bytes.size(), &error);
    if (handle) {
        cairo_t* cr = cairo_create(s);
        RsvgRectangle viewport{0, 0, w, h};
        if (!rsvg_handle_render_document(handle, cr, &viewport, &error)) {
            std::fprintf(stderr, "ormal: picture %s: %s\n", p->name.c_str(),
                         error ? error->message : "cannot draw");
        }
        cairo_destroy(cr);
        g_object_unref(handle);
    } else {
        std::fprintf(stderr, "ormal: picture %s: %s\n", p->name.c_str(),
                     error ? error->message : "cannot read");
    }
    if (error) g_error_free(error);
    vectors.emplace(key, s);
    return s;
}

// Draws a picture with its top left at (x, y) in the current design-pixel space.
void Renderer::State::drawPicture(cairo_t* cr, const Picture& picture, double x, double y,
                                  bool greyed) {
    const PictureData* p = picture.data();
    if (!p) return;
    cairo_save(cr);
    if (p->vector) {
        // Drawn at target resolution so that it stays sharp at any scale.
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1.0 / vp.scale, 1.0 / vp.scale);
        cairo_set_source_surface(cr, vectorAt(p), 0, 0);
        if (greyed) {
            cairo_paint_with_alpha(cr, 0.4);
        } else {
            cairo_paint(cr);
        }
    } else {
        cairo_set_source_surface(cr, greyed ? grey(p) : bitmap(p), x, y);
        cairo_pattern_set_filter(cairo_get_source(cr), vp.scale == std::floor(vp.scale)
                                                           ? CAIRO_FILTER_NEAREST
                                                           : CAIRO_FILTER_GOOD);
        cairo_rectangle(cr, x, y, p->pixels.width, p->pixels.height);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

Renderer::Renderer() : state_(std::make_unique<State>()) {
    state_->measureSurface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4);
    state_->measureCr = cairo_create(state_->measureSurface);
}

Renderer::~Renderer() = default;

std::string Renderer::family(const std::string& name) {
    if (name == "Monotype Corsiva") return "Z003";
    if (name == "Arial" || name == "MS Sans Serif") return "Liberation Sans";
    if (name == "MS Reference Sans Serif") return "DejaVu Sans";
    // Anything else: a family with Cyrillic, so no text shows empty boxes.
    return "DejaVu Sans";
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
    PangoLayout* layout = makeLayout(state_->measureCr, font, text);
    double w, h;
    layoutSize(layout, w, h);
    // Italic letters lean out past their advance; an auto-size label keeps them whole.
    PangoRectangle ink, logical;
    pango_layout_get_extents(layout, &ink, &logical);
    w = std::max(w, static_cast<double>(ink.x + ink.width) / PANGO_SCALE);
    g_object_unref(layout);
    width = std::ceil(w) * kTwipsPerPixel;
    height = std::ceil(h) * kTwipsPerPixel;
    if (cache.size() > 4096) cache.clear();
    cache.emplace(std::move(key), std::make_pair(width, height));
}

// ---- Message boxes ----

BoxLayout Renderer::layoutBox(const MessageBox& box) {
    Font font{"Arial", 10, false, false};
    double tw, th;
    measure(font, box.prompt, tw, th);
    tw /= kTwipsPerPixel;
    int icon = box.stopIcon() ? 32 : 0;
    int textWidth = static_cast<int>(std::clamp(tw, 120.0, 420.0));
    // Wrapped height for long prompts.
    int lines = static_cast<int>(std::ceil(tw / textWidth));
    int textHeight = std::max(static_cast<int>(th / kTwipsPerPixel) * lines, icon);
    int width = std::max(textWidth + icon + (icon ? 16 : 0) + 48, 260);
    int height = 24 + 20 + textHeight + 20 + 24 + 16;
    BoxLayout l;
    l.frame = {(kDesignWidth - width) / 2, (kDesignHeight - height) / 2, width, height};
    l.title = {l.frame.x + 3, l.frame.y + 3, width - 6, 20};
    l.icon = {l.frame.x + 20, l.frame.y + 24 + 20, icon, icon};
    l.text = {l.frame.x + 24 + icon + (icon ? 16 : 0), l.frame.y + 24 + 20, textWidth, textHeight};
    l.ok = {l.frame.x + (width - 80) / 2, l.frame.y + height - 16 - 24, 80, 24};
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

std::uint64_t looks(const Control& c, double w, double h) {
    Hash k;
    k.add(std::uint64_t(c.kind())).add(w).add(h).add(std::uint64_t(c.Enabled));
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
    (void)renderer;
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
        PixelRect client = deviceRect(f.Left, f.Top, f.Width, f.Height);
        back.rect = client;
        if (f.Framed) {
            int border = static_cast<int>(std::ceil(kBorder * vp.scale));
            int shadow = static_cast<int>(std::ceil(kShadow * vp.scale));
            back.rect = {client.x - border, client.y - border, client.w + 2 * border + shadow,
                         client.h + 2 * border + shadow};
        }
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
            intersect(deviceRect(l.frame.x * 15.0, l.frame.y * 15.0, (l.frame.w + kShadow) * 15.0,
                                 (l.frame.h + kShadow) * 15.0),
                      target);
        item.clip = target;
        item.key = Hash().add(box->prompt).add(box->title).add(std::uint64_t(box->style)).h;
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
            auto& l = static_cast<const Line&>(c);
            item.originX = snapX(ix);
            item.originY = snapY(iy);
            double x0 = std::min(l.X1, l.X2), y0 = std::min(l.Y1, l.Y2);
            rect = deviceRect(ix + x0 - 15, iy + y0 - 15, std::fabs(l.X2 - l.X1) + 45,
                              std::fabs(l.Y2 - l.Y1) + 45);
        } else {
            item.originX = snapX(cx);
            item.originY = snapY(cy);
            rect = deviceRect(cx, cy, w, h);
        }
        bool drawsNothing = c.kind() == Kind::Image && static_cast<const Image&>(c).Picture.empty();
        item.rect = intersect(rect, clip);
        item.clip = clip;
        item.key = Hash().add(formKey).add(looks(c, w, h)).add(item.originX).add(item.originY).h;
        if (!item.rect.empty() && !drawsNothing) items.push_back(item);
        if (c.kind() == Kind::PictureBox || c.kind() == Kind::Frame) {
            auto& inner = static_cast<const Container&>(c);
            double in = inner.inset();
            PixelRect innerClip =
                intersect(clip, deviceRect(cx + in, cy + in, w - 2 * in, h - 2 * in));
            if (!innerClip.empty()) collectChildren(inner, cx, cy, innerClip, formKey, items);
        }
    }
}

// ---- Drawing ----

void Renderer::State::drawText(cairo_t* cr, const Font& font, const std::string& text, Color color,
                               double w, double h, bool centred, bool wrap, bool middle) {
    if (text.empty()) return;
    PangoLayout* layout = makeLayout(cr, font, text);
    if (wrap && w > 0) {
        pango_layout_set_width(layout, static_cast<int>(w * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    if (centred) {
        if (!wrap) pango_layout_set_width(layout, static_cast<int>(w * PANGO_SCALE));
        pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
    }
    double tw, th;
    layoutSize(layout, tw, th);
    double y = middle ? (h - th) / 2 : 0;
    setColor(cr, color);
    cairo_move_to(cr, 0, y);
    pango_cairo_update_layout(cr, layout);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

void Renderer::State::drawButton(cairo_t* cr, const CommandButton& b) {
    double w = b.Width / kTwipsPerPixel, h = b.Height / kTwipsPerPixel;
    setColor(cr, b.BackColor);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    // The face: picture above the caption, both centred; pressed shifts it by a pixel.
    double shift = b.pressed ? 1 : 0;
    double pw = 0, ph = 0;
    if (const PictureData* p = b.Picture.data()) {
        pw = p->widthTwips / kTwipsPerPixel;
        ph = p->heightTwips / kTwipsPerPixel;
    }
    double tw = 0, th = 0;
    PangoLayout* layout = nullptr;
    if (!b.Caption.empty()) {
        layout = makeLayout(cr, b.Font, b.Caption);
        pango_layout_set_width(layout, static_cast<int>((w - 6) * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
        pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
        layoutSize(layout, tw, th);
    }
    double total = ph + th;
    double top = std::floor((h - total) / 2);
    cairo_save(cr);
    cairo_rectangle(cr, 2, 2, w - 4, h - 4);
    cairo_clip(cr);
    if (ph > 0) {
        drawPicture(cr, b.Picture, std::floor((w - pw) / 2) + shift, top + shift, !b.Enabled);
    }
    if (layout) {
        double x = 3 + shift, y = top + ph + shift;
        pango_cairo_update_layout(cr, layout);
        if (b.Enabled) {
            setColor(cr, 0x000000);
            cairo_move_to(cr, x, y);
            pango_cairo_show_layout(cr, layout);
        } else {
            // Embossed: a light copy below and right, the grey caption over it.
            setColor(cr, 0xFFFFFF);
            cairo_move_to(cr, x + 1, y + 1);
            pango_cairo_show_layout(cr, layout);
            setColor(cr, 0x808080);
            cairo_move_to(cr, x, y);
            pango_cairo_show_layout(cr, layout);
        }
        g_object_unref(layout);
    }
    cairo_restore(cr);
    bevel(cr, w, h, !b.pressed, b.BackColor);
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
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    if (!l.Transparent) {
        setColor(cr, l.BackColor);
        cairo_paint(cr);
    }
    drawText(cr, l.AutoSize ? l.Font : fitted(cr, l.Font, l.Caption, w, h), l.Caption,
             l.Enabled ? l.ForeColor : 0x808080, w, h, l.Centered, !l.AutoSize, false);
}

// A word wider than its label, or wrapped lines taller than it, would be cut off; such a
// label gets a smaller size of its font, so that a planet's name or a title reads whole.
Font Renderer::State::fitted(cairo_t* cr, const Font& font, const std::string& text, double w,
                             double h) {
    Font f = font;
    if (text.empty() || w <= 0) return f;
    for (int step = 0; step < 10; ++step) {
        PangoLayout* layout = makeLayout(cr, f, text);
        pango_layout_set_width(layout, static_cast<int>(w * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
        double tw, th;
        layoutSize(layout, tw, th);
        bool brokenWord = false;
        for (GSList* line = pango_layout_get_lines_readonly(layout); line && line->next;
             line = line->next) {
            int next = static_cast<PangoLayoutLine*>(line->next->data)->start_index;
            char before = next > 0 ? text[static_cast<std::size_t>(next) - 1] : ' ';
            if (before != ' ' && before != '\n' && before != '-') brokenWord = true;
        }
        g_object_unref(layout);
        if (!brokenWord && th <= h + 1) break;
        f.Size *= 0.92;
    }
    return f;
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
            auto& s = static_cast<const Shape&>(c);
            double inset = 0.5;
            if (s.Type == ShapeKind::Oval) {
                cairo_save(cr);
                cairo_translate(cr, w / 2, h / 2);
                cairo_scale(cr, w / 2 - inset, h / 2 - inset);
                cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
                cairo_restore(cr);
            } else if (s.Type == ShapeKind::RoundedRectangle) {
                roundedRect(cr, inset, inset, w - 2 * inset, h - 2 * inset,
                            std::min(std::min(w, h) * 0.12, 14.0));
            } else {
                cairo_rectangle(cr, inset, inset, w - 2 * inset, h - 2 * inset);
            }
            setColor(cr, s.FillColor);
            cairo_fill_preserve(cr);
            setColor(cr, s.BorderColor.value_or(shade(s.FillColor, 0.7)));
            cairo_set_line_width(cr, 1.0);
            cairo_stroke(cr);
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
                cairo_set_line_width(cr, 1.0);
                cairo_move_to(cr, x1 + 0.5, y1 + 0.5);
                cairo_line_to(cr, x2 + 0.5, y2 + 0.5);
                cairo_stroke(cr);
            }
            break;
        }
        case Kind::PictureBox: {
            auto& p = static_cast<const PictureBox&>(c);
            setColor(cr, p.BackColor);
            cairo_rectangle(cr, 0, 0, w, h);
            cairo_fill(cr);
            double in = p.inset() / kTwipsPerPixel;
            cairo_save(cr);
            cairo_rectangle(cr, in, in, w - 2 * in, h - 2 * in);
            cairo_clip(cr);
            drawPicture(cr, p.Picture, in, in, false);
            cairo_restore(cr);
            frameEdges(cr, 0, w, h, 0x404040, 0xF0F0F0);  // a thin sunken border
            break;
        }
        case Kind::Frame: {
            auto& f = static_cast<const Frame&>(c);
            setColor(cr, f.BackColor);
            cairo_rectangle(cr, 0, 0, w, h);
            cairo_fill(cr);
            double tw = 0, th = 0;
            PangoLayout* layout = nullptr;
            if (!f.Caption.empty()) {
                layout = makeLayout(cr, f.Font, f.Caption);
                layoutSize(layout, tw, th);
            }
            double top = std::floor(th / 2) + 0.5;
            // Etched: a dark line with a light one beside it.
            Color dark = shade(f.BackColor, 0.55), light = shade(f.BackColor, 1.5) | 0x202020;
            cairo_save(cr);
            cairo_translate(cr, 0, std::floor(top));
            double fh = h - std::floor(top);
            frameEdges(cr, 1, w, fh, light, light);
            frameEdges(cr, 0, w - 1, fh - 1, dark, dark);
            cairo_restore(cr);
            if (layout) {
                setColor(cr, f.BackColor);
                cairo_rectangle(cr, 6, 0, tw + 4, th);
                cairo_fill(cr);
                setColor(cr, f.ForeColor);
                cairo_move_to(cr, 8, 0);
                pango_cairo_update_layout(cr, layout);
                pango_cairo_show_layout(cr, layout);
                g_object_unref(layout);
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
    for (int i = kShadow; i > 0; i -= 2) {
        setColor(cr, 0x000000, 0.08);
        roundedRect(cr, x + i, y + i, w, h, 4);
        cairo_fill(cr);
    }
    setColor(cr, 0xECE9D8);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    bevel(cr, w, h, true, 0xECE9D8);
    cairo_restore(cr);
    // Title bar.
    cairo_pattern_t* bar = cairo_pattern_create_linear(l.title.x, 0, l.title.x + l.title.w, 0);
    cairo_pattern_add_color_stop_rgb(bar, 0, 0.04, 0.14, 0.42);
    cairo_pattern_add_color_stop_rgb(bar, 1, 0.65, 0.79, 0.94);
    cairo_set_source(cr, bar);
    cairo_rectangle(cr, l.title.x, l.title.y, l.title.w, l.title.h);
    cairo_fill(cr);
    cairo_pattern_destroy(bar);
    cairo_save(cr);
    cairo_translate(cr, l.title.x + 6, l.title.y + 2);
    drawText(cr, Font{"Arial", 9, true, false}, box.title, 0xFFFFFF, l.title.w - 12, 16, false,
             false, false);
    cairo_restore(cr);
    if (box.stopIcon()) {
        double cx = l.icon.x + 16, cy = l.icon.y + 16;
        cairo_new_path(cr);  // the text left a current point behind
        cairo_arc(cr, cx, cy, 15, 0, 2 * M_PI);
        setColor(cr, 0xD01010);
        cairo_fill_preserve(cr);
        setColor(cr, 0x600000);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        setColor(cr, 0xFFFFFF);
        cairo_set_line_width(cr, 3.5);
        cairo_move_to(cr, cx - 7, cy - 7);
        cairo_line_to(cr, cx + 7, cy + 7);
        cairo_move_to(cr, cx + 7, cy - 7);
        cairo_line_to(cr, cx - 7, cy + 7);
        cairo_stroke(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, l.text.x, l.text.y);
    drawText(cr, Font{"Arial", 10, false, false}, box.prompt, 0x000000, l.text.w, l.text.h, false,
             true, false);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, l.ok.x, l.ok.y);
    setColor(cr, 0xECE9D8);
    cairo_rectangle(cr, 0, 0, l.ok.w, l.ok.h);
    cairo_fill(cr);
    drawText(cr, Font{"Arial", 10, false, false}, "OK", 0x000000, l.ok.w, l.ok.h, true, false,
             true);
    bevel(cr, l.ok.w, l.ok.h, true, 0xECE9D8);
    cairo_restore(cr);
}

void Renderer::State::draw(cairo_t* cr, const Item& item, Renderer& renderer) {
    cairo_save(cr);
    cairo_translate(cr, item.originX, item.originY);
    cairo_scale(cr, vp.scale, vp.scale);
    switch (item.what) {
        case Item::What::FormBack: {
            const Form& f = *item.form;
            double w = f.Width / kTwipsPerPixel, h = f.Height / kTwipsPerPixel;
            if (f.Framed) {
                for (int i = kShadow; i > 0; i -= 2) {
                    setColor(cr, 0x000000, 0.09);
                    roundedRect(cr, i - kBorder, i - kBorder, w + 2 * kBorder, h + 2 * kBorder, 5);
                    cairo_fill(cr);
                }
                cairo_save(cr);
                cairo_translate(cr, -kBorder, -kBorder);
                setColor(cr, f.BackColor);
                cairo_rectangle(cr, 0, 0, w + 2 * kBorder, h + 2 * kBorder);
                cairo_fill(cr);
                bevel(cr, w + 2 * kBorder, h + 2 * kBorder, true,
                      shade(f.BackColor, 1.1) | 0x404040);
                cairo_restore(cr);
            }
            setColor(cr, f.BackColor);
            cairo_rectangle(cr, 0, 0, w, h);
            cairo_fill(cr);
            if (!f.Picture.empty()) {
                cairo_save(cr);
                cairo_rectangle(cr, 0, 0, w, h);
                cairo_clip(cr);
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
        cairo_t* cr = cairo_create(target);
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
        cairo_destroy(cr);
        cairo_surface_flush(target);
    }
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
