// build_pictures.cpp: ormal-pictures, which turns the SVG sources listed in pictures.txt into
// the embedded picture files, their assembly and index, and a contact sheet for a look-over.
// The build renders each picture on its own (mode render) and then puts them together (mode
// assemble), so that an edit to one SVG renders only that picture again.
#include <cairo.h>
#include <librsvg/rsvg.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kSheetWidth = 1600;
constexpr int kSheetMargin = 16;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

template <auto Free>
struct Deleter {
    template <typename T>
    void operator()(T* p) const {
        Free(p);
    }
};
using Surface = std::unique_ptr<cairo_surface_t, Deleter<cairo_surface_destroy>>;
using Cairo = std::unique_ptr<cairo_t, Deleter<cairo_destroy>>;
using Object = std::unique_ptr<GObject, Deleter<g_object_unref>>;
using Layout = std::unique_ptr<PangoLayout, Deleter<g_object_unref>>;
using FontDescription = std::unique_ptr<PangoFontDescription, Deleter<pango_font_description_free>>;
using GlibText = std::unique_ptr<gchar, Deleter<g_free>>;
using Error = std::unique_ptr<GError, Deleter<g_error_free>>;

struct Entry {
    std::string name;  // "map/starmap"
    bool vector = false;
    int width = 0;  // bitmap: pixels; vector: twips
    int height = 0;
    std::string source;  // relative to the assets directory
    bool missing = false;
    fs::path written;  // absolute path of the embedded file
    std::uint64_t hash = 0;
    Surface look;  // the picture as the contact sheet shows it
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Always rewritten, so that the build sees it newer than what it was made from.
void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    fs::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw Failure("cannot write " + temp.string());
    }
    fs::rename(temp, path);  // a reader never sees half a file
}

// Leaves an unchanged file alone, so its timestamp does not trigger needless rebuilds.
void writeIfChanged(const fs::path& path, const std::string& bytes) {
    std::error_code ec;
    if (fs::file_size(path, ec) == bytes.size() && !ec && readFile(path) == bytes) return;
    writeFile(path, bytes);
}

std::vector<std::string> splitFields(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> fields;
    for (std::string f; in >> f;) fields.push_back(f);
    return fields;
}

bool parseSize(const std::string& text, int& out) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && out > 0 && out <= 1000000;
}

// Names become file names and C string literals; keep them to a plain, safe alphabet.
bool plainName(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.back() == '/') return false;
    if (name.find("..") != std::string::npos || name.find("//") != std::string::npos) return false;
    return std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '.' || c == '/';
    });
}

std::vector<Entry> readManifest(const fs::path& file) {
    std::ifstream in(file);
    if (!in) throw Failure("cannot read " + file.string());
    std::vector<Entry> entries;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        auto bad = [&](const std::string& why) {
            return Failure(file.string() + ":" + std::to_string(number) + ": " + why);
        };
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::vector<std::string> f = splitFields(line);
        if (f.empty()) continue;
        if (f.size() != 5) throw bad("expected 'name format W H source', got: " + line);
        Entry e;
        e.name = f[0];
        if (!plainName(e.name)) throw bad("bad picture name '" + e.name + "'");
        if (f[1] != "bitmap" && f[1] != "vector")
            throw bad("format must be bitmap or vector, not '" + f[1] + "'");
        e.vector = f[1] == "vector";
        if (!parseSize(f[2], e.width) || !parseSize(f[3], e.height))
            throw bad("bad size '" + f[2] + " " + f[3] + "'");
        if (!e.vector && (e.width > 16384 || e.height > 16384)) throw bad("bitmap too large");
        e.source = f[4];
        if (fs::path(e.source).is_absolute()) throw bad("source must be relative");
        for (const Entry& other : entries)
            if (other.name == e.name) throw bad("picture '" + e.name + "' listed twice");
        entries.push_back(std::move(e));
    }
    return entries;
}

Surface newSurface(int width, int height) {
    Surface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS)
        throw Failure("cannot make a " + std::to_string(width) + "x" + std::to_string(height) +
                      " surface");
    return s;
}

