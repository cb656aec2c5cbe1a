#pragma once
// What the conversion logic needs of the main window: the two file names, the
// log, the four buttons, message boxes and a yield to the message loop. MainWindow
// implements it; tests and benchmarks use a recording implementation.
#include <string>

namespace conversione {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { Information, Question, Critical };
enum class MessageDefault { First, Second };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class ConversionView {
public:
    virtual ~ConversionView() = default;

    virtual std::string SourceFileName() const = 0;   // the source path box
    virtual std::string TargetFileName() const = 0;   // the target path box

    virtual void AppendLog(const std::string& line) = 0;
    virtual void SelectLastLogLine() = 0;              // ListIndex = ListCount - 1

    virtual void DisableButtons() = 0;
    virtual void EnableButtons() = 0;

    // A modal message with the title "Attenzione"; returns the button pressed.
    virtual MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon icon,
                            MessageDefault defaultButton) = 0;

    virtual void YieldToMessageLoop() = 0;
};

} // namespace conversione
