// catalog_test.cpp: the .mo reader on catalogs laid out by hand in both byte orders, and on
// damaged ones, which it refuses with a reason instead of reading outside the bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "catalog.h"

using ormal::Catalog;

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// A catalog as msgfmt lays one out: the header words, the two tables, then the strings,
// each followed by a NUL.
std::vector<unsigned char> layOut(const Entries& entries, bool bigEndian,
                                  std::uint32_t revision = 0) {
    std::vector<unsigned char> b;
    auto word = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            int shift = bigEndian ? 24 - 8 * i : 8 * i;
            b.push_back(static_cast<unsigned char>(v >> shift));
        }
    };
    auto n = static_cast<std::uint32_t>(entries.size());
    std::uint32_t originals = 28, translations = originals + 8 * n;
    std::uint32_t at = translations + 8 * n;
    word(0x950412DE);
    word(revision);
    word(n);
    word(originals);
    word(translations);
    word(0);   // no hash table
    word(at);  // where it would be
    std::string strings;
    auto table = [&](bool second) {
        for (const auto& e : entries) {
            const std::string& s = second ? e.second : e.first;
            word(static_cast<std::uint32_t>(s.size()));
            word(at + static_cast<std::uint32_t>(strings.size()));
            strings += s;
            strings.push_back('\0');
        }
    };
    table(false);
    table(true);
    b.insert(b.end(), strings.begin(), strings.end());
    return b;
}

std::optional<Catalog> read(const std::vector<unsigned char>& bytes, std::string& error) {
    return Catalog::parse(std::span<const unsigned char>(bytes.data(), bytes.size()), error);
}

const Entries kEntries = {
    {"", "Language: en\nContent-Type: text/plain; charset=UTF-8\n"},
    {"Карот", "Karot"},
    {"Пасим", "Pasim"},
    {"ship\x04Планета", "Planet"},
    {std::string("пушка\0пушки", 21), std::string("cannon\0cannons", 14)},
};

}  // namespace

TEST(Catalog, ReadsBothByteOrders) {
    for (bool big : {false, true}) {
        SCOPED_TRACE(big ? "big-endian" : "little-endian");
        std::string error;
        std::optional<Catalog> c = read(layOut(kEntries, big), error);
        ASSERT_TRUE(c) << error;
        ASSERT_NE(c->find("Пасим"), nullptr);
        EXPECT_EQ(*c->find("Пасим"), "Pasim");
        EXPECT_EQ(*c->find("Карот"), "Karot");
        // Only whole texts match; the header is no translation of the empty text.
        EXPECT_EQ(c->find("Пасим "), nullptr);
        EXPECT_EQ(c->find("Паси"), nullptr);
        EXPECT_EQ(c->find(""), nullptr);
        // A context and plural forms stay as stored.
        ASSERT_NE(c->find("ship\x04Планета"), nullptr);
        EXPECT_EQ(*c->find("ship\x04Планета"), "Planet");
        EXPECT_EQ(c->find(std::string("пушка\0пушки", 21))->size(), 14u);
        EXPECT_EQ(c->header("Language"), "en");
        EXPECT_EQ(c->header("Content-Type"), "text/plain; charset=UTF-8");
        EXPECT_EQ(c->header("Lang"), "");
        ASSERT_EQ(c->entries().size(), kEntries.size());
        for (std::size_t i = 0; i < kEntries.size(); ++i) {
            EXPECT_EQ(c->entries()[i].id, kEntries[i].first);
            EXPECT_EQ(c->entries()[i].translation, kEntries[i].second);
        }
    }
}

TEST(Catalog, AnEmptyCatalogFindsNothing) {
    std::string error;
    std::optional<Catalog> c = read(layOut({}, false), error);
    ASSERT_TRUE(c) << error;
    EXPECT_TRUE(c->entries().empty());
    EXPECT_EQ(c->find("Пасим"), nullptr);
    EXPECT_EQ(c->header("Language"), "");
}

TEST(Catalog, RefusesDamagedBytes) {
    std::vector<unsigned char> good = layOut(kEntries, false);
    auto damaged = [&](auto change) {
        std::vector<unsigned char> b = good;
        change(b);
        return b;
    };
    auto setWord = [](std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        const char* error;
    } cases[] = {
        {"nothing", {}, "too short for a catalog"},
        {"cut in the header", std::vector<unsigned char>(good.begin(), good.begin() + 20),
         "too short for a catalog"},
        {"another file", damaged([](auto& b) { b[0] = 'P'; }), "not a GNU message catalog"},
        {"revision 2", layOut(kEntries, false, 2u << 16), "unknown catalog revision"},
        {"more strings than the tables hold", damaged([&](auto& b) { setWord(b, 8, 0x10000000); }),
         "string table outside the catalog"},
        {"a table past the end", damaged([&](auto& b) { setWord(b, 16, 0xFFFFFFF0); }),
         "string table outside the catalog"},
        {"a string past the end", damaged([&](auto& b) { setWord(b, 28 + 8 + 4, 0xFFFFFFF0); }),
         "string 1 outside the catalog"},
        {"a length past the end", damaged([&](auto& b) { setWord(b, 28 + 8, 0xFFFFFFFF); }),
         "string 1 outside the catalog"},
        {"a string without its NUL", std::vector<unsigned char>(good.begin(), good.end() - 1),
         "string 4 outside the catalog"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(read(c.bytes, error)) << c.what;
        EXPECT_EQ(error, c.error) << c.what;
    }
}
