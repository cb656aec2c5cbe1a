#pragma once
// A message-box double: records every request and answers from a queue; an
// empty queue answers the default button. Installs itself for its lifetime
// and then puts back the one it replaced.
#include <deque>
#include <vector>

#include "ui/message_box.h"

namespace ui {

class ScriptedMessageBoxes : public MessageBoxes {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;
    void Answer(int code) { answers_.push_back(code); }
    int Show(const MessageRequest& request, QWidget* parent) override;
    const std::vector<MessageRequest>& Requests() const { return requests_; }

private:
    MessageBoxes* previous_;
    std::deque<int> answers_;
    std::vector<MessageRequest> requests_;
};

} // namespace ui
