#include "print_layouts/print_layout_window.h"

#include <chrono>

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "widgets/notice.h"
#include "context/app_context.h"
#include "print_layouts/definitions.h"
#include "print_layouts/kinds.h"
#include "print_layouts/messages.h"
#include "report/composer/narrow_boxes.h"
#include "dbengine/engine.h"
#include "dbengine/errors.h"
#include "ui/message_box.h"
#include "winfs/paths.h"

namespace utilita::print {

PrintLayoutWindow::PrintLayoutWindow(const AppContext& context, dao::DBEngine& engine, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), headerData_(engine), lineData_(engine) {
    BuildControls();
    for (std::size_t i = 0; i < DocumentKinds().size(); ++i) {
        const DocumentKind* kind = &DocumentKinds()[i];
        connect(kindButtons[i], &QPushButton::clicked, this, [this, kind] { ChooseKind(*kind); });
    }
    connect(designButton, &QPushButton::clicked, this, [this] { OnDesignClicked(); });
    connect(printButton, &QPushButton::clicked, this, [this] { OnPrintClicked(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { close(); });
    CentreOnScreen();
}

void PrintLayoutWindow::CentreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void PrintLayoutWindow::ChooseKind(const DocumentKind& kind) {
    kindBox->setText(QString::fromUtf8(kind.kindText));
    layoutFileBox->setText(QString::fromStdString(context_.archiveFolder + kind.layoutName));
}

std::string PrintLayoutWindow::PrintDatabase() const {
    return context_.archiveFolder + kPrintDatabaseName;
}

const DocumentKind* PrintLayoutWindow::CommandKind() {
    if (layoutFileBox->text() == QLatin1String(kNoKind)) return nullptr;
    const DocumentKind* kind = FindKind(kindBox->text().toStdString());
    if (!kind) Warn(kUnknownKind);
    return kind;
}

namespace {

// How long one read waits for another program's lock (opening the table
// takes two) before the operator is told, instead of a long freeze.
constexpr std::chrono::milliseconds kPrintLockWait{1000};

} // namespace

void PrintLayoutWindow::BindTables(const DocumentKind& kind) {
    tableBeingBound_ = kind.headerTable;
    headerData_.SetLockWait(kPrintLockWait);
    headerData_.SetDatabaseName(PrintDatabase());
    headerData_.SetRecordSource(kind.headerTable);
    headerData_.Refresh();
    tableBeingBound_ = kind.lineTable;
    lineData_.SetLockWait(kPrintLockWait);
    lineData_.SetDatabaseName(PrintDatabase());
    lineData_.SetRecordSource(kind.lineTable);
    lineData_.Refresh();
}

void PrintLayoutWindow::MoveToFirstRecords() {
    dao::Recordset& header = headerData_.GetRecordset();
    dao::Recordset& lines = lineData_.GetRecordset();
    if (header.RecordCount() == 0) return;
    header.MoveFirst();
    if (lines.RecordCount() > 0) lines.MoveFirst();
}

void PrintLayoutWindow::ReleasePrintDatabase() noexcept {
    for (dao::DataControl* control : {&headerData_, &lineData_}) {
        try {
            control->GetRecordset().ReleaseRead();
        } catch (const vb::RuntimeError&) {
            // Never bound: nothing to let go of.
        }
    }
}

void PrintLayoutWindow::ReportPrintWarnings(const DocumentKind& kind) {
    const std::vector<std::string>& warnings = report_.Warnings();
    if (warnings.empty()) return;
    std::string text = QString::fromUtf8(kPrintedWithWarnings).arg(QString::fromUtf8(kind.kindText)).toStdString();
    if (!documentName_.empty()) text += " " + documentName_;
    text += "\r\n" + report::ShortList(warnings);
    Warn(text);
}

void PrintLayoutWindow::DefineHeaderVariables() {
    print::DefineHeaderVariables(headerData_.GetRecordset(), report_);
}

void PrintLayoutWindow::DefineLineFields() {
    print::DefineLineFields(lineData_.GetRecordset(), report_);
}

void PrintLayoutWindow::ReportDatabaseError(const vb::RuntimeError& error) {
    if (error.Number() == dao::kDatabaseLocked) {
        Warn(std::string(kPrintDatabaseBusy) + "\r\n" + PrintDatabase());
    } else if (error.Number() == dao::kFileNotFound) {
        Warn(std::string(kPrintDatabaseMissing) + "\r\n" + PrintDatabase());
    } else if (error.Number() == dao::kTableNotFound) {
        Warn(std::string(kPrintTableMissing) + "\r\n" + tableBeingBound_);
    } else {
        Warn(QString::fromUtf8(kPrintDatabaseError).arg(error.Number()).toStdString() + "\r\n" + error.Description());
    }
}

void PrintLayoutWindow::ReportJobFailure(report::Answer answer, const std::string& layoutFile) {
    switch (answer) {
    case report::Answer::NoLayout:
        Warn(std::string(kLayoutMissing) + "\r\n" + layoutFile + "\r\n" + kLayoutMissingHint);
        break;
    case report::Answer::BadLayout:
        Warn(std::string(kLayoutUnreadable) + "\r\n" + layoutFile +
             (report_.LayoutProblem().empty() ? std::string() : "\r\n" + report_.LayoutProblem()));
        break;
    case report::Answer::NewerLayout:
        Warn(std::string(kLayoutNewer) + "\r\n" + layoutFile);
        break;
    case report::Answer::NotWhole:
        Warn(std::string(kNotPrintedWhole) + "\r\n" + report_.LayoutProblem());
        break;
    default:
        Warn(std::string(kOutputFailed) + "\r\n" +
             (report_.OutputFileName().empty() ? std::string(kPrinterTarget)
                                               : winfs::WindowsForm(report_.OutputFileName())));
        break;
    }
}

void PrintLayoutWindow::Warn(const std::string& text) {
    ui::ShowMessage(this, text, ui::Buttons::Ok, ui::Icon::Exclamation, kMessageTitle);
}

} // namespace utilita::print
