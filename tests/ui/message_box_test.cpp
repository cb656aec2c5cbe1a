#include <gtest/gtest.h>

#include "support/scripted_message_boxes.h"

namespace {

using namespace ui;

TEST(ScriptedMessageBoxesTest, RecordsEveryRequestAsGiven) {
    ScriptedMessageBoxes boxes;
    ShowMessage(nullptr, "E' necessario impostare Percorso degli Archivi !", Buttons::OkCancel, Icon::Information,
                "Attenzione");
    ShowMessage(nullptr, "Confermi l'abbandono dell'applicazione ?", Buttons::YesNo, Icon::Question,
                "Linea Vantorima 7  - Utilità", DefaultButton::Second);
    ASSERT_EQ(boxes.Requests().size(), 2u);
    const MessageRequest& first = boxes.Requests()[0];
    EXPECT_EQ(first.text, "E' necessario impostare Percorso degli Archivi !");
    EXPECT_EQ(first.buttons, Buttons::OkCancel);
    EXPECT_EQ(first.icon, Icon::Information);
    EXPECT_EQ(first.defaultButton, DefaultButton::First);
    EXPECT_EQ(first.title, "Attenzione");
    const MessageRequest& second = boxes.Requests()[1];
    EXPECT_EQ(second.buttons, Buttons::YesNo);
    EXPECT_EQ(second.icon, Icon::Question);
    EXPECT_EQ(second.defaultButton, DefaultButton::Second);
    EXPECT_EQ(second.title, "Linea Vantorima 7  - Utilità");
}

TEST(ScriptedMessageBoxesTest, AnswersFromScriptThenWithDefaultButton) {
    ScriptedMessageBoxes boxes;
    boxes.Answer(kYes);
    boxes.Answer(kCancel);
    EXPECT_EQ(ShowMessage(nullptr, "a", Buttons::YesNo, Icon::Question, "t", DefaultButton::Second), kYes);
    EXPECT_EQ(ShowMessage(nullptr, "b", Buttons::OkCancel, Icon::Information, "t"), kCancel);
    // Script used up: the default button answers.
    EXPECT_EQ(ShowMessage(nullptr, "c", Buttons::YesNo, Icon::Question, "t", DefaultButton::Second), kNo);
    EXPECT_EQ(ShowMessage(nullptr, "d", Buttons::YesNo, Icon::Question, "t"), kYes);
    EXPECT_EQ(ShowMessage(nullptr, "e", Buttons::OkCancel, Icon::None, "t", DefaultButton::Second), kCancel);
    EXPECT_EQ(ShowMessage(nullptr, "f", Buttons::Ok, Icon::Critical, "t", DefaultButton::Second), kOk);
}

TEST(ScriptedMessageBoxesTest, InstallsForItsLifetimeAndPutsBackThePrevious) {
    MessageBoxes* qtBoxes = &CurrentMessageBoxes();
    EXPECT_NE(dynamic_cast<QtMessageBoxes*>(qtBoxes), nullptr);
    {
        ScriptedMessageBoxes outer;
        {
            ScriptedMessageBoxes inner;
            EXPECT_EQ(&CurrentMessageBoxes(), &inner);
            ShowMessage(nullptr, "x", Buttons::Ok, Icon::None, "t");
            EXPECT_EQ(inner.Requests().size(), 1u);
        }
        EXPECT_EQ(&CurrentMessageBoxes(), &outer);
        EXPECT_TRUE(outer.Requests().empty());
    }
    EXPECT_EQ(&CurrentMessageBoxes(), qtBoxes);
}

} // namespace
