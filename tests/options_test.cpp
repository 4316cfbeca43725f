// options_test.cpp: the command line read without a window: which arguments run the game,
// which end the program at once, with what status and on which stream.
#include <gtest/gtest.h>

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
