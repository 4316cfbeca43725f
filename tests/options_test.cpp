// options_test.cpp: the command line read without a window: which arguments run the game,
// which end the program at once, with what status and on which stream.
#include <gtest/gtest.h>

#include <optional>

#include "options.h"

using game::CommandLine;
using game::parseCommandLine;

TEST(CommandLine, TableOfCases) {
    enum Outcome { Run, Help, Version, Mistake };
    struct Case {
        std::vector<std::string> args;
        Outcome outcome;
        bool fullscreen = false;
        const char* message = "";  // Mistake: the first line of standard error
    };
    const Case cases[] = {
        {{}, Run},
        {{"--fullscreen"}, Run, true},
        {{"--fullscreen", "--fullscreen"}, Run, true},
        {{"--help"}, Help},
        {{"-h"}, Help},
        {{"--version"}, Version},
        // The first option that ends the program decides, as with the usual tools.
        {{"--fullscreen", "--version"}, Version},
        {{"--help", "--bogus"}, Help},
        {{"--version", "--help"}, Version},
        {{"--bogus", "--help"}, Mistake, false, "ormal: unknown option '--bogus'"},
        {{"--bogus"}, Mistake, false, "ormal: unknown option '--bogus'"},
        {{"-x"}, Mistake, false, "ormal: unknown option '-x'"},
        {{"--"}, Mistake, false, "ormal: unknown option '--'"},
        {{"--full"}, Mistake, false, "ormal: unknown option '--full'"},
        {{"--FULLSCREEN"}, Mistake, false, "ormal: unknown option '--FULLSCREEN'"},
        {{"game.sav"}, Mistake, false, "ormal: unexpected argument 'game.sav'"},
        {{"-"}, Mistake, false, "ormal: unexpected argument '-'"},
        {{""}, Mistake, false, "ormal: unexpected argument ''"},
        {{"--fullscreen", "extra"}, Mistake, false, "ormal: unexpected argument 'extra'"},
        {{"--fullscreen=yes"}, Mistake, false, "ormal: option '--fullscreen' takes no value"},
        {{"--help="}, Mistake, false, "ormal: option '--help' takes no value"},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& a : c.args) shown += "[" + a + "]";
        SCOPED_TRACE(shown);
        CommandLine line = parseCommandLine(c.args);
        EXPECT_EQ(line.run, c.outcome == Run);
        EXPECT_EQ(line.status, c.outcome == Mistake ? 2 : 0);
        switch (c.outcome) {
            case Run:
                EXPECT_EQ(line.options.fullscreen, c.fullscreen);
                EXPECT_EQ(line.out, "");
                EXPECT_EQ(line.err, "");
                break;
            case Help:
                EXPECT_EQ(line.out.rfind("Usage: ormal [OPTION]...\n", 0), 0u) << line.out;
                EXPECT_EQ(line.err, "");
                break;
            case Version:
                EXPECT_EQ(line.out, "ormal " ORMAL_VERSION "\n");
                EXPECT_EQ(line.err, "");
                break;
            case Mistake:
                // One line saying what is wrong, then the usage.
                EXPECT_EQ(line.out, "");
                EXPECT_EQ(line.err.substr(0, line.err.find('\n')), c.message);
                EXPECT_EQ(line.err.find("\nUsage: ormal [OPTION]...\n"),
                          std::string(c.message).size())
                    << line.err;
                break;
        }
    }
}

TEST(CommandLine, HelpListsEveryOptionAndTheKeys) {
    std::string help = parseCommandLine({"--help"}).out;
    std::string usage = parseCommandLine({"--bogus"}).err;
    for (const char* option : {"-h, --help", "--version", "--fullscreen"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    }
    for (const char* key : {"keypad 1-9", "arrow keys", "Space", "Enter", "Tab, Shift+Tab",
                            "Escape", "F11, Alt+Enter"})
        EXPECT_NE(help.find("\n  " + std::string(key)), std::string::npos) << key;
    // The keys are for --help; a mistake shows only the usage.
    EXPECT_EQ(usage.find("Keys:"), std::string::npos);
}

// The language: Russian whatever the locale, unless --lang or ORMAL_LANG asks for English;
// the option wins over the variable, and a value neither takes is a mistake.
TEST(CommandLine, Language) {
    using game::Language;
    struct Case {
        std::vector<std::string> args;
        const char* variable;  // ORMAL_LANG, or null when not set
        std::optional<Language> language;
        const char* error = "";  // the first line of standard error
    };
    const Case cases[] = {
        {{}, nullptr, Language::Russian},
        {{}, "", Language::Russian},
        {{"--lang", "ru"}, nullptr, Language::Russian},
        {{"--lang", "en"}, nullptr, Language::English},
        {{"--lang=en"}, nullptr, Language::English},
        {{"--lang=en", "--lang", "ru"}, nullptr, Language::Russian},
        {{"--fullscreen", "--lang", "en"}, nullptr, Language::English},
        {{}, "en", Language::English},
        {{}, "ru", Language::Russian},
        {{"--lang", "ru"}, "en", Language::Russian},
        {{"--lang", "en"}, "ru", Language::English},
        {{"--lang", "en"}, "xx", Language::English},  // the variable is not read
        {{}, "xx", std::nullopt, "ormal: ORMAL_LANG does not take 'xx' (en|ru)"},
        {{}, "EN", std::nullopt, "ormal: ORMAL_LANG does not take 'EN' (en|ru)"},
        {{}, "en_GB.UTF-8", std::nullopt, "ormal: ORMAL_LANG does not take 'en_GB.UTF-8' (en|ru)"},
        {{"--lang", "xx"},
         nullptr,
         std::nullopt,
         "ormal: option '--lang' does not take 'xx' (en|ru)"},
        {{"--lang="}, nullptr, std::nullopt, "ormal: option '--lang' does not take '' (en|ru)"},
        {{"--lang", "english"},
         "en",
         std::nullopt,
         "ormal: option '--lang' does not take 'english' (en|ru)"},
        {{"--lang"}, nullptr, std::nullopt, "ormal: option '--lang' needs a value (en|ru)"},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& a : c.args) shown += "[" + a + "]";
        SCOPED_TRACE(shown + " ORMAL_LANG=" + (c.variable ? c.variable : "(unset)"));
        CommandLine line = parseCommandLine(c.args);
        std::string error;
        std::optional<Language> language;
        if (line.run) language = game::chooseLanguage(line.options, c.variable, error);
        EXPECT_EQ(language, c.language);
        std::string said = line.run ? error : line.err.substr(0, line.err.find('\n'));
        EXPECT_EQ(said, c.error);
        // A mistake on the command line is answered as any other: status 2 and the usage.
        if (!line.run) {
            EXPECT_EQ(line.status, 2);
            EXPECT_NE(line.err.find("\nUsage: ormal [OPTION]...\n"), std::string::npos);
        }
    }
    EXPECT_NE(parseCommandLine({"--help"}).out.find("\n      --lang=en|ru  "), std::string::npos);
    EXPECT_NE(parseCommandLine({"--help"}).out.find("\n  ORMAL_LANG=en|ru  "), std::string::npos);
}
