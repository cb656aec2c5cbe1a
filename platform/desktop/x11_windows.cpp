#include "desktop/x11_windows.h"

#include <deque>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace desktop::x11 {

namespace {

int IgnoreError(Display*, XErrorEvent*) { return 0; }

// Swallows the errors of a few requests: a window may be destroyed by its
// owner at any moment, and Xlib's default handler would end the program.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : display_(display) {
        XSync(display_, False);
        previous_ = XSetErrorHandler(IgnoreError);
    }
    ~ErrorTrap() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

private:
    Display* display_;
    XErrorHandler previous_;
};

struct Tree {
    bool ok = false;
    Window root = 0;
    Window parent = 0;
    std::vector<Window> children;   // bottom of the stack first
};

Tree QueryTree(Display* display, Window window) {
    Tree tree;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &tree.root, &tree.parent, &children, &count)) {
        tree.ok = true;
        tree.children.assign(children, children + count);
    }
    if (children) XFree(children);
    return tree;
}

// Reads a whole 8-bit property of the given type; nothing when absent.
bool ReadProperty8(Display* display, Window window, Atom property, Atom type, std::string& out) {
    Atom actualType = 0;
    int actualFormat = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool found = false;
    if (XGetWindowProperty(display, window, property, 0, 1L << 20, False, type, &actualType,
                           &actualFormat, &count, &after, &data) == Success &&
        actualType == type && actualFormat == 8 && data) {
        out.assign(reinterpret_cast<const char*>(data), count);
        found = true;
    }
    if (data) XFree(data);
    return found;
}

bool HasProperty(Display* display, Window window, Atom property) {
    Atom actualType = 0;
    int actualFormat = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool present = XGetWindowProperty(display, window, property, 0, 0, False, AnyPropertyType,
                                      &actualType, &actualFormat, &count, &after, &data) == Success &&
                   actualType != None;
    if (data) XFree(data);
    return present;
}

std::string Latin1ToUtf8(const std::string& latin1) {
    std::string out;
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string WmName(Display* display, Window window) {
    XTextProperty text{};
    if (!XGetWMName(display, window, &text) || !text.value) return {};
    std::string raw(reinterpret_cast<const char*>(text.value), text.nitems);
    std::string title;
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    if (text.encoding == XA_STRING) {
        title = Latin1ToUtf8(raw);
    } else if (text.encoding == utf8) {
        title = raw;
    } else {
        char** list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(display, &text, &list, &count) >= Success && list) {
            if (count > 0 && list[0]) title = list[0];
            XFreeStringList(list);
        } else {
            title = raw;
        }
    }
    XFree(text.value);
    return title;
}

std::string OwnTitle(Display* display, Window window) {
    std::string title;
    if (ReadProperty8(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                      XInternAtom(display, "UTF8_STRING", False), title))
        return title;
    return WmName(display, window);
}

// The program's window inside a window manager's frame: the first window of
// the subtree that carries WM_STATE (as xprop finds it); the window itself
// when none does, as with no window manager.
Window ClientWindow(Display* display, Window topLevel) {
    Atom wmState = XInternAtom(display, "WM_STATE", False);
    if (HasProperty(display, topLevel, wmState)) return topLevel;
    std::deque<Window> queue{topLevel};
    while (!queue.empty()) {
        Window w = queue.front();
        queue.pop_front();
        for (Window child : QueryTree(display, w).children) {
            if (HasProperty(display, child, wmState)) return child;
            queue.push_back(child);
        }
    }
    return topLevel;
}

} // namespace

Connection::Connection() : display_(XOpenDisplay(nullptr)) {}

Connection::~Connection() {
    if (display_) XCloseDisplay(display_);
}

WindowId TopLevelOf(Display* display, WindowId window) {
    ErrorTrap trap(display);
    Window current = window;
    for (;;) {
        Tree tree = QueryTree(display, current);
        if (!tree.ok) return 0;
        if (tree.parent == tree.root || tree.parent == 0) return current;
        current = tree.parent;
    }
}

std::vector<WindowId> TopLevelsBelow(Display* display, WindowId topLevel) {
    ErrorTrap trap(display);
    Tree own = QueryTree(display, topLevel);
    if (!own.ok || own.parent != own.root) return {};
    Tree siblings = QueryTree(display, own.root);
    std::vector<WindowId> below;
    for (std::size_t i = 0; i < siblings.children.size(); ++i) {
        if (siblings.children[i] == topLevel) {
            below.assign(siblings.children.rend() - static_cast<std::ptrdiff_t>(i), siblings.children.rend());
            break;
        }
    }
    return below;
}

std::vector<WindowId> TopLevelsTopDown(Display* display) {
    ErrorTrap trap(display);
    Tree tree = QueryTree(display, DefaultRootWindow(display));
    return {tree.children.rbegin(), tree.children.rend()};
}

std::string Title(Display* display, WindowId topLevel) {
    ErrorTrap trap(display);
    Window client = ClientWindow(display, topLevel);
    std::string title = OwnTitle(display, client);
    if (title.empty() && client != topLevel) title = OwnTitle(display, topLevel);
    return title;
}

long OwnerProcess(Display* display, WindowId topLevel) {
    ErrorTrap trap(display);
    Window client = ClientWindow(display, topLevel);
    Atom actualType = 0;
    int actualFormat = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, client, XInternAtom(display, "_NET_WM_PID", False), 0, 1, False,
                           XA_CARDINAL, &actualType, &actualFormat, &count, &after, &data) == Success &&
        actualType == XA_CARDINAL && actualFormat == 32 && count == 1 && data) {
        pid = *reinterpret_cast<long*>(data);
    }
    if (data) XFree(data);
    return pid;
}

} // namespace desktop::x11
