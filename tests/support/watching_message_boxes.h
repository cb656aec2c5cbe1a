#pragma once
// Scripted message boxes that also let the test look at the window as each
// box shows.
#include <functional>

#include "support/scripted_message_boxes.h"

namespace testing_support {

class WatchingBoxes : public ui::ScriptedMessageBoxes {
public:
    int Show(const ui::MessageRequest& request, QWidget* parent) override {
        if (onShow) onShow();
        return ScriptedMessageBoxes::Show(request, parent);
    }
    std::function<void()> onShow;
};

} // namespace testing_support
