#pragma once
// The running-application check: is there a top-level window with a given
// title at or below the program's own active window?
#include <functional>
#include <string>

struct _XDisplay;
class QWidget;

namespace desktop {

// Whole: the whole title equals name; Part: name occurs in the title. Both
// case-sensitive.
enum class TitleMatch { Whole, Part };
bool TitleMatches(const std::string& title, const std::string& name, TitleMatch match);

// Looks at start and then at each top-level window below it, down to the
// bottom of the stack, and stops at the first non-empty title that matches.
// Windows above start are never looked at. yield runs once after each window
// that does not match, so the caller's window stays responsive. start 0 finds
// nothing.
bool WalkDownForTitle(_XDisplay* display, unsigned long start, const std::string& name, TitleMatch match,
                      const std::function<void()>& yield);

// The walk from the program's active top-level window (QApplication's), with
// a yield to Qt's message loop at each step. Without a window manager Qt may
// report no active window (after a message box, say): the walk then starts
// from `fallback` (the program's main window). False when neither is there
// or the program runs without an X display (e.g. Qt's offscreen platform).
bool TaskExists(const std::string& name, TitleMatch match, QWidget* fallback = nullptr);

} // namespace desktop
