// Start-up of the menu window: user file, configuration file, marker file,
// printer and single instance, in their order.
#include <optional>
#include <string>

#include <QLabel>

#include "support/recording_menu.h"
#include "utilita/utilita_fixture.h"
#include "winfs/files.h"

namespace {

using testing_support::RecordingMenu;

const char* const kTitle = "Linea Vantorima 7  - Utilità";

class utilita_startup : public testing_support::UtilitaFixture {
protected:
    static QString UserCaption(RecordingMenu& form) {
        return form.findChild<QLabel*>(QStringLiteral("Label3"))->text();
    }

    void ExpectOnly(const std::string& text, ui::Icon icon) {
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].text, text);
        EXPECT_EQ(Messages()[0].buttons, ui::Buttons::Ok);
        EXPECT_EQ(Messages()[0].icon, icon);
        EXPECT_EQ(Messages()[0].title, kTitle);
    }
};

TEST_F(utilita_startup, ActiveUserAndRightsComeFromFourValuesOfTheUserFile) {
    struct Case {
        const char* what;
        std::optional<std::string> content;   // nullopt: no user file
        const char* caption;
        bool notEnabled;
    };
    const Case cases[] = {
        {"missing", std::nullopt, "Utente attivo : AMMINISTRATORE", false},
        {"empty", "", "Utente attivo : AMMINISTRATORE", false},
        {"name only", "ROSSI\r\n", "Utente attivo : AMMINISTRATORE", false},
        {"two values", "ROSSI,1\r\n", "Utente attivo : AMMINISTRATORE", false},
        {"three values, flag missing", "ROSSI,1,2\r\n", "Utente attivo : AMMINISTRATORE", false},
        {"flag S", "ROSSI,1,2,S\r\n", "Utente attivo : ROSSI", true},
        {"flag s", "ROSSI,1,2,s\r\n", "Utente attivo : ROSSI", false},
        {"flag empty", "\"ROSSI\",\"1\",\"2\",\"\"\r\n", "Utente attivo : ROSSI", false},
        {"flag other", "ROSSI,1,2,N\r\n", "Utente attivo : ROSSI", false},
        {"quoted values", "\"BIANCHI, ANNA\",\"1\",\"2\",\"S\"\r\n", "Utente attivo : BIANCHI, ANNA", true},
        {"one value a line", "VERDI\r\n1\r\n2\r\nS\r\n", "Utente attivo : VERDI", true},
        {"more than four", "NERI,1,2,S,X,Y\r\n", "Utente attivo : NERI", true},
    };
    drives.LayOutArchive();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.content) drives.Write("c/VanRete7Ute.dat", *c.content);
        else drives.Remove("c/VanRete7Ute.dat");
        context.userNotEnabled = !c.notEnabled;   // must be set either way
        RecordingMenu form(context);
        EXPECT_TRUE(form.Load());
        EXPECT_EQ(UserCaption(form).toStdString(), c.caption);
        EXPECT_EQ(context.userNotEnabled, c.notEnabled);
    }
    EXPECT_TRUE(Messages().empty()) << "a bad user file is never reported";
}

TEST_F(utilita_startup, ArchiveFolderIsTheWholeFirstLineOfTheConfigurationFile) {
    drives.Write("c/VanRete7.dat", "C:\\Archivi Ditta\\v7\r\nD:\\altro\r\n");
    drives.Write("c/archivi ditta/v7/VanReteAB.dat", "");
    RecordingMenu form(context);
    EXPECT_TRUE(form.Load());
    EXPECT_EQ(context.archiveFolder, "C:\\Archivi Ditta\\v7");
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(form.ProgramEnded());
}

TEST_F(utilita_startup, MissingConfigurationFileEndsWithoutTheExitQuestion) {
    for (bool driveMissing : {false, true}) {
        SCOPED_TRACE(driveMissing ? "no drive C folder (76)" : "no file (53)");
        if (driveMissing) drives.Remove("c");
        ResetMessages();
        RecordingMenu form(context);
        EXPECT_FALSE(form.Load());
        ExpectOnly("E' necessario impostare Percorso degli Archivi !", ui::Icon::Information);
        EXPECT_TRUE(form.ProgramEnded());
        EXPECT_FALSE(form.isVisible());
        EXPECT_TRUE(form.opened.empty());
    }
}

