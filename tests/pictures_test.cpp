// pictures_test.cpp: the built-in pictures as the screens show them: every picture a screen
// names is built in at its exact size, the star map has a planet in every planet area, and
// every planet surface has its buildings under the planet screen's hotspots.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "battle/form7.h"
#include "battle/form8.h"
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "fixture.h"
#include "intro/form1.h"
#include "map/form2.h"
#include "planet/form3.h"
#include "trade/form6.h"

using game::Form2;
using game::Form3;
using ormal::EmbeddedPicture;
using ormal::Pixels;
using testing_support::GameFixture;

namespace {

constexpr double kTwipsPerPixel = 15;

// ---- The manifest and the embedded bytes ----

struct ManifestRow {
    std::string name;
    bool vector = false;
    int width = 0, height = 0;  // bitmap: pixels; vector: twips
};

std::vector<ManifestRow> readManifest() {
    // The sources sit beside the tests: tests/../assets.
    auto file =
        std::filesystem::path(__FILE__).parent_path().parent_path() / "assets" / "pictures.txt";
    std::ifstream in(file);
    EXPECT_TRUE(in) << "cannot read " << file;
    std::vector<ManifestRow> rows;
    for (std::string line; std::getline(in, line);) {
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream fields(line);
        ManifestRow row;
        std::string format, source;
        if (!(fields >> row.name)) continue;
        fields >> format >> row.width >> row.height >> source;
        EXPECT_TRUE(fields && (format == "bitmap" || format == "vector")) << line;
        row.vector = format == "vector";
        rows.push_back(row);
    }
    return rows;
}

const EmbeddedPicture* embedded(std::string_view name) {
    for (const EmbeddedPicture& e : ormal::embeddedPictures())
        if (name == e.name) return &e;
    return nullptr;
}

std::uint32_t le(const unsigned char* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// What the header of an embedded bitmap says, read straight from its bytes.
struct BmpHeader {
    bool valid = false;
    int bits = 0, compression = -1, width = 0, height = 0;
};

BmpHeader bmpHeader(const EmbeddedPicture& e) {
    BmpHeader h;
    if (e.size < 54 || e.bytes[0] != 'B' || e.bytes[1] != 'M') return h;
    h.valid = true;
    h.width = static_cast<std::int32_t>(le(e.bytes + 18, 4));
    h.height = std::abs(static_cast<std::int32_t>(le(e.bytes + 22, 4)));  // negative: top-down
    h.bits = static_cast<int>(le(e.bytes + 28, 2));
    h.compression = static_cast<int>(le(e.bytes + 30, 4));
    return h;
}

// The width or height attribute of an embedded SVG's root element, in pixels (-1 if absent).
double svgLength(const EmbeddedPicture& e, const std::string& attribute) {
    std::string_view text(reinterpret_cast<const char*>(e.bytes), e.size);
    auto open = text.find("<svg");
    if (open == std::string_view::npos) return -1;
    std::string_view root = text.substr(open, text.find('>', open) - open);
    auto at = root.find(" " + attribute + "=\"");
    if (at == std::string_view::npos) return -1;
    std::string value(root.substr(at + attribute.size() + 3));
    value.erase(value.find('"'));
    if (value.size() > 2 && value.substr(value.size() - 2) == "px") value.resize(value.size() - 2);
    char* end = nullptr;
    double v = std::strtod(value.c_str(), &end);
    return *end == '\0' ? v : -1;
}

// ---- Pixels ----

double luminance(std::uint32_t rgb) {
    return 0.299 * ((rgb >> 16) & 0xFF) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * (rgb & 0xFF);
}

// The black starfield, faint stars and the dim nebula haze all stay below this.
constexpr double kStarfield = 40;

// A box of picture pixels, both ends included.
struct Box {
    int x0, y0, x1, y1;
    int area() const { return (x1 - x0 + 1) * (y1 - y0 + 1); }
};

// The pixels a control covers in the picture of the picture box it sits in: the picture is
// drawn at the box's interior origin, where the children's coordinates start too.
Box pixelsUnder(const ormal::Control& c) {
    auto px = [](float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); };
    return {px(c.Left), px(c.Top), px(c.Left + c.Width) - 1, px(c.Top + c.Height) - 1};
}

// Building pixels: pixels on a straight, axis-aligned strong edge. Walls, roofs, aprons,
// containers and pads are drawn with ruled outlines; the painted ground (noise, rocks,
// craters, trees, river banks, clearings) has soft or curved edges and almost none. An edge
// pixel has a luminance step of at least kEdgeStep across it (from the pixel before to the one
// after); it counts when it is part of a run of kEdgeRun or more along the edge, all stepping
// the same way.
constexpr double kEdgeStep = 40;
constexpr int kEdgeRun = 12;

int straightEdgePixels(const Pixels& p, const Box& b) {
    const int w = b.x1 - b.x0 + 1;
    std::vector<char> on(static_cast<std::size_t>(b.area()), 0);
    auto step = [&](int x, int y, bool across) {
        double d = across ? luminance(p.at(x, y + 1)) - luminance(p.at(x, y - 1))
                          : luminance(p.at(x + 1, y)) - luminance(p.at(x - 1, y));
        return d >= kEdgeStep ? 1 : d <= -kEdgeStep ? -1 : 0;
    };
    // Runs along rows (horizontal edges) and along columns (vertical edges).
    for (bool rows : {true, false}) {
        const int lines = rows ? b.y1 - b.y0 + 1 : w, length = rows ? w : b.y1 - b.y0 + 1;
        for (int l = 0; l < lines; ++l) {
            int run = 0, sign = 0;
            for (int i = 0; i <= length; ++i) {
                int x = rows ? b.x0 + i : b.x0 + l, y = rows ? b.y0 + l : b.y0 + i;
                int s = i < length ? step(x, y, rows) : 0;
                if (s != 0 && s == sign) {
                    ++run;
                    continue;
                }
                if (run >= kEdgeRun)
                    for (int k = i - run; k < i; ++k)
                        on[rows ? static_cast<std::size_t>(l) * w + k
                                : static_cast<std::size_t>(k) * w + l] = 1;
                run = s != 0 ? 1 : 0;
                sign = s;
            }
        }
    }
    int n = 0;
    for (char c : on) n += c;
    return n;
}

struct Pictures : GameFixture {
    Pictures() {
        app.form<game::Form1>();
        app.form<game::Form2>();
        app.form<game::Form3>();
        app.form<game::Form4>();
        app.form<game::Form5>();
        app.form<game::Form6>();
        app.form<game::Form7>();
        app.form<game::Form8>();
    }
};

// Every picture held by a form or one of its controls, named "Form3.Picture6".
struct Held {
    std::string where;
    ormal::Picture picture;
};

void collect(const ormal::Control& c, const std::string& form, std::vector<Held>& out) {
    const ormal::Picture* p = nullptr;
    switch (c.kind()) {
        case ormal::Kind::Form:
            p = &static_cast<const ormal::Form&>(c).Picture;
            break;
        case ormal::Kind::CommandButton:
            p = &static_cast<const ormal::CommandButton&>(c).Picture;
            break;
        case ormal::Kind::Image:
            p = &static_cast<const ormal::Image&>(c).Picture;
            break;
        case ormal::Kind::PictureBox:
            p = &static_cast<const ormal::PictureBox&>(c).Picture;
            break;
        default:
            break;
    }
    std::string where = c.kind() == ormal::Kind::Form ? form : form + "." + c.Name;
    if (p && !p->empty()) out.push_back({where, *p});
    if (auto* in = dynamic_cast<const ormal::Container*>(&c))
        for (const ormal::Control* child : in->children()) collect(*child, form, out);
}

}  // namespace

