// catalog.h: a message catalog in the GNU gettext binary format (.mo), read from bytes the
// program carries, so a translation needs no file at run time and no locale set up.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ormal {

class Catalog {
  public:
    struct Entry {
        std::string id;           // the original text (with "\x04" after a context, if any)
        std::string translation;  // plural forms are kept joined by "\0", as stored
    };

    // Reads a catalog written in either byte order. Nothing on malformed bytes, with the
    // reason in 'error'.
    static std::optional<Catalog> parse(std::span<const unsigned char> bytes, std::string& error);

    // The translation of a text, or null when the catalog has none. The header (the entry
    // of the empty text) is not a translation.
    const std::string* find(std::string_view id) const;
    // Every entry in the order stored (msgfmt sorts them by original), the header included.
    const std::vector<Entry>& entries() const { return entries_; }
    // The header's field ("Language", "Content-Type"...), or empty.
    std::string header(std::string_view field) const;

  private:
    std::vector<Entry> entries_;
    std::map<std::string, std::size_t, std::less<>> index_;  // by original
};

}  // namespace ormal
