#pragma once
// The message-box seam. Programs call ShowMessage; the Qt version shows a
// QMessageBox, tests install a double that answers from a script.
#include <string>

#include "winfs/error_numbers.h"

class QWidget;

namespace ui {

// YesNoCancel: "Sì", "No" and "Annulla"; Escape and the close box answer Cancel.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Critical, Exclamation };
enum class DefaultButton { First, Second };
enum Answer : int { kOk = vb::kAnswerOk, kCancel = vb::kAnswerCancel, kYes = vb::kAnswerYes, kNo = vb::kAnswerNo };

struct MessageRequest {
    std::string text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    DefaultButton defaultButton = DefaultButton::First;
    std::string title;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the message modally and returns the answer code (1, 2, 6 or 7).
    virtual int Show(const MessageRequest& request, QWidget* parent) = 0;
};

// The one in force (the Qt version unless a test installed another).
MessageBoxes& CurrentMessageBoxes();
void InstallMessageBoxes(MessageBoxes* boxes);   // nullptr restores the Qt version

// The answer of the default button (what Enter gives): 1, 2, 6 or 7.
int DefaultAnswer(Buttons buttons, DefaultButton defaultButton);

// Convenience: CurrentMessageBoxes().Show(...).
int ShowMessage(QWidget* parent, const std::string& text, Buttons buttons, Icon icon,
                const std::string& title, DefaultButton defaultButton = DefaultButton::First);

// Shows QMessageBox with the standard buttons in the interface's language.
class QtMessageBoxes : public MessageBoxes {
public:
    int Show(const MessageRequest& request, QWidget* parent) override;
};

} // namespace ui
