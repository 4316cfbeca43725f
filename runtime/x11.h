// x11.h: the little the window needs of X11 itself, kept apart so that Xlib's macros stay
// out of the rest of the front end.
#pragma once

#include <string>

struct SDL_Window;

namespace ormal::x11 {

// Whether a window manager runs on the window's display: it makes windows full screen when
// asked. On a bare X server nobody does. A window that is not on X has a compositor that does.
bool windowManagerRuns(SDL_Window* window);

// When the connection to the display breaks, says so on stderr, naming it, and ends the
// program (Xlib's default would print its own terse note).
void endWhenLost(const std::string& displayName);

}  // namespace ormal::x11
