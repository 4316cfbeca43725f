// handles.h: owning wrappers for the handles of the C libraries the runtime draws with, so
// that an early return or an exception neither leaks one nor frees one twice.
#pragma once

#include <cairo.h>
#include <glib-object.h>
#include <pango/pango.h>

#include <memory>

namespace ormal {

template <auto Free>
struct FreeWith {
    template <class T>
    void operator()(T* handle) const {
        if (handle) Free(handle);
    }
};

template <class T, auto Free>
using Owned = std::unique_ptr<T, FreeWith<Free>>;

using CairoSurface = Owned<cairo_surface_t, cairo_surface_destroy>;
using CairoContext = Owned<cairo_t, cairo_destroy>;
using CairoPattern = Owned<cairo_pattern_t, cairo_pattern_destroy>;
using CairoFontOptions = Owned<cairo_font_options_t, cairo_font_options_destroy>;
using PangoFontDescriptionHandle = Owned<PangoFontDescription, pango_font_description_free>;
// Any GObject: layouts, contexts, font maps, SVG handles.
template <class T>
using GObject = Owned<T, g_object_unref>;
using GErrorHandle = Owned<GError, g_error_free>;

}  // namespace ormal
