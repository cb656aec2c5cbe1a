#pragma once
// The menu window with its child windows replaced by a record of what was
// opened and which pointer the menu showed meanwhile.
#include <functional>
#include <string>
#include <vector>

#include <QPushButton>

#include "dbengine/engine.h"
#include "backup/backup_window.h"
#include "menu/main_window.h"

namespace testing_support {

class RecordingMenu : public utilita::MainWindow {
public:
    struct Opened {
        std::string window;
        Qt::CursorShape pointer;
    };

    explicit RecordingMenu(utilita::AppContext& context, std::function<bool()> otherInstanceRunning = [] { return false; })
        : MainWindow(context, dao::DBEngine::Instance(), std::move(otherInstanceRunning)) {}

    std::vector<Opened> opened;

    QPushButton* Button(const char* name) { return findChild<QPushButton*>(QString::fromLatin1(name)); }
    void Click(const char* name) { Button(name)->click(); }

protected:
    void OpenBackupWindow(utilita::backup::Mode mode) override {
        Record(mode == utilita::backup::Mode::Restore ? "restore" : "backup");
    }
    void OpenCompactionWindow() override { Record("compaction"); }
    void OpenPrintLayoutWindow() override { Record("layouts"); }

private:
    void Record(const std::string& window) { opened.push_back({window, cursor().shape()}); }
};

} // namespace testing_support
