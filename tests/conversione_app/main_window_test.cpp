// The main window on Qt's offscreen platform: its start-up against the
// configuration and marker files, the pick buttons, the run and exit buttons.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/main_window.h"
#include "support/clicked_during_the_run.h"
#include "support/scripted_file_dialog.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_dir.h"
#include "support/qt_application.h"
#include "tools/schema_loader.h"

namespace {

namespace fs = std::filesystem;

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

std::vector<std::string> Log(const MainWindow& form) {
    std::vector<std::string> lines;
    for (int i = 0; i < form.Controls().logList->count(); ++i)
        lines.push_back(form.Controls().logList->item(i)->text().toStdString());
    return lines;
}

// A drives folder of its own; drive C holds what each test writes there.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        testing_support::EnsureQtApplication();
        setenv("VANTORIMA_DRIVES", drives.path().c_str(), 1);
        fs::create_directories(drives.path() / "c");
    }
    void WriteDriveC(const std::string& name, const std::string& content) {
        fs::create_directories((drives.path() / "c" / name).parent_path());
        std::ofstream(drives.path() / "c" / name, std::ios::binary) << content;
    }
    void LayOutArchive() {
        WriteDriveC("VanRete7.dat", "C:\\Vantorima7\r\naltre righe ignorate\r\n");
        WriteDriveC("vantorima7/VanReteAB.dat", "");
    }
    // The archive with a demo version-6 database and an empty version-7 one.
    void LayOutDatabases() {
        LayOutArchive();
        fs::create_directories(drives.path() / "c" / "vantorima6");
        schema::BuildVersion6((drives.path() / "c" / "vantorima6" / "VANTORIMA6.MDB").string(), true);
        schema::BuildVersion7((drives.path() / "c" / "vantorima7" / "vantorima7.mdb").string());
    }

    testing_support::TempDir drives;
    ui::ScriptedMessageBoxes boxes;
    ui::ScriptedFileDialog dialog;
    dao::DBEngine engine;
};

TEST_F(MainWindowTest, ShowsEveryCaptionOfTheWindow) {
    MainWindow form(engine);
    const auto& c = form.Controls();
    EXPECT_EQ(form.windowTitle().toStdString(), "Importazione Dati dalla versione 6.0.13");
    EXPECT_EQ(c.filesFrame->title().toStdString(), "Selezione archivi dei dati");
    EXPECT_EQ(Text(c.sourcePathBox), "Selezionare file di provenienza");
    EXPECT_EQ(Text(c.targetPathBox), "Selezionare file di destinazione");
    EXPECT_EQ(c.pickSourceButton->text().toStdString(), "Vantorima 6");
    EXPECT_EQ(c.pickTargetButton->text().toStdString(), "Vantorima 7");
    EXPECT_EQ(c.runButton->text().toStdString(), "&Esegui");
    EXPECT_EQ(c.exitButton->text().toStdString(), "&Uscita");
    EXPECT_EQ(c.productLineLabel->text().toStdString(), "Linea VANTORIMA 7");
    EXPECT_EQ(c.importTitleLabel->text().toStdString(), "Importa dati Vantorima 6");
    EXPECT_EQ(c.versionLabel->text().toStdString(), "7.0.1");
    EXPECT_EQ(c.logList->count(), 0);

    // The platform's control names, by which tests and accessibility find them.
    const std::vector<std::pair<const char*, QWidget*>> named{
        {"Frame1", c.filesFrame},         {"Text1_0", c.sourcePathBox},      {"Text1_1", c.targetPathBox},
        {"bottone_0", c.pickSourceButton}, {"bottone_1", c.pickTargetButton}, {"SSCommand1_3", c.runButton},
        {"SSCommand1_2", c.exitButton},   {"List1", c.logList},              {"SSPanel1", c.bannerPanel},
        {"Label1_1", c.productLineLabel}, {"Label1_0", c.importTitleLabel},  {"Label2", c.versionLabel},
        {"Image1", c.driveIcon},          {"Image2", c.arrowIcon},
    };
    for (const auto& [name, widget] : named) EXPECT_EQ(form.findChild<QWidget*>(name), widget) << name;
}

