// The menu: captions, the rights gate, the windows the commands open under the
// hourglass, and the exit question on every way of closing.
#include <string>
#include <vector>

#include <QLabel>

#include "support/recording_menu.h"
#include "utilita/utilita_fixture.h"

namespace {

using testing_support::RecordingMenu;

const char* const kTitle = "Linea Vantorima 7  - Utilità";

class utilita_menu : public testing_support::UtilitaFixture {
protected:
    void SetUp() override {
        UtilitaFixture::SetUp();
        drives.LayOutArchive();
    }

    std::vector<std::string> OpenedWindows(const RecordingMenu& form) {
        std::vector<std::string> names;
        for (const auto& o : form.opened) names.push_back(o.window);
        return names;
    }
};

TEST_F(utilita_menu, ShowsItsCaptionsAsWritten) {
    RecordingMenu form(context);
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Linea Vantorima 7  -  Programma di Utilità"));
    EXPECT_EQ(form.Button("Command5")->text(), QStringLiteral("&Copia Archivi Dati"));
    EXPECT_EQ(form.Button("Command4")->text(), QStringLiteral("&Ripristino Archivi Dati"));
    EXPECT_EQ(form.Button("Command3")->text(), QStringLiteral("&Imposta Moduli Stampa"));
    EXPECT_EQ(form.Button("Command2")->text(), QStringLiteral("Recupera e &Compatta"));
    EXPECT_EQ(form.Button("Command1(0)")->text(), QStringLiteral("&Uscita"));
    auto label = [&](const char* name) { return form.findChild<QLabel*>(QString::fromLatin1(name))->text(); };
    EXPECT_EQ(label("SSPanel1"), QStringLiteral("Opzioni"));
    EXPECT_EQ(label("Label1"), QStringLiteral(" Vantorima 7.0.1"));
    EXPECT_EQ(label("Label2(0)"), QStringLiteral("Linea          Vantorima 7"));
    EXPECT_EQ(label("Label2(1)"), QStringLiteral("Manutenzione archivi & impostazione moduli di stampa"));
    EXPECT_EQ(label("Label3"), QStringLiteral("Utente attivo : AMMINISTRATORE"));
}

TEST_F(utilita_menu, EnabledUserOpensEveryWindowUnderTheHourglass) {
    RecordingMenu form(context);
    ASSERT_TRUE(form.Load());
    form.show();
    for (const char* command : {"Command5", "Command4", "Command3", "Command2"}) form.Click(command);

    EXPECT_EQ(OpenedWindows(form), (std::vector<std::string>{"backup", "restore", "layouts", "compaction"}));
    for (const auto& o : form.opened) EXPECT_EQ(o.pointer, Qt::WaitCursor) << o.window;
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor) << "the default pointer is back";
    EXPECT_TRUE(Messages().empty());
}

TEST_F(utilita_menu, UserNotEnabledIsRefusedRestoreLayoutsAndCompactionButNotBackup) {
    drives.Write("c/VanRete7Ute.dat", "ROSSI,1,2,S\r\n");
    RecordingMenu form(context);
    ASSERT_TRUE(form.Load());
    form.show();
    for (const char* command : {"Command4", "Command3", "Command2"}) form.Click(command);
    ASSERT_EQ(Messages().size(), 3u);
    for (const auto& m : Messages()) {
        EXPECT_EQ(m.text, "Utente non abilitato !");
        EXPECT_EQ(m.title, "Attenzione");
        EXPECT_EQ(m.buttons, ui::Buttons::Ok);
        EXPECT_EQ(m.icon, ui::Icon::Information);
    }
    EXPECT_TRUE(form.opened.empty());
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);

    form.Click("Command5");
    EXPECT_EQ(OpenedWindows(form), std::vector<std::string>{"backup"});
    EXPECT_EQ(Messages().size(), 3u);
}

TEST_F(utilita_menu, ExitQuestionNoKeepsTheMenuYesEndsTheProgram) {
    RecordingMenu form(context);
    ASSERT_TRUE(form.Load());
    form.show();

    Boxes().Answer(ui::kNo);
    form.Click("Command1(0)");
    ASSERT_EQ(Messages().size(), 1u);
    const ui::MessageRequest& question = Messages()[0];
    EXPECT_EQ(question.text, "Confermi l'abbandono dell'applicazione ?");
    EXPECT_EQ(question.buttons, ui::Buttons::YesNo);
    EXPECT_EQ(question.icon, ui::Icon::Question);
    EXPECT_EQ(question.defaultButton, ui::DefaultButton::Second);
    EXPECT_EQ(question.title, kTitle);
    EXPECT_EQ(context.lastAnswer, ui::kNo);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.ProgramEnded());

    // The close box goes the same way.
    Boxes().Answer(ui::kNo);
    EXPECT_FALSE(form.close());
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_TRUE(form.isVisible());

    // The menu still works after a No.
    form.Click("Command5");
    EXPECT_EQ(OpenedWindows(form), std::vector<std::string>{"backup"});

    Boxes().Answer(ui::kYes);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(Messages().size(), 3u);
    EXPECT_EQ(context.lastAnswer, ui::kYes);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.ProgramEnded());
}

} // namespace