// librsvg's own message, which a parse error ends with a newline.
Failure svgFailure(GError* raw) {
    const Error error(raw);
    std::string why = error ? error->message : "unknown error";
    while (!why.empty() && std::isspace(static_cast<unsigned char>(why.back()))) why.pop_back();
    return Failure(why);
}

// The SVG drawn into exactly width x height pixels over opaque white.
Surface renderSvg(const fs::path& path, int width, int height) {
    GError* error = nullptr;
    Object handle(G_OBJECT(rsvg_handle_new_from_file(path.c_str(), &error)));
    if (!handle) throw svgFailure(error);
    Surface surface = newSurface(width, height);
    Cairo cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
    if (!rsvg_handle_render_document(RSVG_HANDLE(handle.get()), cr.get(), &viewport, &error))
        throw svgFailure(error);
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
        throw Failure(cairo_status_to_string(cairo_status(cr.get())));
    cairo_surface_flush(surface.get());
    return surface;
}

// The same magenta and black checker the game shows for a damaged picture.
Surface checker(int width, int height) {
    Surface surface = newSurface(width, height);
    auto* data = cairo_image_surface_get_data(surface.get());
    int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < height; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) row[x] = ((x / 8 + y / 8) % 2) ? 0xFFFF00FFu : 0xFF000000u;
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

void putLe(std::string& out, std::uint32_t v, int bytes = 4) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// An uncompressed 24-bit bottom-up BMP of an opaque surface.
std::string encodeBmp(cairo_surface_t* surface) {
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    std::string out;
    out.reserve(54 + imageBytes);
    out += "BM";
    putLe(out, 54 + imageBytes);
    putLe(out, 0);   // reserved
    putLe(out, 54);  // pixel data offset
    putLe(out, 40);  // BITMAPINFOHEADER
    putLe(out, static_cast<std::uint32_t>(width));
    putLe(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
    putLe(out, 1, 2);                                // planes
    putLe(out, 24, 2);                               // bits per pixel
    putLe(out, 0);                                   // BI_RGB
    putLe(out, imageBytes);
    putLe(out, 2835);  // 72 dpi
    putLe(out, 2835);
    putLe(out, 0);  // palette colours
    putLe(out, 0);
    const auto* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = height - 1; y >= 0; --y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(row[x] & 0xFF));          // blue
            out.push_back(static_cast<char>((row[x] >> 8) & 0xFF));   // green
            out.push_back(static_cast<char>((row[x] >> 16) & 0xFF));  // red
        }
        out.append(rowBytes - static_cast<std::uint32_t>(width) * 3, '\0');
    }
    return out;
}

// A magenta rectangle of the natural size, drawn in twips.
std::string standInSvg(int w, int h) {
    char svg[256];
    std::snprintf(
        svg, sizeof svg,
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%g\" height=\"%g\" "
        "viewBox=\"0 0 %d %d\"><rect width=\"%d\" height=\"%d\" fill=\"#ff00ff\"/></svg>\n",
        double(w) / kTwipsPerPixel, double(h) / kTwipsPerPixel, w, h, w, h);
    return svg;
}

// A string literal both the assembler and the C++ compiler read back byte for byte.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::uint64_t fnv1a(const std::string& bytes) {
    std::uint64_t h = 0xcbf29ce484222325u;
    for (unsigned char c : bytes) h = (h ^ c) * 0x100000001b3u;
    return h;
}

