#pragma once
// The message-box seam. Programs call ShowMessage; the Qt version shows a
// QMessageBox, tests install a double that answers from a script.
#include <string>

class QWidget;

namespace ui {

// YesNoCancel: "Sì", "No" and "Annulla"; Escape and the close box answer Cancel.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Critical, Exclamation };
enum class DefaultButton { First, Second };
// The codes of the buttons pressed, as the platform's message box returns them.
enum Answer : int { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

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
    // Shows the message modally and returns the answer code (an Answer).
    virtual int Show(const MessageRequest& request, QWidget* parent) = 0;
};

// The one in force (the Qt version unless a test installed another).
MessageBoxes& CurrentMessageBoxes();
void InstallMessageBoxes(MessageBoxes* boxes);   // nullptr restores the Qt version

// The answer of the default button (what Enter gives).
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
