#pragma once
// A ConversionView for tests and benchmarks: holds the two file names, keeps
// the log, the selected line and the buttons' state, and answers messages from
// a script (an empty script answers the default button).
#include <deque>
#include <string>
#include <vector>

#include "run/conversion_view.h"

namespace testing_support {

class RecordingView : public conversione::ConversionView {
public:
    struct Message {
        std::string text;
        conversione::MessageButtons buttons;
        conversione::MessageIcon icon;
        conversione::MessageDefault defaultButton;
    };

    std::string source = "Selezionare file di provenienza";
    std::string target = "Selezionare file di destinazione";
    std::vector<std::string> log;
    int selectedLine = -1;
    bool buttonsEnabled = true;
    int yields = 0;
    std::vector<Message> messages;
    std::deque<conversione::MessageAnswer> answers;

    std::string SourceFileName() const override { return source; }
    std::string TargetFileName() const override { return target; }
    void AppendLog(const std::string& line) override { log.push_back(line); }
    void SelectLastLogLine() override { selectedLine = static_cast<int>(log.size()) - 1; }
    void DisableButtons() override { buttonsEnabled = false; }
    void EnableButtons() override { buttonsEnabled = true; }
    void YieldToMessageLoop() override { ++yields; }
    conversione::MessageAnswer ShowMessage(const std::string& text, conversione::MessageButtons buttons,
                                           conversione::MessageIcon icon,
                                           conversione::MessageDefault defaultButton) override {
        using conversione::MessageAnswer;
        messages.push_back({text, buttons, icon, defaultButton});
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (buttons == conversione::MessageButtons::YesNo)
            return defaultButton == conversione::MessageDefault::First ? MessageAnswer::Yes : MessageAnswer::No;
        return MessageAnswer::Ok;
    }
};

} // namespace testing_support
