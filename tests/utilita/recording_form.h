#pragma once
// The menu window with its child windows replaced by a record of what was
// opened and which pointer the menu showed meanwhile.
#include <functional>
#include <string>
#include <vector>

#include <QPushButton>

#include "menu/main_window.h"

namespace testing_support {

class RecordingForm : public utilita::MainForm {
public:
    struct Opened {
        std::string window;
        Qt::CursorShape pointer;
    };

    explicit RecordingForm(std::function<bool()> otherInstanceRunning = [] { return false; })
        : MainForm(std::move(otherInstanceRunning)) {}

    std::vector<Opened> opened;

    QPushButton* Button(const char* name) { return findChild<QPushButton*>(QString::fromLatin1(name)); }
    void Click(const char* name) { Button(name)->click(); }

protected:
    void OpenBackupWindow(bool restore) override { Record(restore ? "restore" : "backup"); }
    void OpenCompactionWindow() override { Record("compaction"); }
    void OpenPrintLayoutWindow() override { Record("layouts"); }

private:
    void Record(const std::string& window) { opened.push_back({window, cursor().shape()}); }
};

} // namespace testing_support
