#include <QDir>
#include <QFileDialog>

#include <gtest/gtest.h>

#include "support/qt_application.h"
#include "support/temp_dir.h"
#include "ui/qt_file_dialog.h"

namespace {

using namespace ui;

TEST(QtNameFiltersTest, TranslatesWindowsFilterPairs) {
    EXPECT_EQ(QtNameFilters("File Dati (*.mdb)|*.mdb"), QStringList{QStringLiteral("File Dati (*.mdb)")});
    EXPECT_EQ(QtNameFilters("File Dati (*.mdb)|*.mdb|Tutti i file (*.*)|*.*"),
              (QStringList{QStringLiteral("File Dati (*.mdb)"), QStringLiteral("Tutti i file (*)")}));
    EXPECT_EQ(QtNameFilters("Archivi|*.mdb;*.zip"), QStringList{QStringLiteral("Archivi (*.mdb *.zip)")});
    EXPECT_EQ(QtNameFilters("Testo|*.txt|"), QStringList{QStringLiteral("Testo (*.txt)")});  // odd part ignored
    EXPECT_TRUE(QtNameFilters("").isEmpty());
}

TEST(QtFileDialogTest, ConfiguresAnOpenDialogOnTheFiltersAndCurrentName) {
    testing_support::EnsureQtApplication();
    testing_support::TempDir dir;
    const std::string current = dir.file("vantorima7.mdb");
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    ConfigureFileDialog(dialog, "File Dati (*.mdb)|*.mdb|Tutti i file (*.*)|*.*", 2, current);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.nameFilters(), (QStringList{QStringLiteral("File Dati (*.mdb)"), QStringLiteral("Tutti i file (*)")}));
    EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("Tutti i file (*)"));
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(QString::fromStdString(dir.path().string())).canonicalPath());

    QFileDialog outOfRange;
    outOfRange.setOption(QFileDialog::DontUseNativeDialog);
    ConfigureFileDialog(outOfRange, "File Dati (*.mdb)|*.mdb", 7, "");
    EXPECT_EQ(outOfRange.selectedNameFilter(), QStringLiteral("File Dati (*.mdb)"));
}

} // namespace
