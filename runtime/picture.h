// picture.h: pictures as the forms hold them. A picture is a shared, immutable handle to
// one of the pictures built into the executable (or to a decoded fallback).
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ormal {

// One picture as the build embeds it.
struct EmbeddedPicture {
    const char* name;  // "map/starmap"
    bool vector;       // SVG drawn at its natural size; otherwise a 24-bit BMP
    int width;         // bitmap: pixels; vector: twips
    int height;
    const unsigned char* bytes;
    std::size_t size;
};

// Decoded pixels of a bitmap, 0xRRGGBB per pixel, rows top to bottom.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

// Decodes an uncompressed 24-bit BMP. Returns false with a reason for anything else.
bool decodeBmp(std::span<const unsigned char> bytes, Pixels& out, std::string& error);
// Checks that the bytes are a BMP decodeBmp takes, and reads its size, without decoding it.
bool checkBmp(std::span<const unsigned char> bytes, int& width, int& height, std::string& error);

struct PictureData {
    std::string name;
    bool vector = false;
    double widthTwips = 0;  // the size the picture is drawn at, in twips
    double heightTwips = 0;
    std::span<const unsigned char> bytes;  // the built-in file: a BMP, or SVG text
    Pixels standIn;                         // a stand-in's own pixels, when there are no bytes

    // A bitmap's pixels, decoded from its bytes on each call: the renderer keeps what it
    // draws, so nothing holds a second copy of every picture, and once decoded the bytes
    // are let go of until needed again.
    Pixels pixels() const;
};

class Picture {
  public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const PictureData> data) : data_(std::move(data)) {}

    // The built-in picture of that name. A missing or malformed one is reported once on
    // stderr and replaced by a visible fallback, so the program goes on.
    static Picture named(std::string_view name);
    // Whether a picture of that name is built in.
    static bool exists(std::string_view name);

    bool empty() const { return !data_; }
    const PictureData* data() const { return data_.get(); }
    double widthTwips() const { return data_ ? data_->widthTwips : 0; }
    double heightTwips() const { return data_ ? data_->heightTwips : 0; }
    friend bool operator==(const Picture& a, const Picture& b) { return a.data_ == b.data_; }

  private:
    std::shared_ptr<const PictureData> data_;
};

// The pictures built into the executable; defined by the generated picture table.
std::span<const EmbeddedPicture> embeddedPictures();

// Names of pictures whose source was missing at build time (empty in a complete build).
std::span<const char* const> missingPictureSources();

}  // namespace ormal
