#pragma once
// A backup and restore window over a drives folder of the test's own, with
// the database "C:\archivi\vantorima7.mdb", and message boxes that record
// what the window showed at the time of each one (support/recording_message_boxes.h).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "backup/backup_window.h"
#include "context/app_context.h"
#include "dbengine/engine.h"
#include "ui/message_box.h"
#include "support/recording_message_boxes.h"
#include "support/zip_files.h"

namespace backup_testing {

namespace fs = std::filesystem;

using testing_support::RecordingBoxes;
using testing_support::Shown;

class BackupWindowTest : public zip_testing::DrivesTest {
protected:
    BackupWindowTest();
    ~BackupWindowTest() override;

    fs::path DatabaseFile() const { return Drive('c') / "archivi" / "vantorima7.mdb"; }

    template <class T>
    T* Control(const char* name) const {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* DriveBox() const { return Control<QLineEdit>("Text2"); }
    QLabel* Status() const { return Control<QLabel>("Label1"); }

    // The drive box's text, then the operation through its button.
    void RunBackup(const QString& drive);
    void RunRestore(const QString& drive);
    std::vector<std::string> Texts() const;

    std::unique_ptr<utilita::backup::BackupWindow> NewWindow() {
        return std::make_unique<utilita::backup::BackupWindow>(context, dao::DBEngine::Instance());
    }

    std::string database;
    utilita::AppContext context;
    std::unique_ptr<utilita::backup::BackupWindow> form;
    RecordingBoxes boxes;
};

} // namespace backup_testing