TEST_F(MainWindowTest, StartsOnTheArchiveFolderOfTheConfigurationFile) {
    LayOutArchive();
    MainWindow form(engine);
    EXPECT_TRUE(form.Start());
    EXPECT_FALSE(form.Ended());
    EXPECT_EQ(form.ArchiveFolder(), "C:\\Vantorima7");
    EXPECT_EQ(Text(form.Controls().targetPathBox), "C:\\Vantorima7\\vantorima7.mdb");
    EXPECT_EQ(Log(form), (std::vector<std::string>{"Procedura in attesa..."}));
    EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(MainWindowTest, AMissingConfigurationFileEndsTheProgramWhateverTheAnswer) {
    for (int answer : {ui::kOk, ui::kCancel}) {
        boxes.Answer(answer);
        MainWindow form(engine);
        EXPECT_FALSE(form.Start());
        EXPECT_TRUE(form.Ended());
    }
    ASSERT_EQ(boxes.Requests().size(), 2u);
    const ui::MessageRequest& r = boxes.Requests()[0];
    EXPECT_EQ(r.text, "E' necessario impostare Percorso degli Archivi !");
    EXPECT_EQ(r.buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(r.icon, ui::Icon::Information);
    EXPECT_EQ(r.defaultButton, ui::DefaultButton::First);
    EXPECT_EQ(r.title, "Attenzione");

    fs::remove_all(drives.path() / "c");   // no drive C at all: path not found
    MainWindow form(engine);
    EXPECT_FALSE(form.Start());
    EXPECT_EQ(boxes.Requests().size(), 3u);
}

TEST_F(MainWindowTest, AnEmptyConfigurationFileLeavesTheWindowOpenWithoutDefaultTarget) {
    WriteDriveC("VanRete7.dat", "");
    MainWindow form(engine);
    EXPECT_TRUE(form.Start());
    EXPECT_FALSE(form.Ended());
    EXPECT_EQ(Text(form.Controls().targetPathBox), "Selezionare file di destinazione");
    EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(MainWindowTest, AnUnreachableArchiveFolderEndsTheProgramWithTheFiveLineMessage) {
    WriteDriveC("VanRete7.dat", "\\\\server\\archivi\r\n");
    MainWindow form(engine);
    EXPECT_FALSE(form.Start());
    EXPECT_TRUE(form.Ended());
    EXPECT_EQ(Text(form.Controls().targetPathBox), "\\\\server\\archivi\\vantorima7.mdb");
    ASSERT_EQ(boxes.Requests().size(), 1u);
    const ui::MessageRequest& r = boxes.Requests()[0];
    EXPECT_EQ(r.text, "Collegamento mancante con il Server di dati \r\n \\\\server\\archivi\r\n"
                      "Accendere il PC se si tratta di Unità di Rete\r\ne/o comunque reimpostare il percorso archivi\r\n"
                      "dall'apposito programma accessorio.\r\n");
    EXPECT_EQ(r.buttons, ui::Buttons::Ok);
    EXPECT_EQ(r.icon, ui::Icon::Information);
    EXPECT_EQ(r.title, "Attenzione");
}

// A first line past the read limit names no folder, even where its start
// leads to a marker (drive C's root); the message shows it shortened.
TEST_F(MainWindowTest, AFirstLinePastTheReadLimitIsAnUnreachableFolder) {
    std::string line = "C:";
    while (line.size() < (10u << 20)) line += "\\.";
    WriteDriveC("VanRete7.dat", line + "\r\n");
    WriteDriveC("VanReteAB.dat", "");
    MainWindow form(engine);
    EXPECT_FALSE(form.Start());
    EXPECT_TRUE(form.Ended());
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_LT(boxes.Requests()[0].text.size(), 300u);
}

TEST_F(MainWindowTest, TheFirstLineIsJoinedAsItStands) {
    // A trailing backslash doubles; the folder is still found.
    WriteDriveC("VanRete7.dat", "C:\\Vantorima7\\\r\n");
    WriteDriveC("vantorima7/VanReteAB.dat", "");
    {
        MainWindow form(engine);
        EXPECT_TRUE(form.Start());
        EXPECT_EQ(Text(form.Controls().targetPathBox), "C:\\Vantorima7\\\\vantorima7.mdb");
    }
    // An empty first line: the root of drive C, where no marker lies.
    WriteDriveC("VanRete7.dat", "\r\nC:\\Vantorima7\r\n");
    MainWindow form(engine);
    EXPECT_FALSE(form.Start());
    EXPECT_EQ(Text(form.Controls().targetPathBox), "\\vantorima7.mdb");
    ASSERT_EQ(boxes.Requests().size(), 1u);
    const std::string opening = "Collegamento mancante con il Server di dati \r\n \r\n";
    EXPECT_EQ(boxes.Requests()[0].text.substr(0, opening.size()), opening);
}

TEST_F(MainWindowTest, PicksGoThroughOneDialogThatKeepsItsLastName) {
    LayOutArchive();
    MainWindow form(engine);
    ASSERT_TRUE(form.Start());
    const fs::path before = fs::current_path();
    fs::current_path(fs::temp_directory_path());   // wherever the user left it

    dialog.Cancel();   // the very first pick cancelled: an empty name
    form.OnPickSourceClicked();
    EXPECT_EQ(Text(form.Controls().sourcePathBox), "");

    dialog.Choose("C:\\Vantorima6\\VANTORIMA6.MDB");
    form.OnPickSourceClicked();
    dialog.Cancel();   // the target pick cancelled copies the source name
    form.OnPickTargetClicked();
    EXPECT_EQ(Text(form.Controls().sourcePathBox), "C:\\Vantorima6\\VANTORIMA6.MDB");
    EXPECT_EQ(Text(form.Controls().targetPathBox), "C:\\Vantorima6\\VANTORIMA6.MDB");

    ASSERT_EQ(dialog.Requests().size(), 3u);
    for (const auto& request : dialog.Requests()) {
        EXPECT_EQ(request.filter, "File Dati (*.mdb)|*.mdb");
        EXPECT_EQ(request.filterIndex, 1);
    }
    EXPECT_EQ(dialog.Requests()[2].currentName, "C:\\Vantorima6\\VANTORIMA6.MDB");
    // Each opens in the folder of its box's file, or else in the archive folder.
    EXPECT_EQ(dialog.Requests()[0].initDir, "C:\\Vantorima7");
    EXPECT_EQ(dialog.Requests()[2].initDir, "C:\\Vantorima7");
    form.OnPickSourceClicked();
    EXPECT_EQ(dialog.Requests()[3].initDir, "C:\\Vantorima6");
    // Each pick ends in the program's own folder.
    EXPECT_EQ(fs::current_path(), fs::path(QCoreApplication::applicationDirPath().toStdString()));
    fs::current_path(before);

    // The real dialog answers with host paths: under the drives folder they show in drive form.
    dialog.Choose((drives.path() / "c" / "Vantorima6" / "VANTORIMA6.MDB").string());
    form.OnPickTargetClicked();
    EXPECT_EQ(Text(form.Controls().targetPathBox), "C:\\Vantorima6\\VANTORIMA6.MDB");
}

TEST_F(MainWindowTest, RunButtonClearsTheLogAndRunsToTheEnd) {
    LayOutArchive();
    fs::create_directories(drives.path() / "c" / "vantorima6");
    schema::BuildVersion6((drives.path() / "c" / "vantorima6" / "VANTORIMA6.MDB").string(), true);
    schema::BuildVersion7((drives.path() / "c" / "vantorima7" / "vantorima7.mdb").string());

    MainWindow form(engine);
    ASSERT_TRUE(form.Start());
    dialog.Choose("C:\\VANTORIMA6\\vantorima6.mdb");
    form.OnPickSourceClicked();
    boxes.Answer(ui::kYes);
    form.Controls().runButton->click();

    std::vector<std::string> log = Log(form);
    ASSERT_GT(log.size(), 10u);
    EXPECT_EQ(log.front(), "Controllo File Vantorima 6");
    EXPECT_EQ(log.back(), "PROCEDURA CONCLUSA CON SUCCESSO");
    EXPECT_EQ(form.Controls().logList->currentRow(), form.Controls().logList->count() - 1);
    const auto& c = form.Controls();
    for (QPushButton* button : {c.pickSourceButton, c.pickTargetButton, c.exitButton, c.runButton})
        EXPECT_TRUE(button->isEnabled());
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].title, "Attenzione");
    EXPECT_EQ(boxes.Requests()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(boxes.Requests()[0].defaultButton, ui::DefaultButton::Second);
}

TEST_F(MainWindowTest, ClicksQueuedDuringTheRunAreDropped) {
    LayOutDatabases();
    test_support::ClickedDuringTheRun form(engine);
    ASSERT_TRUE(form.Start());
    form.Controls().sourcePathBox->setText("C:\\VANTORIMA6\\vantorima6.mdb");
    boxes.Answer(ui::kYes);
    form.Controls().runButton->click();
    const std::vector<std::string> log = Log(form);
    QCoreApplication::processEvents();

    EXPECT_EQ(log.back(), "PROCEDURA CONCLUSA CON SUCCESSO");
    EXPECT_EQ(Log(form), log);
    EXPECT_EQ(boxes.Requests().size(), 1u);
    EXPECT_FALSE(form.Ended());
}

TEST_F(MainWindowTest, RunButtonWithoutAChoiceAsksForOneAndLeavesTheLogEmpty) {
    WriteDriveC("VanRete7.dat", "");
    MainWindow form(engine);
    ASSERT_TRUE(form.Start());
    form.Controls().runButton->click();
    EXPECT_TRUE(Log(form).empty());
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text, "Selezionare file di provenienza !");
    EXPECT_EQ(boxes.Requests()[0].title, "Attenzione");
}

TEST_F(MainWindowTest, ExitButtonEndsWithoutAQuestion) {
    LayOutArchive();
    MainWindow form(engine);
    ASSERT_TRUE(form.Start());
    form.show();
    form.Controls().exitButton->click();
    EXPECT_TRUE(form.Ended());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(boxes.Requests().empty());
}

} // namespace
