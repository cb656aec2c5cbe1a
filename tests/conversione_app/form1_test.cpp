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

#include "app/form1.h"
#include "support/temp_dir.h"
#include "tools/schema_loader.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"

namespace {

namespace fs = std::filesystem;

QApplication& App() {
    static int argc = 1;
    static char name[] = "conversione_app_tests";
    static char* argv[] = {name, nullptr};
    // Kept to the end of the process: Qt's input devices go with it at exit.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

std::vector<std::string> Log(const Form1& form) {
    std::vector<std::string> lines;
    for (int i = 0; i < form.Controls().List1->count(); ++i)
        lines.push_back(form.Controls().List1->item(i)->text().toStdString());
    return lines;
}

// A drives folder of its own; drive C holds what each test writes there.
class Form1Test : public ::testing::Test {
protected:
    Form1Test() {
        App();
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

TEST_F(Form1Test, ShowsEveryCaptionOfTheWindow) {
    Form1 form(engine);
    const auto& c = form.Controls();
    EXPECT_EQ(form.windowTitle().toStdString(), "Importazione Dati dalla versione 6.0.13");
    EXPECT_EQ(c.Frame1->title().toStdString(), "Selezione archivi dei dati");
    EXPECT_EQ(Text(c.Text1[0]), "Selezionare file di provenienza");
    EXPECT_EQ(Text(c.Text1[1]), "Selezionare file di destinazione");
    EXPECT_EQ(c.bottone[0]->text().toStdString(), "Vantorima 6");
    EXPECT_EQ(c.bottone[1]->text().toStdString(), "Vantorima 7");
    EXPECT_EQ(c.SSCommand1[3]->text().toStdString(), "&Esegui");
    EXPECT_EQ(c.SSCommand1[2]->text().toStdString(), "&Uscita");
    EXPECT_EQ(c.Label1[1]->text().toStdString(), "Linea VANTORIMA 7");
    EXPECT_EQ(c.Label1[0]->text().toStdString(), "Importa dati Vantorima 6");
    EXPECT_EQ(c.Label2->text().toStdString(), "7.0.1");
    EXPECT_EQ(c.List1->count(), 0);
}

TEST_F(Form1Test, StartsOnTheArchiveFolderOfTheConfigurationFile) {
    LayOutArchive();
    Form1 form(engine);
    EXPECT_TRUE(form.Form_Load());
    EXPECT_FALSE(form.Ended());
    EXPECT_EQ(form.ArchiveFolder(), "C:\\Vantorima7");
    EXPECT_EQ(Text(form.Controls().Text1[1]), "C:\\Vantorima7\\vantorima7.mdb");
    EXPECT_EQ(Log(form), (std::vector<std::string>{"Procedura in attesa..."}));
    EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(Form1Test, AMissingConfigurationFileEndsTheProgramWhateverTheAnswer) {
    for (int answer : {ui::kOk, ui::kCancel}) {
        boxes.Answer(answer);
        Form1 form(engine);
        EXPECT_FALSE(form.Form_Load());
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
    Form1 form(engine);
    EXPECT_FALSE(form.Form_Load());
    EXPECT_EQ(boxes.Requests().size(), 3u);
}

TEST_F(Form1Test, AnEmptyConfigurationFileLeavesTheWindowOpenWithoutDefaultTarget) {
    WriteDriveC("VanRete7.dat", "");
    Form1 form(engine);
    EXPECT_TRUE(form.Form_Load());
    EXPECT_FALSE(form.Ended());
    EXPECT_EQ(Text(form.Controls().Text1[1]), "Selezionare file di destinazione");
    EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(Form1Test, AnUnreachableArchiveFolderEndsTheProgramWithTheFiveLineMessage) {
    WriteDriveC("VanRete7.dat", "\\\\server\\archivi\r\n");
    Form1 form(engine);
    EXPECT_FALSE(form.Form_Load());
    EXPECT_TRUE(form.Ended());
    EXPECT_EQ(Text(form.Controls().Text1[1]), "\\\\server\\archivi\\vantorima7.mdb");
    ASSERT_EQ(boxes.Requests().size(), 1u);
    const ui::MessageRequest& r = boxes.Requests()[0];
    EXPECT_EQ(r.text, "Collegamento mancante con il Server di dati \r\n \\\\server\\archivi\r\n"
                      "Accendere il PC se si tratta di Unità di Rete\r\ne/o comunque reimpostare il percorso archivi\r\n"
                      "dall'apposito programma accessorio.\r\n");
    EXPECT_EQ(r.buttons, ui::Buttons::Ok);
    EXPECT_EQ(r.icon, ui::Icon::Information);
    EXPECT_EQ(r.title, "Attenzione");
}

TEST_F(Form1Test, TheFirstLineIsJoinedAsItStands) {
    // A trailing backslash doubles; the folder is still found.
    WriteDriveC("VanRete7.dat", "C:\\Vantorima7\\\r\n");
    WriteDriveC("vantorima7/VanReteAB.dat", "");
    {
        Form1 form(engine);
        EXPECT_TRUE(form.Form_Load());
        EXPECT_EQ(Text(form.Controls().Text1[1]), "C:\\Vantorima7\\\\vantorima7.mdb");
    }
    // An empty first line: the root of drive C, where no marker lies.
    WriteDriveC("VanRete7.dat", "\r\nC:\\Vantorima7\r\n");
    Form1 form(engine);
    EXPECT_FALSE(form.Form_Load());
    EXPECT_EQ(Text(form.Controls().Text1[1]), "\\vantorima7.mdb");
    ASSERT_EQ(boxes.Requests().size(), 1u);
    const std::string opening = "Collegamento mancante con il Server di dati \r\n \r\n";
    EXPECT_EQ(boxes.Requests()[0].text.substr(0, opening.size()), opening);
}

TEST_F(Form1Test, PicksGoThroughOneDialogThatKeepsItsLastName) {
    LayOutArchive();
    Form1 form(engine);
    ASSERT_TRUE(form.Form_Load());
    const fs::path before = fs::current_path();
    fs::current_path(fs::temp_directory_path());   // wherever the user left it

    dialog.Cancel();   // the very first pick cancelled: an empty name
    form.bottone_Click(0);
    EXPECT_EQ(Text(form.Controls().Text1[0]), "");

    dialog.Choose("C:\\Vantorima6\\VANTORIMA6.MDB");
    form.bottone_Click(0);
    dialog.Cancel();   // the target pick cancelled copies the source name
    form.bottone_Click(1);
    EXPECT_EQ(Text(form.Controls().Text1[0]), "C:\\Vantorima6\\VANTORIMA6.MDB");
    EXPECT_EQ(Text(form.Controls().Text1[1]), "C:\\Vantorima6\\VANTORIMA6.MDB");

    ASSERT_EQ(dialog.Requests().size(), 3u);
    for (const auto& request : dialog.Requests()) {
        EXPECT_EQ(request.filter, "File Dati (*.mdb)|*.mdb");
        EXPECT_EQ(request.filterIndex, 1);
    }
    EXPECT_EQ(dialog.Requests()[2].currentName, "C:\\Vantorima6\\VANTORIMA6.MDB");
    // Each pick ends in the program's own folder.
    EXPECT_EQ(fs::current_path(), fs::path(QCoreApplication::applicationDirPath().toStdString()));
    fs::current_path(before);

    form.bottone_Click(5);   // no such button: the dialog shows, no box changes
    EXPECT_EQ(Text(form.Controls().Text1[1]), "C:\\Vantorima6\\VANTORIMA6.MDB");
}

TEST_F(Form1Test, RunButtonClearsTheLogAndRunsToTheEnd) {
    LayOutDatabases();

    Form1 form(engine);
    ASSERT_TRUE(form.Form_Load());
    dialog.Choose("C:\\VANTORIMA6\\vantorima6.mdb");
    form.bottone_Click(0);
    boxes.Answer(ui::kYes);
    form.Controls().SSCommand1[3]->click();

    std::vector<std::string> log = Log(form);
    ASSERT_GT(log.size(), 10u);
    EXPECT_EQ(log.front(), "Controllo File Vantorima 6");
    EXPECT_EQ(log.back(), "PROCEDURA CONCLUSA CON SUCCESSO");
    EXPECT_EQ(form.Controls().List1->currentRow(), form.Controls().List1->count() - 1);
    for (QPushButton* button : {form.Controls().bottone[0], form.Controls().bottone[1], form.Controls().SSCommand1[2],
                                form.Controls().SSCommand1[3]})
        EXPECT_TRUE(button->isEnabled());
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].title, "Attenzione");
    EXPECT_EQ(boxes.Requests()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(boxes.Requests()[0].defaultButton, ui::DefaultButton::Second);
}

// Clicks on "Esegui" and "Uscita" made while the run holds the program (here,
// as its last line is written) wait in the queue; they must not act once the
// buttons come back.
class ClickedDuringTheRun : public Form1 {
public:
    using Form1::Form1;
    void AppendLog(const std::string& line) override {
        Form1::AppendLog(line);
        if (line.rfind("PROCEDURA", 0) != 0) return;
        for (QPushButton* button : {Controls().SSCommand1[3], Controls().SSCommand1[2]}) {
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(button, new QMouseEvent(type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                                                    Qt::LeftButton, Qt::NoModifier));
        }
    }
};

TEST_F(Form1Test, ClicksQueuedDuringTheRunAreDropped) {
    LayOutDatabases();
    ClickedDuringTheRun form(engine);
    ASSERT_TRUE(form.Form_Load());
    form.Controls().Text1[0]->setText("C:\\VANTORIMA6\\vantorima6.mdb");
    boxes.Answer(ui::kYes);
    form.Controls().SSCommand1[3]->click();
    const std::vector<std::string> log = Log(form);
    QCoreApplication::processEvents();

    EXPECT_EQ(log.back(), "PROCEDURA CONCLUSA CON SUCCESSO");
    EXPECT_EQ(Log(form), log);
    EXPECT_EQ(boxes.Requests().size(), 1u);
    EXPECT_FALSE(form.Ended());
}

TEST_F(Form1Test, RunButtonWithoutAChoiceAsksForOneAndLeavesTheLogEmpty) {
    WriteDriveC("VanRete7.dat", "");
    Form1 form(engine);
    ASSERT_TRUE(form.Form_Load());
    form.Controls().SSCommand1[3]->click();
    EXPECT_TRUE(Log(form).empty());
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text, "Selezionare file di provenienza !");
    EXPECT_EQ(boxes.Requests()[0].title, "Attenzione");
}

TEST_F(Form1Test, ExitButtonEndsWithoutAQuestion) {
    LayOutArchive();
    Form1 form(engine);
    ASSERT_TRUE(form.Form_Load());
    form.show();
    form.Controls().SSCommand1[2]->click();
    EXPECT_TRUE(form.Ended());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(boxes.Requests().empty());
}

} // namespace
