// Definitions and design of the report control.
#include "report/control/report_control.h"

#include <cstdio>
#include <functional>

#include <QStandardPaths>

#include "report/composer/business_layout.h"
#include "report/control/screens.h"
#include "report/model/layout_file.h"
#include "report/model/whole_file.h"
#include "report/print/print_job.h"
#include "ui/message_box.h"
#include "winfs/paths.h"

namespace report {

ReportControl::ReportControl() = default;
ReportControl::~ReportControl() = default;

void ReportControl::ClearFirstDefinitionList() {
    variables_.Clear();
}

void ReportControl::ClearSecondDefinitionList() {
    fields_.Clear();
}

std::int32_t ReportControl::AddHeaderVariable(const std::string& name, std::string& contents, std::int32_t type,
                                              ColumnType column, const FieldValue& value) {
    variables_.Set(name, contents, type, column, value);
    return kResultOk;
}

std::int32_t ReportControl::AddLineField(const std::string& name, std::string& contents, std::int32_t type,
                                         ColumnType column, const FieldValue& value) {
    fields_.Set(name, contents, type, column, value);
    return kResultOk;
}

std::int16_t ReportControl::ChooseLayoutFile(QWidget* window, std::int32_t projectKind, std::string& layoutFile) {
    if (projectKind != kProjectList) return static_cast<std::int16_t>(kResultBadArgument);
    if (previewLayout_) return static_cast<std::int16_t>(kResultOk);   // the layout is the one on screen
    const std::filesystem::path offered = winfs::Resolve(layoutFile);
    std::filesystem::path chosen = offered;
    if (!CurrentScreens().ChooseLayoutFile(window, chosen)) return static_cast<std::int16_t>(kResultCancelled);
    // The caller's own spelling stays when the operator keeps the file; a
    // new choice comes back as the drive path the operator knows.
    if (chosen != offered) layoutFile = winfs::WindowsForm(chosen.string());
    return static_cast<std::int16_t>(kResultOk);
}

std::int32_t ReportControl::OpenLayoutDesigner(QWidget* window, const std::string& title, std::int32_t projectKind,
                                               std::string& layoutFile) {
    if (projectKind != kProjectList) return kResultBadArgument;
    DesignRequest request;
    request.title = title;
    request.file = winfs::Resolve(layoutFile);
    request.variables = variables_;
    request.fields = fields_;
    layoutProblem_.clear();
    switch (LoadLayout(request.file, request.layout, &layoutProblem_)) {
    case LayoutLoad::Loaded: break;
    case LayoutLoad::Missing:
        request.layout = BusinessLayout(DocumentTitle(request.file), variables_, fields_);
        request.newLayout = true;
        break;
    case LayoutLoad::Unreadable:
        if (!IsDamagedLayout(request.file) || !layoutProblem_.empty()) return kResultBadLayout;
        if (!StartAgain(window, title, request)) return layoutProblem_.empty() ? kResultCancelled : kResultBadLayout;
        break;
    case LayoutLoad::Newer: return kResultNewerLayout;
    }
    if (designPreview_)
        request.preview = [this](const Layout& layout) {
            previewLayout_ = layout;
            designPreview_();
            previewLayout_.reset();
        };
    request.showPages = [](QWidget* parent, const std::string& pageTitle, const std::vector<Page>& pages) {
        CurrentScreens().ShowPreview(parent, pageTitle, pages);
    };
    CurrentScreens().DesignLayout(window, request);
    return kResultOk;
}

bool ReportControl::StartAgain(QWidget* window, const std::string& title, DesignRequest& request) {
    const std::string question = "Il modulo " + winfs::WindowsForm(request.file.string()) +
                                 " non è valido. Ripartire dal modulo predefinito?";
    if (ui::ShowMessage(window, question, ui::Buttons::YesNo, ui::Icon::Question, title) != ui::kYes) {
        layoutProblem_.clear();
        return false;
    }
    // The damaged file stays beside the new one, for whoever can mend it.
    // An earlier damaged copy is kept too: .danneggiato, .danneggiato.2, ...
    std::filesystem::path kept = request.file;
    kept += ".danneggiato";
    std::error_code ec;
    for (int n = 2;; ++n) {
        const std::filesystem::file_type type = std::filesystem::symlink_status(kept, ec).type();
        if (ec || type == std::filesystem::file_type::not_found) break;   // a fault is told by the write
        kept = request.file;
        kept += ".danneggiato." + std::to_string(n);
    }
    std::string error;
    const std::string bytes = FileBytes(request.file, error);
    if (!error.empty() || !WriteWhole(kept, bytes, error)) {
        layoutProblem_ = "Impossibile conservare il modulo danneggiato in " + winfs::WindowsForm(kept.string()) +
                         ": " + error;
        return false;
    }
    request.layout = BusinessLayout(DocumentTitle(request.file), variables_, fields_);
    request.newLayout = true;
    return true;
}

std::filesystem::path ReportControl::PdfFileFor(const std::string& layoutFile) {
    std::filesystem::path pdf = winfs::Resolve(layoutFile);
    pdf.replace_extension(".pdf");
    return pdf;
}

std::filesystem::path ReportControl::PreviewFileFor(const std::string& layoutFile) {
    const std::filesystem::path layout = winfs::Resolve(layoutFile);
    // One preview per layout file, apart from any other program's.
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016zx", std::hash<std::string>{}(layout.string()));
    const std::filesystem::path temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString();
    return temp / ("vantorima-anteprima-" + layout.stem().string() + "-" + hash + ".pvw");
}

} // namespace report