// ---- (a) Built in, decodable, exact size ----

TEST(PictureTable, EveryManifestPictureIsBuiltInAtItsSize) {
    EXPECT_TRUE(ormal::missingPictureSources().empty());
    for (const char* name : ormal::missingPictureSources()) ADD_FAILURE() << "no source: " << name;

    std::vector<ManifestRow> manifest = readManifest();
    ASSERT_FALSE(manifest.empty());
    for (const ManifestRow& row : manifest) {
        SCOPED_TRACE(row.name);
        const EmbeddedPicture* e = embedded(row.name);
        ASSERT_NE(e, nullptr) << "not embedded";
        EXPECT_EQ(e->vector, row.vector);
        EXPECT_EQ(e->width, row.width);
        EXPECT_EQ(e->height, row.height);
        if (row.vector) {
            // Drawn at its natural size: the SVG's own width and height, in pixels.
            EXPECT_NEAR(svgLength(*e, "width") * kTwipsPerPixel, row.width, 1.0);
            EXPECT_NEAR(svgLength(*e, "height") * kTwipsPerPixel, row.height, 1.0);
        } else {
            BmpHeader h = bmpHeader(*e);
            ASSERT_TRUE(h.valid) << "not a BMP";
            EXPECT_EQ(h.bits, 24);
            EXPECT_EQ(h.compression, 0);
            EXPECT_EQ(h.width, row.width);
            EXPECT_EQ(h.height, row.height);
        }
    }
    for (const EmbeddedPicture& e : ormal::embeddedPictures()) {
        bool listed = false;
        for (const ManifestRow& row : manifest) listed = listed || row.name == e.name;
        EXPECT_TRUE(listed) << e.name << " is embedded but not in the manifest";
    }
}

