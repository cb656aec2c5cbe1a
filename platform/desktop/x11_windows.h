#pragma once
// Top-level windows of an X11 display: stacking order, titles, owners.
//
// A top-level window is a child of the root window: a program's own window
// when no window manager runs, else the frame the manager put around it (its
// title and owner are then read from the client window inside the frame).
// X errors raised by windows that vanish meanwhile are swallowed; such a
// window reads as untitled and has no neighbours.
#include <string>
#include <vector>

struct _XDisplay;

namespace desktop::x11 {

using WindowId = unsigned long;

// A connection of our own to the display named by DISPLAY.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    explicit operator bool() const { return display_ != nullptr; }
    _XDisplay* display() const { return display_; }

private:
    _XDisplay* display_;
};

// The ancestor of window that is a child of the root (window itself when it
// is one); 0 when the window does not exist.
WindowId TopLevelOf(_XDisplay* display, WindowId window);

// The top-level windows below topLevel, from the one just below it down to
// the bottom of the stack, as the stack is now; empty when topLevel is not
// (or no longer) a top-level window.
std::vector<WindowId> TopLevelsBelow(_XDisplay* display, WindowId topLevel);

// Every top-level window, from the top of the stack down.
std::vector<WindowId> TopLevelsTopDown(_XDisplay* display);

// The title in UTF-8 (_NET_WM_NAME, else WM_NAME); empty when it has none.
std::string Title(_XDisplay* display, WindowId topLevel);

// The _NET_WM_PID of the program that owns the window; 0 when not set.
long OwnerProcess(_XDisplay* display, WindowId topLevel);

} // namespace desktop::x11
