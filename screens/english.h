// english.h: the game in English, drawn at the edge. The screens keep their Russian texts,
// which the handlers compare; the renderer shows each through show() and draws the English
// variant of a picture where one is built in (the story pages with their subtitles).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalog.h"

namespace game::english {

// The suffix of the English pictures' names: "intro/page2" becomes "intro/page2_en".
inline constexpr const char* kPictureSuffix = "_en";

// The English catalog built into the program.
const ormal::Catalog& catalog();

// The English of a text the game shows, by the first rule that knows it:
//   - a text with no Russian letter (a number, "X", "%") is shown as it is;
//   - the catalog's entry for the text;
//   - a text with trailing spaces (a planet's name under the pointer): the English of the
//     text without them, and the same spaces;
//   - a text the game composes around a number (the ransom): the catalog's entry whose "%s"
//     stands where the number is, with the number put in its place.
// Nothing when no rule knows the text.
std::optional<std::string> translation(std::string_view text);

// What the player sees: the translation, or the text itself when there is none.
std::string show(const std::string& text);

}  // namespace game::english
