#include <QDir>
#include <QFileDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QThread>
#include <QTreeView>

#include <gtest/gtest.h>

#include "support/qt_application.h"
#include "utilita/drives_folder.h"
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
    testing_support::DrivesFolder drives;
    drives.Write("c/archivi/vantorima7.mdb", "");
    const QString archive = QString::fromStdString((drives.path() / "c" / "archivi").string());
    DriveFileDialog dialog;
    ConfigureFileDialog(dialog, "File Dati (*.mdb)|*.mdb|Tutti i file (*.*)|*.*", 2, "C:\\archivi\\vantorima7.mdb", "");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.nameFilters(), (QStringList{QStringLiteral("File Dati (*.mdb)"), QStringLiteral("Tutti i file (*)")}));
    EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("Tutti i file (*)"));
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(archive).canonicalPath());

    // The start folder wins over the folder of the name kept from the last pick.
    DriveFileDialog outOfRange;
    ConfigureFileDialog(outOfRange, "File Dati (*.mdb)|*.mdb", 7, "C:\\Vantorima6\\VANTORIMA6.MDB", "C:\\ARCHIVI");
    EXPECT_EQ(outOfRange.selectedNameFilter(), QStringLiteral("File Dati (*.mdb)"));
    EXPECT_EQ(QDir(outOfRange.directory()).canonicalPath(), QDir(archive).canonicalPath());
}

TEST(QtFileDialogTest, TheDialogTakesAndAnswersDrivePaths) {
    testing_support::EnsureQtApplication();
    testing_support::DrivesFolder drives;
    drives.Write("c/archivi/vantorima7.mdb", "");
    drives.Write("d/copie/vantorima7.mdb", "");
    DriveFileDialog dialog;
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.StartIn("C:\\archivi", "vantorima7.mdb");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenFile(), "C:\\archivi\\vantorima7.mdb");

    // A drive path typed as the name is the file on that drive.
    DriveFileDialog typed;
    typed.setFileMode(QFileDialog::ExistingFile);
    typed.StartIn("C:\\archivi");
    typed.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("D:\\copie\\vantorima7.mdb"));
    typed.accept();
    EXPECT_EQ(typed.result(), QDialog::Accepted);
    EXPECT_EQ(typed.ChosenFile(), "D:\\copie\\vantorima7.mdb");
}

TEST(QtFileDialogTest, TheListSpeaksItalianWhateverTheEnvironment) {
    testing_support::EnsureQtApplication();
    testing_support::DrivesFolder drives;
    drives.Write("c/archivi/logo.png", "x");
    DriveFileDialog dialog;
    dialog.StartIn("C:\\archivi");
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* list = view->model();
    // The folder is read in the background.
    QElapsedTimer waited;
    waited.start();
    while (list->rowCount(view->rootIndex()) == 0 && waited.elapsed() < 20000) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    ASSERT_EQ(list->rowCount(view->rootIndex()), 1);
    EXPECT_EQ(list->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Dimensione"));
    EXPECT_EQ(list->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Tipo"));
    EXPECT_EQ(list->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Ultima modifica"));
    EXPECT_EQ(list->index(0, 2, view->rootIndex()).data().toString(), QStringLiteral("File PNG"));
    const QFileInfo logo(QString::fromStdString((drives.path() / "c" / "archivi" / "logo.png").string()));
    EXPECT_EQ(list->index(0, 3, view->rootIndex()).data().toString(),
              logo.lastModified().toString(QStringLiteral("dd/MM/yyyy HH:mm")));
}

} // namespace
