#include "desktop/window_walk.h"

#include <QApplication>
#include <QWidget>

#include "desktop/x11_windows.h"

namespace desktop {

bool TitleMatches(const std::string& title, const std::string& name, TitleMatch match) {
    return match == TitleMatch::Whole ? title == name : title.find(name) != std::string::npos;
}

bool WalkDownForTitle(_XDisplay* display, unsigned long start, const std::string& name, TitleMatch match,
                      const std::function<void()>& yield) {
    if (start == 0) return false;
    // The stack as it is when the walk starts: a window that other programs
    // close meanwhile must not cut the walk short (it reads as untitled).
    std::vector<unsigned long> windows{start};
    for (unsigned long w : x11::TopLevelsBelow(display, start)) windows.push_back(w);
    for (unsigned long w : windows) {
        std::string title = x11::Title(display, w);
        if (!title.empty() && TitleMatches(title, name, match)) return true;
        if (yield) yield();
    }
    return false;
}

bool TaskExists(const std::string& name, TitleMatch match, QWidget* fallback) {
    QWidget* active = QApplication::activeWindow();
    if (!active && fallback && fallback->isVisible()) active = fallback->window();
    if (!active || QGuiApplication::platformName() != QLatin1String("xcb")) return false;
    x11::Connection connection;
    if (!connection) return false;
    unsigned long start = x11::TopLevelOf(connection.display(), active->winId());
    return WalkDownForTitle(connection.display(), start, name, match,
                            [] { QCoreApplication::processEvents(); });
}

} // namespace desktop
