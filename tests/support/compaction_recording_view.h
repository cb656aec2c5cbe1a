#pragma once
// A CompactionView that writes down everything the procedure asks of the
// window, in order, and lets a test act at a given yield.
#include <functional>
#include <string>
#include <vector>

#include "compaction/procedure.h"

namespace compaction_testing {

struct ShownMessage {
    std::string text;
    ui::Icon icon = ui::Icon::None;
    std::string title;
};

class RecordingView : public utilita::compaction::CompactionView {
public:
    void SetStatus(const std::string& text) override { events.push_back("status " + text); }
    void SetHourglass(bool on) override { events.push_back(on ? "hourglass" : "default pointer"); }
    void SetMark(int index, bool ticked) override {
        events.push_back("cec(" + std::to_string(index) + ")=" + (ticked ? "1" : "0"));
    }
    void Yield() override {
        events.push_back("yield");
        ++yields;
        if (onYield) onYield(yields);
    }
    void ShowMessage(const std::string& text, ui::Icon icon, const std::string& title) override {
        events.push_back("message");
        messages.push_back({text, icon, title});
    }

    std::vector<std::string> events;
    std::vector<ShownMessage> messages;
    int yields = 0;
    // Called at each yield with its number, 1 to 3.
    std::function<void(int)> onYield;
};

} // namespace compaction_testing
