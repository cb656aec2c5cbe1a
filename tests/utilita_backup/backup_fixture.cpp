#include "backup_fixture.h"

#include <QApplication>

#include <random>
#include <unistd.h>

#include "dbengine/engine.h"
#include "support/qt_application.h"
#include "tools/schema_loader.h"

namespace backup_testing {

namespace {

// A real version-7 database, made once, with rows of random text so that its
// archive does not shrink below one test medium.
std::string Version7Bytes() {
    static const std::string bytes = [] {
        const fs::path file = fs::temp_directory_path() / ("v7fixture-" + std::to_string(::getpid()) + ".mdb");
        schema::BuildVersion7(file.string());
        {
            auto db = dao::DBEngine::Instance().OpenDatabase(file.string());
            db->Execute("CREATE TABLE [riempimento] ([dati] MEMO)");
            std::mt19937 random(11);
            for (int row = 0; row < 2; ++row) {
                std::string text(60000, 'a');
                for (char& c : text) c = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-"[random() % 64];
                db->Execute("INSERT INTO [riempimento] ([dati]) VALUES ('" + text + "')");
            }
            db->Close();
        }
        std::string content = zip_testing::ReadBytes(file);
        fs::remove(file);
        return content;
    }();
    return bytes;
}

} // namespace

BackupWindowTest::BackupWindowTest() : database(Version7Bytes()) {
    testing_support::EnsureQtApplication();
    // A restore clears abandoned scratch folders of the temporary folder:
    // only the test's own.
    fs::create_directories(Root() / "tmp");
    setenv("TMPDIR", (Root() / "tmp").c_str(), 1);
    zip_testing::WriteBytes(DatabaseFile(), database);
    context.archiveFolder = "C:\\archivi";
    form = NewWindow();
    boxes.window = form.get();
}

BackupWindowTest::~BackupWindowTest() {
    form.reset();
    unsetenv("TMPDIR");
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
