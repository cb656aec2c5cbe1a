#include <gtest/gtest.h>

#include "support/scripted_file_dialog.h"

namespace {

using namespace ui;

class CommonDialogTest : public ::testing::Test {
protected:
    CommonDialogTest() {
        dialog.SetFilter("File Dati (*.mdb)|*.mdb");
        dialog.SetFilterIndex(1);
    }
    ScriptedFileDialog script;
    CommonDialog dialog;
};

TEST_F(CommonDialogTest, ChoiceBecomesTheFileName) {
    script.Choose("/dati/c/Vantorima6/VANTORIMA6.MDB");
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName(), "/dati/c/Vantorima6/VANTORIMA6.MDB");
    ASSERT_EQ(script.Requests().size(), 1u);
    EXPECT_EQ(script.Requests()[0].filter, "File Dati (*.mdb)|*.mdb");
    EXPECT_EQ(script.Requests()[0].filterIndex, 1);
    EXPECT_EQ(script.Requests()[0].currentName, "");
}

TEST_F(CommonDialogTest, FirstCancelLeavesEmptyName) {
    script.Cancel();
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName(), "");
}

TEST_F(CommonDialogTest, NameKeptBetweenUsesAndUnchangedOnCancel) {
    script.Choose("/dati/v6.mdb");
    script.Cancel();
    script.Choose("/dati/v7.mdb");
    dialog.ShowOpen();
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName(), "/dati/v6.mdb");
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName(), "/dati/v7.mdb");
    ASSERT_EQ(script.Requests().size(), 3u);
    EXPECT_EQ(script.Requests()[1].currentName, "/dati/v6.mdb");
    EXPECT_EQ(script.Requests()[2].currentName, "/dati/v6.mdb");
}

TEST_F(CommonDialogTest, EmptyScriptCancels) {
    dialog.SetFileName("/dati/v7.mdb");
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName(), "/dati/v7.mdb");
}

TEST(ScriptedFileDialogTest, InstallsForItsLifetimeAndPutsBackThePrevious) {
    FileDialogBackend* qtBackend = &CurrentFileDialogBackend();
    EXPECT_NE(dynamic_cast<QtFileDialogBackend*>(qtBackend), nullptr);
    {
        ScriptedFileDialog outer;
        {
            ScriptedFileDialog inner;
            EXPECT_EQ(&CurrentFileDialogBackend(), &inner);
        }
        EXPECT_EQ(&CurrentFileDialogBackend(), &outer);
    }
    EXPECT_EQ(&CurrentFileDialogBackend(), qtBackend);
}

} // namespace
