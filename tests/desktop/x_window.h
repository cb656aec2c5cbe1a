#pragma once
// Plain Xlib top-level windows for tests of the window walk, on a connection
// of the test's own.
#include <cstdlib>
#include <string>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace testing_support {

// Every X test needs a display; scripts/test.sh provides one through Xvfb.
inline bool HaveXDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}

class XDisplay {
public:
    XDisplay() : display_(XOpenDisplay(nullptr)) {}
    ~XDisplay() {
        if (display_) XCloseDisplay(display_);
    }
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;
    Display* get() const { return display_; }

private:
    Display* display_;
};

class XWindow {
public:
    enum class TitleKind { NetWmName, WmNameOnly, Untitled };

    // A mapped top-level window, created on top of the stack.
    XWindow(Display* display, const std::string& title, TitleKind kind = TitleKind::NetWmName,
            Window parent = 0)
        : display_(display) {
        XSetWindowAttributes attributes{};
        attributes.override_redirect = False;
        window_ = XCreateWindow(display_, parent ? parent : DefaultRootWindow(display_), 10, 10, 120, 60, 0,
                                CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
        if (kind == TitleKind::NetWmName) {
            XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_NAME", False),
                            XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
        } else if (kind == TitleKind::WmNameOnly) {
            // WM_NAME as XStoreName writes it: Latin-1 (STRING).
            std::string latin1 = Utf8ToLatin1(title);
            XStoreName(display_, window_, latin1.c_str());
        }
        XMapWindow(display_, window_);
        XSync(display_, False);
    }
    ~XWindow() {
        if (window_) {
            XDestroyWindow(display_, window_);
            XSync(display_, False);
        }
    }
    XWindow(const XWindow&) = delete;
    XWindow& operator=(const XWindow&) = delete;

    Window id() const { return window_; }
    void Raise() { XRaiseWindow(display_, window_); XSync(display_, False); }
    void Lower() { XLowerWindow(display_, window_); XSync(display_, False); }
    void Destroy() {
        XDestroyWindow(display_, window_);
        XSync(display_, False);
        window_ = 0;
    }
    // Marks the window as a client a window manager manages (WM_STATE Normal).
    void SetWmState() {
        Atom wmState = XInternAtom(display_, "WM_STATE", False);
        long state[2] = {NormalState, 0};
        XChangeProperty(display_, window_, wmState, wmState, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(state), 2);
        XSync(display_, False);
    }

private:
    static std::string Utf8ToLatin1(const std::string& utf8) {
        std::string out;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(utf8[i]);
            if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
                out += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
            } else {
                out += static_cast<char>(c);
            }
        }
        return out;
    }

    Display* display_;
    Window window_ = 0;
};

} // namespace testing_support
