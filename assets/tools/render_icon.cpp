// render_icon.cpp: ormal-icon, which renders the desktop icon's SVG source to a square PNG of
// one size for the icon theme. Usage: ormal-icon SOURCE.svg SIZE OUT.png
#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: ormal-icon SOURCE.svg SIZE OUT.png\n");
        return 2;
    }
    int size = std::atoi(argv[2]);
    if (size <= 0) {
        std::fprintf(stderr, "ormal-icon: bad size '%s'\n", argv[2]);
        return 2;
    }
    GError* error = nullptr;
    RsvgHandle* svg = rsvg_handle_new_from_file(argv[1], &error);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    RsvgRectangle viewport{0, 0, double(size), double(size)};
    bool ok = svg && rsvg_handle_render_document(svg, cr, &viewport, &error);
    cairo_destroy(cr);
    if (ok) ok = cairo_surface_write_to_png(surface, argv[3]) == CAIRO_STATUS_SUCCESS;
    if (!ok)
        std::fprintf(stderr, "ormal-icon: cannot render %s to %s: %s\n", argv[1], argv[3],
                     error ? error->message : "cannot write the PNG");
    if (error) g_error_free(error);
    cairo_surface_destroy(surface);
    if (svg) g_object_unref(svg);
    return ok ? 0 : 1;
}
