#include "support/scripted_message_boxes.h"

namespace ui {

ScriptedMessageBoxes::ScriptedMessageBoxes() : previous_(&CurrentMessageBoxes()) { InstallMessageBoxes(this); }

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    if (&CurrentMessageBoxes() == this) InstallMessageBoxes(previous_);
}

int ScriptedMessageBoxes::Show(const MessageRequest& request, QWidget*) {
    requests_.push_back(request);
    if (answers_.empty()) return DefaultAnswer(request.buttons, request.defaultButton);
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

} // namespace ui