// The assembly changes whenever an embedded file does (the hash comment), since the build
// does not know about the .incbin dependencies.
std::string assembly(const std::vector<Entry>& entries) {
    std::string s = "/* pictures.S: generated by ormal-pictures; embeds every picture file. */\n";
    s += "\t.section .rodata\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string sym = "ormal_picture_" + std::to_string(i);
        char hash[24];
        std::snprintf(hash, sizeof hash, "%016llx",
                      static_cast<unsigned long long>(entries[i].hash));
        s += "\n/* " + entries[i].name + " fnv1a " + hash + " */\n";
        s += "\t.balign 16\n";
        s += "\t.globl " + sym + "\n\t.globl " + sym + "_end\n";
        s += "\t.type " + sym + ", %object\n";
        s += sym + ":\n";
        s += "\t.incbin " + quoted(entries[i].written.string()) + "\n";
        s += sym + "_end:\n";
        s += "\t.size " + sym + ", " + sym + "_end - " + sym + "\n";
    }
    s += "\n\t.section .note.GNU-stack,\"\",%progbits\n";
    return s;
}

std::string indexSource(const std::vector<Entry>& entries) {
    std::string s =
        "// pictures_index.cpp: generated by ormal-pictures; the table of built-in "
        "pictures.\n#include \"picture.h\"\n";
    if (!entries.empty()) s += "\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string sym = "ormal_picture_" + std::to_string(i);
        s += "extern \"C\" const unsigned char " + sym + "[], " + sym + "_end[];\n";
    }
    s += "\nnamespace ormal {\n\nstd::span<const EmbeddedPicture> embeddedPictures() {\n";
    if (entries.empty()) {
        s += "    return {};\n";
    } else {
        // Function-local, so no other file's static initialisation can see it unfilled.
        s += "    static const EmbeddedPicture table[] = {\n";
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Entry& e = entries[i];
            const std::string sym = "ormal_picture_" + std::to_string(i);
            s += "        {" + quoted(e.name) + ", " + (e.vector ? "true" : "false") + ", " +
                 std::to_string(e.width) + ", " + std::to_string(e.height) + ",\n         " + sym +
                 ", static_cast<std::size_t>(" + sym + "_end - " + sym + ")},\n";
        }
        s += "    };\n    return table;\n";
    }
    s += "}\n\nstd::span<const char* const> missingPictureSources() {\n";
    s += "    // The sentinel keeps an empty list well-formed.\n";
    s += "    static const char* const names[] = {\n";
    std::size_t missing = 0;
    for (const Entry& e : entries)
        if (e.missing) s += "        " + quoted(e.name) + ",\n", ++missing;
    s += "        nullptr};\n";
    s += "    return {names, " + std::to_string(missing) + "};\n}\n\n}  // namespace ormal\n";
    return s;
}

// cairo is C: nothing may unwind through it, so a failed append is reported as a status.
cairo_status_t appendPng(void* closure, const unsigned char* data, unsigned int length) noexcept {
    try {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    } catch (...) {
        return CAIRO_STATUS_NO_MEMORY;
    }
}

std::string encodePng(cairo_surface_t* surface, const std::string& what) {
    std::string png;
    const cairo_status_t status = cairo_surface_write_to_png_stream(surface, appendPng, &png);
    if (status != CAIRO_STATUS_SUCCESS)
        throw Failure("cannot encode " + what + ": " + cairo_status_to_string(status));
    return png;
}

std::string escapeMarkup(const std::string& text) {
    GlibText escaped(g_markup_escape_text(text.c_str(), -1));
    return escaped.get();
}

std::string label(const Entry& e) {
    std::string text = escapeMarkup(e.name) + " ";
    if (e.vector)
        text += "vector " + std::to_string(e.width) + "x" + std::to_string(e.height) + " twips";
    else
        text += std::to_string(e.width) + "x" + std::to_string(e.height);
    if (e.missing) text += " <span foreground=\"#ff4040\" weight=\"bold\">MISSING</span>";
    return text;
}