TEST_F(Pictures, EveryPictureOnTheScreensIsBuiltIn) {
    std::vector<Held> held;
    for (const ormal::Form* f : app.forms()) collect(*f, f->Name, held);
    ASSERT_FALSE(held.empty());
    for (const Held& h : held) {
        SCOPED_TRACE(h.where);
        const ormal::PictureData* d = h.picture.data();
        const EmbeddedPicture* e = embedded(d->name);
        if (!e) {
            ADD_FAILURE() << d->name << " is not built in";
            continue;
        }
        // A stand-in is drawn from nothing, or built from a missing source; a built-in
        // picture is the table's own bytes, rendered from its source.
        EXPECT_EQ(d->bytes.data(), e->bytes) << d->name << " is a stand-in";
        for (const char* missing : ormal::missingPictureSources())
            EXPECT_NE(d->name, missing) << d->name << " is a stand-in for a missing source";
        EXPECT_EQ(d->vector, e->vector) << d->name;
        if (e->vector) {
            EXPECT_EQ(d->widthTwips, e->width) << d->name;
            EXPECT_EQ(d->heightTwips, e->height) << d->name;
        } else {
            EXPECT_EQ(d->pixels().width, e->width) << d->name;
            EXPECT_EQ(d->pixels().height, e->height) << d->name;
            EXPECT_EQ(d->pixels().rgb.size(), static_cast<std::size_t>(e->width) * e->height);
        }
    }
}

// ---- (b) The star map ----

TEST_F(Pictures, StarMapHasAPlanetInEveryPlanetArea) {
    Form2& map = app.form<Form2>();
    ASSERT_FALSE(map.Picture1.Picture.empty() || map.Picture1.Picture.data()->vector);
    const Pixels sky = map.Picture1.Picture.data()->pixels();
    ASSERT_EQ(sky.width, 487);
    ASSERT_EQ(sky.height, 426);

    struct Area {
        const char* planet;
        const ormal::Image& image;
    };
    const Area areas[] = {
        {"Пардонолия", map.Image1}, {"Карот", map.Image2},    {"Пасим", map.Image3},
        {"Земля", map.Image4},      {"Шекарама", map.Image5}, {"Филий", map.Image6},
        {"Миранда", map.Image7},    {"Дорав", map.Image8},
    };
    std::vector<char> inArea(sky.rgb.size(), 0);
    for (const Area& a : areas) {
        SCOPED_TRACE(a.planet);
        Box b = pixelsUnder(a.image);
        ASSERT_TRUE(b.x0 >= 0 && b.y0 >= 0 && b.x1 < sky.width && b.y1 < sky.height);
        for (int y = b.y0; y <= b.y1; ++y)
            for (int x = b.x0; x <= b.x1; ++x)
                inArea[static_cast<std::size_t>(y) * sky.width + x] = 1;
        // The centre, and a disc a quarter of the area across: a star may be bright, but only
        // a planet fills a disc.
        double cx = (b.x0 + b.x1 + 1) / 2.0, cy = (b.y0 + b.y1 + 1) / 2.0;
        double r = std::max(2.0, std::min(b.x1 - b.x0 + 1, b.y1 - b.y0 + 1) / 4.0);
        EXPECT_GE(luminance(sky.at(static_cast<int>(cx), static_cast<int>(cy))), kStarfield)
            << "the centre is starfield";
        int disc = 0, lit = 0;
        for (int y = static_cast<int>(cy - r); y <= static_cast<int>(cy + r); ++y)
            for (int x = static_cast<int>(cx - r); x <= static_cast<int>(cx + r); ++x) {
                if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) > r) continue;
                ++disc;
                lit += luminance(sky.at(x, y)) >= kStarfield;
            }
        std::printf("%s %d/%d\n", a.planet, lit, disc);
        EXPECT_GE(lit, disc * 0.8) << lit << " of " << disc << " pixels around the centre are lit";
    }
    // And the threshold does tell planets from the sky: away from the planets the map is dark.
    int outside = 0, dark = 0;
    for (std::size_t i = 0; i < sky.rgb.size(); ++i) {
        if (inArea[i]) continue;
        ++outside;
        dark += luminance(sky.rgb[i]) < kStarfield;
    }
    std::printf("dark %d/%d\n", dark, outside);
    EXPECT_GE(dark, outside * 0.9) << "the starfield is too bright to tell planets from it";
}

