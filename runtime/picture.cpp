// picture.cpp: BMP decoding and the lookup of built-in pictures.
#include "picture.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

namespace ormal {

namespace {

std::uint32_t le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// A magenta and black checker: impossible to mistake for art, so a broken picture is seen.
std::shared_ptr<PictureData> fallback(std::string_view name, int width, int height) {
    auto data = std::make_shared<PictureData>();
    data->name = std::string(name);
    width = width > 0 ? width : 32;
    height = height > 0 ? height : 32;
    data->pixels.width = width;
    data->pixels.height = height;
    data->pixels.rgb.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            data->pixels.rgb[static_cast<std::size_t>(y) * width + x] =
                ((x / 8 + y / 8) % 2) ? 0xFF00FFu : 0x000000u;
    data->widthTwips = width * 15.0;
    data->heightTwips = height * 15.0;
    return data;
}

}  // namespace

bool decodeBmp(std::span<const unsigned char> b, Pixels& out, std::string& error) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return error = "not a BMP file", false;
    std::uint32_t offset = le32(&b[10]);
    std::uint32_t header = le32(&b[14]);
    if (header < 40) return error = "unsupported BMP header", false;
    auto width = static_cast<std::int32_t>(le32(&b[18]));
    auto height = static_cast<std::int32_t>(le32(&b[22]));
    std::uint16_t bits = le16(&b[28]);
    std::uint32_t compression = le32(&b[30]);
    if (bits != 24) return error = "not a 24-bit BMP", false;
    if (compression != 0) return error = "compressed BMP", false;
    if (width <= 0 || height == 0 || width > 16384 || height > 16384 || height < -16384)
        return error = "bad BMP size", false;
    bool bottomUp = height > 0;
    int h = bottomUp ? height : -height;
    std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    if (offset > b.size() || b.size() - offset < stride * h) return error = "truncated BMP", false;
    out.width = width;
    out.height = h;
    out.rgb.resize(static_cast<std::size_t>(width) * h);
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = &b[offset + stride * (bottomUp ? h - 1 - y : y)];
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = row + 3 * x;
            out.rgb[static_cast<std::size_t>(y) * width + x] =
                (static_cast<std::uint32_t>(p[2]) << 16) | (p[1] << 8) | p[0];
        }
    }
    return true;
}

bool Picture::exists(std::string_view name) {
    for (const EmbeddedPicture& e : embeddedPictures())
        if (name == e.name) return true;
    return false;
}

Picture Picture::named(std::string_view name) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const PictureData>, std::less<>> cache;
    std::lock_guard lock(mutex);
    if (auto it = cache.find(name); it != cache.end()) return Picture(it->second);

    std::shared_ptr<const PictureData> made;
    for (const EmbeddedPicture& e : embeddedPictures()) {
        if (name != e.name) continue;
        auto data = std::make_shared<PictureData>();
        data->name = e.name;
        data->bytes = {e.bytes, e.size};
        if (e.vector) {
            data->vector = true;
            data->widthTwips = e.width;
            data->heightTwips = e.height;
            made = data;
        } else {
            std::string error;
            if (decodeBmp(data->bytes, data->pixels, error)) {
                data->widthTwips = data->pixels.width * 15.0;
                data->heightTwips = data->pixels.height * 15.0;
                made = data;
            } else {
                std::fprintf(stderr, "ormal: picture %s is damaged (%s); showing a stand-in\n",
                             e.name, error.c_str());
                made = fallback(name, e.width, e.height);
            }
        }
        break;
    }
    if (!made) {
        std::fprintf(stderr, "ormal: picture %.*s is not built in; showing a stand-in\n",
                     static_cast<int>(name.size()), name.data());
        made = fallback(name, 32, 32);
    }
    cache.emplace(std::string(name), made);
    return Picture(made);
}

}  // namespace ormal