// Every picture at its natural size with its name under it, in rows.
std::string contactSheet(const std::vector<Entry>& entries) {
    struct Cell {
        int x, y, w, h, labelW, labelH;
    };
    Surface scratch = newSurface(1, 1);
    Cairo measure(cairo_create(scratch.get()));
    Layout layout(pango_cairo_create_layout(measure.get()));
    FontDescription font(pango_font_description_from_string("DejaVu Sans 9"));
    pango_layout_set_font_description(layout.get(), font.get());

    std::vector<Cell> cells;
    int x = kSheetMargin, y = kSheetMargin, rowHeight = 0;
    for (const Entry& e : entries) {
        pango_layout_set_markup(layout.get(), label(e).c_str(), -1);
        Cell c{};
        pango_layout_get_pixel_size(layout.get(), &c.labelW, &c.labelH);
        c.w = cairo_image_surface_get_width(e.look.get());
        c.h = cairo_image_surface_get_height(e.look.get());
        int cellW = std::max(c.w, c.labelW);
        if (x > kSheetMargin && x + cellW > kSheetWidth - kSheetMargin) {
            x = kSheetMargin;
            y += rowHeight + kSheetMargin;
            rowHeight = 0;
        }
        c.x = x;
        c.y = y;
        x += cellW + kSheetMargin;
        rowHeight = std::max(rowHeight, c.h + 4 + c.labelH);
        cells.push_back(c);
    }
    const int sheetHeight = y + rowHeight + kSheetMargin;

    Surface sheet = newSurface(kSheetWidth, sheetHeight);
    Cairo cr(cairo_create(sheet.get()));
    cairo_set_source_rgb(cr.get(), 0x20 / 255.0, 0x20 / 255.0, 0x20 / 255.0);
    cairo_paint(cr.get());
    pango_cairo_update_context(cr.get(), pango_layout_get_context(layout.get()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Cell& c = cells[i];
        cairo_set_source_surface(cr.get(), entries[i].look.get(), c.x, c.y);
        cairo_paint(cr.get());
        pango_layout_set_markup(layout.get(), label(entries[i]).c_str(), -1);
        cairo_set_source_rgb(cr.get(), 0.82, 0.82, 0.82);
        cairo_move_to(cr.get(), c.x, c.y + c.h + 4);
        pango_cairo_show_layout(cr.get(), layout.get());
    }
    cairo_surface_flush(sheet.get());
    return encodePng(sheet.get(), "the contact sheet");
}

// Where a picture's files go: the embedded file, and the bitmap the contact sheet shows (the
// same file for a bitmap; a vector's rendering at its natural pixel size).
fs::path embeddedPath(const fs::path& out, const Entry& e) {
    return fs::absolute(out / "pictures" / (e.name + (e.vector ? ".svg" : ".bmp")))
        .lexically_normal();
}

fs::path lookPath(const fs::path& out, const Entry& e) {
    return e.vector ? out / "looks" / (e.name + ".bmp") : embeddedPath(out, e);
}

// A vector shows on the contact sheet at its natural pixel size.
std::pair<int, int> lookSize(const Entry& e) {
    if (!e.vector) return {e.width, e.height};
    auto px = [](int twips) {
        return std::max(1, int(std::lround(double(twips) / kTwipsPerPixel)));
    };
    return {px(e.width), px(e.height)};
}

// One picture: its embedded file, and for a vector the bitmap the contact sheet shows.
void renderPicture(const fs::path& assets, const Entry& e, const fs::path& out) {
    const fs::path source = assets / e.source;
    try {
        const bool missing = !fs::exists(source);
        if (missing)
            std::fprintf(stderr, "ormal-pictures: warning: %s: source %s is missing; %s\n",
                         e.name.c_str(), source.c_str(), "using a stand-in");
        const auto [w, h] = lookSize(e);
        Surface look = missing ? checker(w, h) : renderSvg(source, w, h);  // proves a vector loads
        if (!e.vector) {
            writeFile(embeddedPath(out, e), encodeBmp(look.get()));
            return;
        }
        writeFile(embeddedPath(out, e), missing ? standInSvg(e.width, e.height) : readFile(source));
        writeFile(lookPath(out, e), encodeBmp(look.get()));
    } catch (const std::exception& failure) {
        throw Failure("picture " + e.name + " from " + source.string() + ": " + failure.what());
    }
}

std::uint32_t readLe(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

// Reads back a BMP as encodeBmp writes it, checking that it has the expected size.
Surface decodeBmp(const std::string& bytes, int width, int height) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::size_t need = 54 + std::size_t{rowBytes} * static_cast<std::size_t>(height);
    if (bytes.size() != need || bytes.compare(0, 2, "BM") != 0 || readLe(bytes, 10, 4) != 54 ||
        readLe(bytes, 18, 4) != static_cast<std::uint32_t>(width) ||
        readLe(bytes, 22, 4) != static_cast<std::uint32_t>(height) || readLe(bytes, 28, 2) != 24 ||
        readLe(bytes, 30, 4) != 0)
        throw Failure("not a " + std::to_string(width) + "x" + std::to_string(height) +
                      " 24-bit BMP as this tool writes it");
    Surface surface = newSurface(width, height);
    auto* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < height; ++y) {
        const std::size_t from =
            54 + std::size_t{rowBytes} * static_cast<std::size_t>(height - 1 - y);
        auto* row =
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t bgr = readLe(bytes, from + static_cast<std::size_t>(x) * 3, 3);
            row[x] = 0xFF000000u | bgr;
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

// The embedding, the index, the contact sheet and the desktop icon, from the rendered files.
// pictures.stamp is always touched, the rest rewritten only when they change, so that an
// unchanged picture rebuilds nothing downstream.
int assemble(const fs::path& assets, const fs::path& out) {
    std::vector<Entry> entries = readManifest(assets / "pictures.txt");
    int missing = 0;
    for (Entry& e : entries) {
        e.written = embeddedPath(out, e);
        const fs::path look = lookPath(out, e);
        try {
            const std::string bytes = readFile(e.written);
            e.hash = fnv1a(bytes);
            const auto [w, h] = lookSize(e);
            e.look = decodeBmp(e.vector ? readFile(look) : bytes, w, h);
        } catch (const std::exception& failure) {
            throw Failure("picture " + e.name + " is not rendered: " + failure.what());
        }
        e.missing = !fs::exists(assets / e.source);
        missing += e.missing;
    }
    writeIfChanged(out / "pictures.S", assembly(entries));
    writeIfChanged(out / "pictures_index.cpp", indexSource(entries));
    writeIfChanged(out / "contact-sheet.png", contactSheet(entries));
    const std::string summary =
        std::to_string(entries.size()) + " pictures, " + std::to_string(missing) + " missing";
    writeFile(out / "pictures.stamp", summary + "\n");
    std::printf("ormal-pictures: %s\n", summary.c_str());
    return 0;
}

// One picture from a file holding its manifest row, so that a build can render each
// picture on its own.
int renderRow(const fs::path& assets, const fs::path& rowFile, const fs::path& out) {
    std::vector<Entry> entries = readManifest(rowFile);
    if (entries.size() != 1) throw Failure(rowFile.string() + ": expected exactly one picture");
    renderPicture(assets, entries.front(), out);
    return 0;
}

int renderAll(const fs::path& assets, const fs::path& out) {
    for (const Entry& e : readManifest(assets / "pictures.txt")) renderPicture(assets, e, out);
    return assemble(assets, out);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 4 && args[0] == "render") return renderRow(args[1], args[2], args[3]);
        if (args.size() == 3 && args[0] == "assemble") return assemble(args[1], args[2]);
        if (args.size() == 2 && args[0] != "render" && args[0] != "assemble")
            return renderAll(args[0], args[1]);
        std::fprintf(stderr,
                     "usage: ormal-pictures <assets-dir> <out-dir>\n"
                     "         every picture in <assets-dir>/pictures.txt, then as assemble\n"
                     "       ormal-pictures render <assets-dir> <row-file> <out-dir>\n"
                     "         the one picture whose manifest row <row-file> holds\n"
                     "       ormal-pictures assemble <assets-dir> <out-dir>\n"
                     "         pictures.S, pictures_index.cpp and contact-sheet.png\n"
                     "         from the rendered pictures\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ormal-pictures: error: %s\n", e.what());
        return 1;
    } catch (...) {
        std::fprintf(stderr, "ormal-pictures: error: unknown failure\n");
        return 1;
    }
}
