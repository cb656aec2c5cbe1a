#include "support/scripted_screens.h"

#include <QPrinter>

namespace report {

class ScriptedProgressBox : public ProgressBox {
public:
    explicit ScriptedProgressBox(ScriptedScreens& owner) : owner_(owner) { ++owner_.progressBoxesOpen; }
    ~ScriptedProgressBox() override { --owner_.progressBoxesOpen; }
    void SetProgress(const std::string& text, int percent) override {
        owner_.progressSteps.emplace_back(text, percent);
        ++steps_;
    }
    void Busy(const std::string& text) override { owner_.progressBusy.push_back(text); }
    void Printing(int page, int count) override { owner_.progressPages.emplace_back(page, count); }
    bool Cancelled() override { return owner_.cancelAtStep_ > 0 && steps_ >= owner_.cancelAtStep_; }

private:
    ScriptedScreens& owner_;
    int steps_ = 0;
};

ScriptedScreens::ScriptedScreens() : previous_(&CurrentScreens()) {
    InstallScreens(this);
}

ScriptedScreens::~ScriptedScreens() {
    InstallScreens(previous_);
}

bool ScriptedScreens::ChooseLayoutFile(QWidget*, std::filesystem::path& file) {
    offeredFiles.push_back(file);
    if (fileAnswers_.empty()) return true;
    std::optional<std::filesystem::path> answer = std::move(fileAnswers_.front());
    fileAnswers_.pop_front();
    if (!answer) return false;
    file = *answer;
    return true;
}

void ScriptedScreens::DesignLayout(QWidget*, DesignRequest& request) {
    designs.push_back(request);
    if (designer) designer(request);
}

std::unique_ptr<ProgressBox> ScriptedScreens::OpenProgress(QWidget*, const std::string& title) {
    progressTitles.push_back(title);
    return std::make_unique<ScriptedProgressBox>(*this);
}

bool ScriptedScreens::PrintOptions(QWidget*, const std::string& text, const std::string& warnings, QPrinter&) {
    optionTexts.push_back(text);
    optionWarnings.push_back(warnings);
    if (!cancelOptions_) return true;
    cancelOptions_ = false;
    return false;
}

void ScriptedScreens::ShowPreview(QWidget*, const std::string& title, const std::vector<Page>& pages) {
    previewTitles.push_back(title);
    previews.push_back(pages);
}

} // namespace report
