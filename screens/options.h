// options.h: the command line. It is read before any window opens, so --help, --version and
// mistakes are answered without a display.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace game {

// The language the game's texts are shown in. Russian, the game's own, whatever the desktop's
// locale.
enum class Language { Russian, English };

// What the options ask of the game.
struct Options {
    bool fullscreen = false;
    std::optional<Language> language;  // --lang, when given
};

// The outcome of reading the command line: either the game runs with the options, or the
// program prints its texts and exits at once with the status.
struct CommandLine {
    Options options;
    bool run = true;
    int status = 0;   // exit status when the game does not run
    std::string out;  // for standard output
    std::string err;  // for standard error
};

// Reads the arguments (without the program's name). The first option that ends the program
// (--help, --version, a mistake) ends the reading too.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The language to play in: --lang if given, else the environment variable ORMAL_LANG (its
// value, or null when it is not set), else Russian. Nothing for a value the variable may not
// take, with a one-line message in 'error'.
std::optional<Language> chooseLanguage(const Options& options, const char* variable,
                                       std::string& error);

}  // namespace game
