#pragma once
// The engine's screens for tests: each request is recorded and answered from
// a script. There is never a printer: a job prints to its PDF file.
// Installs itself for its lifetime and then puts back the screens it replaced.
#include <deque>
#include <functional>
#include <optional>
#include <utility>

#include "report/control/screens.h"

namespace report {

class ScriptedScreens : public Screens {
public:
    ScriptedScreens();
    ~ScriptedScreens() override;
    ScriptedScreens(const ScriptedScreens&) = delete;
    ScriptedScreens& operator=(const ScriptedScreens&) = delete;

    // Answers of the layout file selection, in order; when none is left the
    // operator confirms the file offered.
    void ChooseFile(std::filesystem::path file) { fileAnswers_.emplace_back(std::move(file)); }
    void CancelFileChoice() { fileAnswers_.emplace_back(std::nullopt); }
    // The next print options dialog is cancelled (the others are confirmed).
    void CancelPrintOptions() { cancelOptions_ = true; }
    // The progress box reports a cancel from its step-th update on (1-based).
    void CancelProgressAt(int step) { cancelAtStep_ = step; }

    // What the operator does in the designer; by default closes it unsaved.
    std::function<void(DesignRequest&)> designer;

    bool PrinterAvailable() override { return false; }
    bool ChooseLayoutFile(QWidget* parent, std::filesystem::path& file) override;
    void DesignLayout(QWidget* parent, DesignRequest& request) override;
    std::unique_ptr<ProgressBox> OpenProgress(QWidget* parent, const std::string& title) override;
    bool PrintOptions(QWidget* parent, const std::string& text, const std::string& warnings,
                      QPrinter& printer) override;
    void ShowPreview(QWidget* parent, const std::string& title, const std::vector<Page>& pages) override;

    // What was asked, in order.
    std::vector<std::filesystem::path> offeredFiles;
    std::vector<DesignRequest> designs;                    // as the designer was opened
    std::vector<std::string> progressTitles;
    std::vector<std::pair<std::string, int>> progressSteps;
    std::vector<std::string> progressBusy;                 // one per busy step
    std::vector<std::pair<int, int>> progressPages;        // page, count, as printed
    int progressBoxesOpen = 0;
    std::vector<std::string> optionTexts;
    std::vector<std::string> optionWarnings;   // one per print options dialog, "" when none
    std::vector<std::string> previewTitles;
    std::vector<std::vector<Page>> previews;

private:
    friend class ScriptedProgressBox;
    Screens* previous_;
    std::deque<std::optional<std::filesystem::path>> fileAnswers_;
    bool cancelOptions_ = false;
    int cancelAtStep_ = 0;
};

} // namespace report
