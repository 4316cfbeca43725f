// picture.cpp: BMP decoding and the lookup of built-in pictures.
#include "picture.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdint>
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
    data->standIn.width = width;
    data->standIn.height = height;
    data->standIn.rgb.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            data->standIn.rgb[static_cast<std::size_t>(y) * width + x] =
                ((x / 8 + y / 8) % 2) ? 0xFF00FFu : 0x000000u;
    data->widthTwips = width * 15.0;
    data->heightTwips = height * 15.0;
    return data;
}

}  // namespace

namespace {

struct BmpLayout {
    std::uint32_t offset = 0;
    int width = 0, height = 0;
    bool bottomUp = true;
    std::size_t stride = 0;
};

bool readBmp(std::span<const unsigned char> b, BmpLayout& bmp, std::string& error) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return error = "not a BMP file", false;
    bmp.offset = le32(&b[10]);
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
    bmp.bottomUp = height > 0;
    bmp.width = width;
    bmp.height = bmp.bottomUp ? height : -height;
    bmp.stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    if (bmp.offset > b.size() || b.size() - bmp.offset < bmp.stride * bmp.height)
        return error = "truncated BMP", false;
    return true;
}

// Tells the system the whole pages of the bytes are not needed for now: they are read again
// from the executable if they ever are. Built-in bytes live in a read-only file mapping.
void release(std::span<const unsigned char> bytes) {
    static const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    auto from = reinterpret_cast<std::uintptr_t>(bytes.data());
    auto to = from + bytes.size();
    from = (from + page - 1) / page * page;
    to = to / page * page;
    if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
}

}  // namespace

bool checkBmp(std::span<const unsigned char> b, int& width, int& height, std::string& error) {
    BmpLayout bmp;
    if (!readBmp(b, bmp, error)) return false;
    width = bmp.width;
    height = bmp.height;
    return true;
}

bool decodeBmp(std::span<const unsigned char> b, Pixels& out, std::string& error) {
    BmpLayout bmp;
    if (!readBmp(b, bmp, error)) return false;
    int w = bmp.width, h = bmp.height;
    out.width = w;
    out.height = h;
    out.rgb.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = &b[bmp.offset + bmp.stride * (bmp.bottomUp ? h - 1 - y : y)];
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = row + 3 * x;
            out.rgb[static_cast<std::size_t>(y) * w + x] =
                (static_cast<std::uint32_t>(p[2]) << 16) | (p[1] << 8) | p[0];
        }
    }
    return true;
}

Pixels PictureData::pixels() const {
    if (bytes.empty() || vector) return standIn;
    Pixels out;
    std::string error;
    decodeBmp(bytes, out, error);  // checked when the picture was looked up
    release(bytes);
    return out;
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
            int width = 0, height = 0;
            if (checkBmp(data->bytes, width, height, error)) {
                data->widthTwips = width * 15.0;
                data->heightTwips = height * 15.0;
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