// ---- (c) The planet surfaces ----

TEST_F(Pictures, EverySurfaceHasItsBuildingsUnderTheHotspots) {
    Form3& planet = app.form<Form3>();
    const Box trade = pixelsUnder(planet.Image1), fort = pixelsUnder(planet.Image2);
    struct Surface {
        const char* planet;
        const ormal::PictureBox& box;
        bool fortress;
    };
    const Surface surfaces[] = {
        {"Карот", planet.Picture2, true},  {"Пардонолия", planet.Picture3, true},
        {"Пасим", planet.Picture4, true},  {"Дорав", planet.Picture5, true},
        {"Земля", planet.Picture6, false}, {"Шекарама", planet.Picture7, true},
        {"Филий", planet.Picture8, true},  {"Миранда", planet.Picture9, true},
    };
    // A drawn building puts several hundred pixels on ruled edges into its box (the slimmest,
    // the station of "Земля", about 600; the others 1000 and more); bare ground under a box,
    // with or without a clearing, fewer than 100.
    auto built = [](const Box& b) { return b.area() / 50; };  // 2% of the box
    auto bare = [](const Box& b) { return b.area() / 133; };  // 0.75% of the box
    for (const Surface& s : surfaces) {
        SCOPED_TRACE(s.planet);
        ASSERT_FALSE(s.box.Picture.empty() || s.box.Picture.data()->vector);
        const Pixels p = s.box.Picture.data()->pixels();
        ASSERT_EQ(p.width, 512);
        ASSERT_EQ(p.height, 571);
        int inTrade = straightEdgePixels(p, trade), inFort = straightEdgePixels(p, fort);
        std::printf("%s %d %d (%d %d)\n", s.planet, inTrade, inFort, built(trade), bare(fort));
        EXPECT_GE(inTrade, built(trade)) << "no trade centre under the trade hotspot";
        if (s.fortress)
            EXPECT_GE(inFort, built(fort)) << "no fortress under the fortress hotspot";
        else
            EXPECT_LT(inFort, bare(fort)) << "a building under the fortress hotspot";
    }
}

// ---- (d) The map pieces ----

// The four pieces lie on the map panel with gaps between them: each is paper torn out of one
// map, the panel's brown out to its very edge so that no seam shows round it, and only the
// bottom right piece carries the red cross.
TEST_F(Pictures, MapPiecesSitOnThePanelAndTheLastCarriesTheCross) {
    Form2& map = app.form<Form2>();
    const ormal::Color panel = map.Shape10.FillColor;
    auto channel = [](std::uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    auto nearPanel = [&](std::uint32_t c) {
        for (int shift : {16, 8, 0})
            if (std::abs(channel(c, shift) - channel(panel, shift)) > 8) return false;
        return true;
    };
    // The cross's red; the dotted route and the ship's pennant are darker.
    auto crossRed = [&](std::uint32_t c) {
        return channel(c, 16) >= 190 && channel(c, 8) < 90 && channel(c, 0) < 80;
    };
    struct Piece {
        const char* place;
        const ormal::Image& image;
        bool cross;
    };
    const Piece pieces[] = {{"top left", map.Image13, false},
                            {"top right", map.Image15, false},
                            {"bottom left", map.Image16, false},
                            {"bottom right", map.Image17, true}};
    for (const Piece& piece : pieces) {
        SCOPED_TRACE(piece.place);
        ASSERT_FALSE(piece.image.Picture.empty() || piece.image.Picture.data()->vector);
        const Pixels p = piece.image.Picture.data()->pixels();
        int seam = 0, red = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                bool edge = x == 0 || y == 0 || x == p.width - 1 || y == p.height - 1;
                seam += edge && !nearPanel(p.at(x, y));
                red += crossRed(p.at(x, y));
            }
        EXPECT_EQ(seam, 0) << "edge pixels that are not the panel's brown";
        EXPECT_FALSE(nearPanel(p.at(p.width / 2, p.height / 2))) << "no paper in the middle";
        if (piece.cross)
            EXPECT_GE(red, 25) << "no red cross";
        else
            EXPECT_EQ(red, 0) << "red cross pixels on a piece without the cross";
    }
}
