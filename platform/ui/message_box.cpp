#include "ui/message_box.h"

namespace ui {

namespace {
MessageBoxes* installed = nullptr;
}

MessageBoxes& CurrentMessageBoxes() {
    static QtMessageBoxes qtBoxes;
    return installed ? *installed : qtBoxes;
}

void InstallMessageBoxes(MessageBoxes* boxes) { installed = boxes; }

int ShowMessage(QWidget* parent, const std::string& text, Buttons buttons, Icon icon,
                const std::string& title, DefaultButton defaultButton) {
    MessageRequest request;
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    request.defaultButton = defaultButton;
    request.title = title;
    return CurrentMessageBoxes().Show(request, parent);
}

int DefaultAnswer(Buttons buttons, DefaultButton defaultButton) {
    const bool second = defaultButton == DefaultButton::Second;
    switch (buttons) {
    case Buttons::OkCancel: return second ? kCancel : kOk;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return second ? kNo : kYes;
    case Buttons::Ok: break;
    }
    return kOk;
}

} // namespace ui
