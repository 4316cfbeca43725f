// options.h: the command line. It is read before any window opens, so --help, --version and
// mistakes are answered without a display.
#pragma once

#include <string>
#include <vector>

namespace game {

// What the options ask of the game.
struct Options {
    bool fullscreen = false;
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

}  // namespace game