TEST_F(utilita_startup, EmptyOrUnreadableConfigurationFileLeavesTheDecisionToTheMarker) {
    const std::string unreachable = "Collegamento mancante con il Server di dati \r\n"
                                    " \r\n"
                                    "Accendere il PC se si tratta di Unità di Rete\r\n"
                                    "e/o comunque reimpostare il percorso archivi\r\n"
                                    "dall'apposito programma accessorio.\r\n";
    for (bool emptyFile : {true, false}) {
        SCOPED_TRACE(emptyFile ? "empty file" : "a folder in place of the file");
        drives.Remove("c/VanRete7.dat");
        if (emptyFile) drives.Write("c/VanRete7.dat", "");
        else std::filesystem::create_directories(drives.path() / "c" / "VanRete7.dat");

        // Marker looked for at the root of drive C: absent, then present.
        drives.Remove("c/VanReteAB.dat");
        {
            ResetMessages();
            RecordingMenu form(context);
            EXPECT_FALSE(form.Load());
            ExpectOnly(unreachable, ui::Icon::Information);
            EXPECT_TRUE(form.ProgramEnded());
        }
        drives.Write("c/VanReteAB.dat", "");
        {
            ResetMessages();
            RecordingMenu form(context);
            EXPECT_TRUE(form.Load());
            EXPECT_TRUE(Messages().empty());
            EXPECT_EQ(context.archiveFolder, "");
        }
    }
}

TEST_F(utilita_startup, UnreachableArchiveFolderShowsTheFolderAndEnds) {
    drives.Write("c/VanRete7.dat", "\\\\server\\archivi\r\n");
    RecordingMenu form(context);
    EXPECT_FALSE(form.Load());
    ExpectOnly("Collegamento mancante con il Server di dati \r\n"
               " \\\\server\\archivi\r\n"
               "Accendere il PC se si tratta di Unità di Rete\r\n"
               "e/o comunque reimpostare il percorso archivi\r\n"
               "dall'apposito programma accessorio.\r\n",
               ui::Icon::Information);
    EXPECT_TRUE(form.ProgramEnded());

    // The same folder once the share is there.
    drives.Write("unc/server/archivi/VanReteAB.dat", "");
    RecordingMenu again(context);
    EXPECT_TRUE(again.Load());
}

// A first line past the read limit names no folder, even where its start
// would lead to a marker ("C:" and "\\." again and again is drive C's root);
// the message shows the start and the end of it, not 4 KB.
TEST_F(utilita_startup, AFirstLinePastTheReadLimitIsAnUnreachableFolderShownShort) {
    std::string line = "C:";
    while (line.size() < (10u << 20)) line += "\\.";
    drives.Write("c/VanRete7.dat", line + "\r\n");
    drives.Write("c/VanReteAB.dat", "");
    RecordingMenu form(context);
    EXPECT_FALSE(form.Load());
    EXPECT_TRUE(form.ProgramEnded());
    EXPECT_EQ(context.archiveFolder.size(), winfs::kTextReadLimit);
    ASSERT_EQ(Messages().size(), 1u);
    const std::string shown = " " + context.archiveFolder.substr(0, 48) + "..." +
                              context.archiveFolder.substr(context.archiveFolder.size() - 49) + "\r\n";
    EXPECT_EQ(Messages()[0].text, "Collegamento mancante con il Server di dati \r\n" + shown +
                                      "Accendere il PC se si tratta di Unità di Rete\r\n"
                                      "e/o comunque reimpostare il percorso archivi\r\n"
                                      "dall'apposito programma accessorio.\r\n");
}

TEST_F(utilita_startup, NoPrinterIsOnlyAWarningBeforeTheOtherChecks) {
    printerPresent = false;
    {
        drives.LayOutArchive();
        RecordingMenu form(context);
        EXPECT_TRUE(form.Load());
        ExpectOnly("Nessuna stampante presente nel sistema !", ui::Icon::Information);
        EXPECT_FALSE(form.ProgramEnded());
    }
    drives.Remove("c/VanRete7.dat");
    RecordingMenu form(context);
    EXPECT_FALSE(form.Load());
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[1].text, "Nessuna stampante presente nel sistema !");
    EXPECT_EQ(Messages()[2].text, "E' necessario impostare Percorso degli Archivi !");
}

TEST_F(utilita_startup, SecondInstanceEndsFirstAndChecksNothingElse) {
    printerPresent = false;
    drives.Write("c/VanRete7Ute.dat", "ROSSI,1,2,S\r\n");
    RecordingMenu form(context, [] { return true; });
    EXPECT_FALSE(form.Load());
    ExpectOnly("Utilità Vantorima 7 è già in esecuzione !", ui::Icon::Critical);
    EXPECT_TRUE(form.ProgramEnded());
    EXPECT_EQ(UserCaption(form), QStringLiteral("L"));
    EXPECT_FALSE(context.userNotEnabled);
}

} // namespace
