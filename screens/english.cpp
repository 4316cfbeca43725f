// english.cpp: the English catalog, built from po/en.po and carried in the program, and the
// rules for the texts the game composes from pieces.
#include "english.h"

#include <cstdio>
#include <cstdlib>
#include <span>
#include <utility>

// The compiled catalog, embedded by the build (english_catalog.S).
extern "C" const unsigned char ormal_catalog_en[];
extern "C" const unsigned char ormal_catalog_en_end[];

namespace game::english {

namespace {

// Russian letters are the two-byte UTF-8 sequences of U+0400..U+04FF: lead bytes D0..D3.
bool hasRussian(std::string_view text) {
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 0xD0 && b <= 0xD3) return true;
    }
    return false;
}

// Whether the whole text is a number as the game writes one (Str): a sign, digits, a point.
bool isNumber(std::string_view text) {
    if (text.empty()) return false;
    std::size_t digits = 0, i = text.front() == '-' ? 1 : 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

// A text made of an entry's words around a number: the entry's "%s" stands for the number.
std::optional<std::string> aroundNumber(std::string_view text) {
    for (const ormal::Catalog::Entry& e : catalog().entries()) {
        std::size_t at = e.id.find("%s");
        if (at == std::string::npos) continue;
        std::string_view before = std::string_view(e.id).substr(0, at);
        std::string_view after = std::string_view(e.id).substr(at + 2);
        if (text.size() <= before.size() + after.size() || !text.starts_with(before) ||
            !text.ends_with(after))
            continue;
        std::string_view number =
            text.substr(before.size(), text.size() - before.size() - after.size());
        std::size_t to = e.translation.find("%s");
        if (!isNumber(number) || to == std::string::npos) continue;
        std::string shown = e.translation;
        return shown.replace(to, 2, number);
    }
    return std::nullopt;
}

}  // namespace

const ormal::Catalog& catalog() {
    static const ormal::Catalog c = [] {
        std::span<const unsigned char> bytes(ormal_catalog_en,
                                             ormal_catalog_en_end - ormal_catalog_en);
        std::string error;
        std::optional<ormal::Catalog> parsed = ormal::Catalog::parse(bytes, error);
        if (!parsed) {
            // The build checked the catalog; only a broken build gets here.
            std::fprintf(stderr, "ormal: the English texts are damaged: %s\n", error.c_str());
            std::abort();
        }
        return std::move(*parsed);
    }();
    return c;
}

std::optional<std::string> translation(std::string_view text) {
    if (!hasRussian(text)) return std::string(text);
    if (const std::string* t = catalog().find(text)) return *t;
    std::size_t end = text.find_last_not_of(' ');
    if (end != std::string_view::npos && end + 1 < text.size()) {
        if (const std::string* t = catalog().find(text.substr(0, end + 1)))
            return *t + std::string(text.substr(end + 1));
    }
    return aroundNumber(text);
}

std::string show(const std::string& text) {
    std::optional<std::string> t = translation(text);
    return t ? std::move(*t) : text;
}

}  // namespace game::english
