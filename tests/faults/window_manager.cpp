#include "tests/faults/window_manager.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstring>

namespace wm {
namespace {

const char* const kTitle = "Pelegeso Vesldurian";

// One connection of our own, kept for the process like a window manager's.
Display* Connection() {
    static Display* display = XOpenDisplay(nullptr);
    return display;
}

Window GameWindow(Display* display) {
    Window root = 0, parent = 0, found = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::strcmp(name, kTitle) == 0)
                found = children[i];
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

} // namespace

bool Minimise() {
    Display* display = Connection();
    const Window window = display ? GameWindow(display) : 0;
    if (!window)
        return false;
    Atom hidden = XInternAtom(display, "_NET_WM_STATE_HIDDEN", False);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STATE", False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(&hidden), 1);
    XUnmapWindow(display, window);
    XSync(display, False);
    return true;
}

bool Restore() {
    Display* display = Connection();
    const Window window = display ? GameWindow(display) : 0;
    if (!window)
        return false;
    XDeleteProperty(display, window, XInternAtom(display, "_NET_WM_STATE", False));
    XMapRaised(display, window);
    XSync(display, False);
    // With no window manager to redirect it, the map is done by now, so the
    // focus can be set without an error.
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    if (attributes.map_state != IsViewable)
        return false;
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
    return true;
}

} // namespace wm
