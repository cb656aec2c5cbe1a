#pragma once
// Message boxes that answer OK and record each box with what its window
// showed at the time: the status label "Label1" and the pointer.
#include <functional>
#include <string>
#include <vector>

#include <QLabel>
#include <QWidget>

#include "ui/message_box.h"

namespace testing_support {

struct Shown {
    std::string text;
    std::string title;
    ui::Icon icon;
    ui::Buttons buttons;
    std::string status;       // Label1 while the box was up
    Qt::CursorShape pointer;  // the window's pointer meanwhile
};

class RecordingBoxes : public ui::MessageBoxes {
public:
    RecordingBoxes() : previous_(&ui::CurrentMessageBoxes()) { ui::InstallMessageBoxes(this); }
    ~RecordingBoxes() override {
        if (&ui::CurrentMessageBoxes() == this) ui::InstallMessageBoxes(previous_);
    }
    RecordingBoxes(const RecordingBoxes&) = delete;
    RecordingBoxes& operator=(const RecordingBoxes&) = delete;

    int Show(const ui::MessageRequest& request, QWidget*) override {
        Shown entry{request.text, request.title, request.icon, request.buttons, {}, Qt::ArrowCursor};
        if (window) {
            if (auto* label = window->findChild<QLabel*>(QStringLiteral("Label1")))
                entry.status = label->text().toStdString();
            entry.pointer = window->cursor().shape();
        }
        shown.push_back(entry);
        if (whileShown) whileShown(request.text);
        return ui::kOk;
    }

    std::vector<Shown> shown;
    // Runs while the box with that text is up (the user acting meanwhile).
    std::function<void(const std::string& text)> whileShown;
    QWidget* window = nullptr;

private:
    ui::MessageBoxes* previous_;
};

} // namespace testing_support
