// catalog.cpp: the .mo reader. The layout: a magic number whose byte order is the file's,
// a revision, the count of strings, the offsets of two tables of (length, offset) pairs,
// originals then translations, and a hash table this reader does not need.
#include "catalog.h"

#include <algorithm>
#include <cstdint>

namespace ormal {

namespace {

constexpr std::uint32_t kMagic = 0x950412DE;

std::uint32_t word(std::span<const unsigned char> b, std::size_t at, bool bigEndian) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        unsigned char byte = b[at + (bigEndian ? i : 3 - i)];
        v = v << 8 | byte;
    }
    return v;
}

}  // namespace

std::optional<Catalog> Catalog::parse(std::span<const unsigned char> b, std::string& error) {
    if (b.size() < 28) {
        error = "too short for a catalog";
        return std::nullopt;
    }
    bool big;
    if (word(b, 0, false) == kMagic) {
        big = false;
    } else if (word(b, 0, true) == kMagic) {
        big = true;
    } else {
        error = "not a GNU message catalog";
        return std::nullopt;
    }
    // Major revisions other than 0 and 1 may change the layout.
    if (word(b, 4, big) >> 16 > 1) {
        error = "unknown catalog revision";
        return std::nullopt;
    }
    std::size_t count = word(b, 8, big), originals = word(b, 12, big),
                translations = word(b, 16, big);
    auto tableFits = [&](std::size_t table) {
        return table <= b.size() && count <= (b.size() - table) / 8;
    };
    if (!tableFits(originals) || !tableFits(translations)) {
        error = "string table outside the catalog";
        return std::nullopt;
    }
    // A string: its length and offset, and a terminating NUL that the length leaves out.
    auto string = [&](std::size_t table, std::size_t i, std::string& out) {
        std::size_t length = word(b, table + 8 * i, big), at = word(b, table + 8 * i + 4, big);
        if (at > b.size() || length >= b.size() - at || b[at + length] != 0) return false;
        out.assign(reinterpret_cast<const char*>(b.data() + at), length);
        return true;
    };
    Catalog c;
    c.entries_.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        Entry& e = c.entries_[i];
        if (!string(originals, i, e.id) || !string(translations, i, e.translation)) {
            error = "string " + std::to_string(i) + " outside the catalog";
            return std::nullopt;
        }
    }
    for (std::size_t i = 0; i < count; ++i) c.index_.emplace(c.entries_[i].id, i);
    return c;
}

const std::string* Catalog::find(std::string_view id) const {
    if (id.empty()) return nullptr;
    auto it = index_.find(id);
    return it == index_.end() ? nullptr : &entries_[it->second].translation;
}

std::string Catalog::header(std::string_view field) const {
    auto it = index_.find(std::string_view{});
    if (it == index_.end()) return "";
    std::string_view h = entries_[it->second].translation;
    while (!h.empty()) {
        std::string_view line = h.substr(0, h.find('\n'));
        h.remove_prefix(std::min(h.size(), line.size() + 1));
        if (line.size() > field.size() && line.starts_with(field) && line[field.size()] == ':') {
            line.remove_prefix(field.size() + 1);
            while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
            return std::string(line);
        }
    }
    return "";
}

}  // namespace ormal
