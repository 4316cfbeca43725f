// x11.cpp: window-manager detection and a clear end when the display goes away.
#include "x11.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace ormal::x11 {

namespace {

std::string lostName;

int connectionLost(Display*) {
    std::fprintf(stderr, "ormal: the connection to the display %s was lost; the game has ended\n",
                 lostName.c_str());
    std::_Exit(1);
}

}  // namespace

bool windowManagerRuns(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
    Display* display = info.info.x11.display;
    // A window manager that follows the desktop conventions names itself on the root window.
    Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                    XA_WINDOW, &type, &format, &count, &after, &data);
    if (data) XFree(data);
    return status == Success && type == XA_WINDOW && count == 1;
}

void endWhenLost(const std::string& displayName) {
    lostName = displayName;
    XSetIOErrorHandler(connectionLost);
}

}  // namespace ormal::x11
