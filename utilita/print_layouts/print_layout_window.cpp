#include "print_layouts/print_layout_window.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "widgets/notice.h"
#include "context/app_context.h"
#include "print_layouts/definitions.h"
#include "print_layouts/kinds.h"
#include "print_layouts/messages.h"
#include "dbengine/connection.h"
#include "dbengine/engine.h"
#include "dbengine/errors.h"
#include "ui/message_box.h"

namespace utilita::print {

laform::laform(const AppContext& context, dao::DBEngine& engine, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), Data1(engine), Data2(engine) {
    BuildControls();
    for (std::size_t i = 0; i < DocumentKinds().size(); ++i) {
        const DocumentKind* kind = &DocumentKinds()[i];
        connect(KindButtons[i], &QPushButton::clicked, this, [this, kind] { ChooseKind(*kind); });
    }
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    CentreOnScreen();
}

void laform::CentreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void laform::ChooseKind(const DocumentKind& kind) {
    Text1[0]->setText(QString::fromUtf8(kind.kindText));
    Text1[1]->setText(QString::fromStdString(context_.archiveFolder + kind.layoutName));
}

std::string laform::PrintDatabase() const {
    return context_.archiveFolder + kPrintDatabaseName;
}

void laform::Command9_Click() {
    close();
}

const DocumentKind* laform::ChosenKind() {
    const DocumentKind* kind = FindKind(Text1[0]->text().toStdString());
    if (!kind) Warn(kUnknownKind);
    return kind;
}

namespace {

// Error numbers of a file that another program has locked.
constexpr int kLockedByOther = 3218;
constexpr int kLockedByUser = 3260;
// How long one read waits for another program's lock (opening the table
// takes two) before the operator is told.
constexpr int kPrintLockWaitMs = 1000;

// The print database is only read: its connection waits briefly for
// another program's lock, then the operator is told, instead of a long freeze.
class ShortLockWait {
public:
    ShortLockWait() : previous_(dao::Connection::BusyTimeout()) { dao::Connection::SetBusyTimeout(kPrintLockWaitMs); }
    ~ShortLockWait() { dao::Connection::SetBusyTimeout(previous_); }
    ShortLockWait(const ShortLockWait&) = delete;
    ShortLockWait& operator=(const ShortLockWait&) = delete;

private:
    int previous_;
};

} // namespace

void laform::BindTables(const DocumentKind& kind) {
    const ShortLockWait shortWait;
    tableBeingBound_ = kind.headerTable;
    Data1.SetDatabaseName(PrintDatabase());
    Data1.SetRecordSource(kind.headerTable);
    Data1.Refresh();
    tableBeingBound_ = kind.lineTable;
    Data2.SetDatabaseName(PrintDatabase());
    Data2.SetRecordSource(kind.lineTable);
    Data2.Refresh();
}

void laform::ReleasePrintDatabase() noexcept {
    for (dao::DataControl* control : {&Data1, &Data2}) {
        try {
            control->GetRecordset().ReleaseRead();
        } catch (const vb::RuntimeError&) {
            // Never bound: nothing to let go of.
        }
    }
}

void laform::ReportPrintWarnings(const DocumentKind& kind) {
    const std::vector<std::string>& warnings = LL8.Warnings();
    if (warnings.empty()) return;
    std::string text = QString::fromUtf8(kPrintedWithWarnings).arg(QString::fromUtf8(kind.kindText)).toStdString();
    if (!documentName_.empty()) text += " " + documentName_;
    for (const std::string& warning : warnings) text += "\r\n" + warning;
    Warn(text);
}

void laform::DefineHeaderVariables() {
    print::DefineHeaderVariables(Data1.GetRecordset(), LL8);
}

void laform::DefineLineFields() {
    print::DefineLineFields(Data2.GetRecordset(), LL8);
}

void laform::ReportDatabaseError(const vb::RuntimeError& error) {
    if (error.Number() == kLockedByOther || error.Number() == kLockedByUser) {
        Warn(std::string(kPrintDatabaseBusy) + "\r\n" + PrintDatabase());
    } else if (error.Number() == dao::kFileNotFound) {
        Warn(std::string(kPrintDatabaseMissing) + "\r\n" + PrintDatabase());
    } else if (error.Number() == dao::kTableNotFound) {
        Warn(std::string(kPrintTableMissing) + "\r\n" + tableBeingBound_);
    } else {
        Warn(QString::fromUtf8(kPrintDatabaseError).arg(error.Number()).toStdString() + "\r\n" + error.Description());
    }
}

void laform::ReportJobFailure(std::int32_t answer, const std::string& layoutFile) {
    switch (answer) {
    case report::kResultNoLayout:
        Warn(std::string(kLayoutMissing) + "\r\n" + layoutFile + "\r\n" + kLayoutMissingHint);
        break;
    case report::kResultBadLayout:
        Warn(std::string(kLayoutUnreadable) + "\r\n" + layoutFile +
             (LL8.LayoutProblem().empty() ? std::string() : "\r\n" + LL8.LayoutProblem()));
        break;
    default:
        Warn(std::string(kOutputFailed) + "\r\n" +
             (LL8.OutputFileName().empty() ? std::string(kPrinterTarget) : LL8.OutputFileName()));
        break;
    }
}

void laform::Warn(const std::string& text) {
    ui::ShowMessage(this, text, ui::Buttons::Ok, ui::Icon::Exclamation, kMessageTitle);
}

} // namespace utilita::print
