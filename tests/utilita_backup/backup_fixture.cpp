#include "backup_fixture.h"

#include <QApplication>


namespace backup_testing {

namespace {

QApplication& EnsureApplication() {
    static int argc = 1;
    static char name[] = "utilita_backup_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* app = new QApplication(argc, argv);  // kept to the end of the process
    return *app;
}

} // namespace

RecordingBoxes::RecordingBoxes() : previous_(&ui::CurrentMessageBoxes()) { ui::InstallMessageBoxes(this); }

RecordingBoxes::~RecordingBoxes() {
    if (&ui::CurrentMessageBoxes() == this) ui::InstallMessageBoxes(previous_);
}

int RecordingBoxes::Show(const ui::MessageRequest& request, QWidget*) {
    Shown entry{request.text, request.title, request.icon, request.buttons, {}, Qt::ArrowCursor};
    if (window) {
        if (auto* label = window->findChild<QLabel*>(QStringLiteral("Label1"))) entry.status = label->text().toStdString();
        entry.pointer = window->cursor().shape();
    }
    shown.push_back(entry);
    if (whileShown) whileShown(request.text);
    return ui::kOk;
}

BackupWindowTest::BackupWindowTest() : database(zip_testing::DatabaseBytes(120000, 11)) {
    EnsureApplication();
    zip_testing::WriteBytes(DatabaseFile(), database);
    context.archiveFolder = "C:\\archivi";
    form = NewWindow();
    boxes.window = form.get();
}

BackupWindowTest::~BackupWindowTest() {
    form.reset();
}

void BackupWindowTest::RunBackup(const QString& drive) {
    DriveBox()->setText(drive);
    Control<QPushButton>("Command5")->click();
}

void BackupWindowTest::RunRestore(const QString& drive) {
    DriveBox()->setText(drive);
    Control<QPushButton>("Command4")->click();
}

std::vector<std::string> BackupWindowTest::Texts() const {
    std::vector<std::string> texts;
    for (const Shown& s : boxes.shown) texts.push_back(s.text);
    return texts;
}

} // namespace backup_testing
