// A window keeps painting, under the hourglass, while the engine waits on an
// Access reader that never answers (until the watchdog ends it).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <utility>
#include <filesystem>
#include <fstream>

#include "dbengine/engine.h"
#include "dbengine/waiting.h"
#include "support/qt_application.h"
#include "support/stand_in_reader.h"
#include "support/temp_dir.h"
#include "ui/engine_wait.h"
#include "winfs/runtime_error.h"

namespace {

using Clock = std::chrono::steady_clock;

class PaintLog : public QWidget {
public:
    std::vector<Clock::time_point> paints;
    int underHourglass = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        paints.push_back(Clock::now());
        const QCursor* cursor = QGuiApplication::overrideCursor();
        underHourglass += cursor && cursor->shape() == Qt::WaitCursor;
    }
};

TEST(EngineWait, AWindowRepaintsUnderTheHourglassWhileAReaderHangs) {
    testing_support::EnsureQtApplication();
    testing_support::TempDir dir;
    // Only its signature is read here: the stand-in reader never opens it.
    const std::string file = dir.file("archivio.mdb");
    std::ofstream(file, std::ios::binary) << std::string("\0\1\0\0Standard Jet DB\0\1", 21);
    const testing_support::StandInReader standIn(dir.file("reader.sh"), "exec sleep 30");
    setenv("VANTORIMA_ACCESS_READER_TIMEOUT", "3", 1);

    PaintLog window;
    window.resize(200, 100);
    window.show();
    QTimer repaint;
    int closes = 0;
    QObject::connect(&repaint, &QTimer::timeout, &window, [&] {
        window.update();
        if (closes++ == 10) window.close();   // as from the window's close box: dropped while waiting
    });
    repaint.start(20);
    ui::PaintWindowsWhileTheEngineWaits();

    dao::DBEngine engine;
    const auto start = Clock::now();
    int number = 0;
    try {
        engine.OpenDatabase(file);
    } catch (const vb::RuntimeError& e) {
        number = e.Number();
    }
    const auto end = Clock::now();
    dao::SetWaitHook({});
    unsetenv("VANTORIMA_ACCESS_READER_TIMEOUT");

    EXPECT_EQ(number, 3343);
    Clock::duration longest{};
    Clock::time_point last = start;
    for (auto paint : window.paints)
        if (paint > start && paint < end) longest = std::max(longest, paint - std::exchange(last, paint));
    longest = std::max(longest, end - last);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(longest).count();
    std::cout << "longest freeze while the reader hung: " << ms << " ms\n";
    // A quarter of the wait: many times the 40 ms between paints even on a
    // loaded machine, yet far below a wait that paints seldom or never.
    EXPECT_LT(longest * 4, end - start);
    EXPECT_GT(window.underHourglass, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window.isVisible());
}

} // namespace
