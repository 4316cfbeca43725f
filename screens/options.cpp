// options.cpp: the option table and the texts built from it. An option is one row of the
// table: its names, its help line and what it does.
#include "options.h"

#include <algorithm>
#include <string_view>

namespace game {

namespace {

constexpr const char* kProgram = "ormal";

struct Option {
    const char* name;       // "--fullscreen"
    const char* shortName;  // "-h", or nullptr
    const char* value;      // what the value looks like in the help ("en|ru"); nullptr: a flag
    const char* help;
    // Applies the option. For an option with a value, false when the value is not accepted.
    bool (*apply)(CommandLine& line, std::string_view value);
};

std::string helpText();

bool showHelp(CommandLine& line, std::string_view) {
    line.run = false;
    line.out = helpText();
    return true;
}

// The languages by the names --lang and ORMAL_LANG take.
std::optional<Language> languageNamed(std::string_view name) {
    if (name == "ru") return Language::Russian;
    if (name == "en") return Language::English;
    return std::nullopt;
}

bool showVersion(CommandLine& line, std::string_view) {
    line.run = false;
    line.out = std::string(kProgram) + " " + ORMAL_VERSION + "\n";
    return true;
}

const Option kOptions[] = {
    {"--help", "-h", nullptr, "show this help and exit", showHelp},
    {"--version", nullptr, nullptr, "show the version and exit", showVersion},
    {"--fullscreen", nullptr, nullptr, "start in full screen",
     [](CommandLine& line, std::string_view) {
         line.options.fullscreen = true;
         return true;
     }},
    {"--lang", nullptr, "en|ru", "the language: en (English) or ru (Russian, the default)",
     [](CommandLine& line, std::string_view value) {
         line.options.language = languageNamed(value);
         return line.options.language.has_value();
     }},
};

// The keys, as the manual page gives them too.
constexpr const char* kKeys =
    "Keys:\n"
    "  keypad 1-9        the direction pad: 8 up, 2 down, 4 left, 6 right,\n"
    "                    7 9 1 3 the diagonals, 5 stop\n"
    "  arrow keys        steer; two held together give the diagonal\n"
    "  Space             stop (on the map, while no focus rectangle is shown)\n"
    "  Enter             dock (on the map, while no focus rectangle is shown)\n"
    "  Tab, Shift+Tab    move the focus rectangle over the buttons\n"
    "  Enter, Space      press the focused button\n"
    "  Escape            the menu on the map screen; the way back in the dialogs\n"
    "  F11, Alt+Enter    full screen on and off\n"
    "A key acts exactly as a click on its button, and only while that button can be\n"
    "clicked. Closing the window during a voyage asks whether to give up.\n";

std::string label(const Option& o) {
    std::string s = o.shortName ? std::string(o.shortName) + ", " : "    ";
    s += o.name;
    if (o.value) s += std::string("=") + o.value;
    return s;
}

constexpr const char* kEnvironment =
    "Environment:\n"
    "  ORMAL_LANG=en|ru  the language when --lang is not given\n";

constexpr const char* kUsage = "Usage: ormal [OPTION]...\n";

std::string optionsText() {
    std::size_t width = 0;
    for (const Option& o : kOptions) width = std::max(width, label(o).size());
    std::string s = "Options:\n";
    for (const Option& o : kOptions) {
        std::string l = label(o);
        s += "  " + l + std::string(width - l.size() + 2, ' ') + o.help + "\n";
    }
    return s;
}

std::string helpText() {
    return std::string(kUsage) +
           "Planet Ormal, a space-trading game in Russian, playable in English too:\n"
           "trade, storm fortresses and collect the four pieces of the map.\n\n" +
           optionsText() + "\n" + kEnvironment + "\n" + kKeys;
}

CommandLine fail(const std::string& message) {
    CommandLine line;
    line.run = false;
    line.status = 2;
    line.err = std::string(kProgram) + ": " + message + "\n" + kUsage + "\n" + optionsText();
    return line;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size() && line.run; ++i) {
        std::string_view arg = args[i];
        std::string name(arg.substr(0, arg.find('=')));
        bool inlineValue = name.size() < arg.size();
        const Option* option = nullptr;
        for (const Option& o : kOptions)
            if (name == o.name || (o.shortName && name == o.shortName)) option = &o;
        if (!option) {
            bool isOption = arg.size() > 1 && arg[0] == '-';
            return fail((isOption ? "unknown option '" : "unexpected argument '") +
                        std::string(arg) + "'");
        }
        std::string_view value;
        if (!option->value) {
            if (inlineValue) return fail("option '" + name + "' takes no value");
        } else if (inlineValue) {
            value = arg.substr(name.size() + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return fail("option '" + name + "' needs a value (" + option->value + ")");
        }
        if (!option->apply(line, value))
            return fail("option '" + name + "' does not take '" + std::string(value) + "' (" +
                        option->value + ")");
    }
    return line;
}

std::optional<Language> chooseLanguage(const Options& options, const char* variable,
                                       std::string& error) {
    if (options.language) return options.language;
    if (!variable || !*variable) return Language::Russian;
    std::optional<Language> language = languageNamed(variable);
    if (!language)
        error = std::string(kProgram) + ": ORMAL_LANG does not take '" + variable + "' (en|ru)";
    return language;
}

}  // namespace game
