#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "support/qt_application.h"
#include "ui/message_box.h"
#include "ui/qt_message_box.h"
#include "ui/translations.h"

namespace {

using namespace ui;

class QtMessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::EnsureQtApplication(); }

    static MessageRequest Request(Buttons buttons, Icon icon, DefaultButton def = DefaultButton::First) {
        MessageRequest r;
        r.text = "Collegamento mancante con il Server di dati \r\n C:\\Arch\r\n";
        r.buttons = buttons;
        r.icon = icon;
        r.defaultButton = def;
        r.title = "Attenzione";
        return r;
    }
};

TEST_F(QtMessageBoxTest, ShowsTitleAndPlainTextWithLineBreaks) {
    QMessageBox box;
    MessageRequest r = Request(Buttons::Ok, Icon::Information);
    r.text = "<b>C:\\Arch</b>\r\nriga due";
    ConfigureMessageBox(box, r);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Attenzione"));
    EXPECT_EQ(box.text(), QStringLiteral("<b>C:\\Arch</b>\nriga due"));
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.icon(), QMessageBox::Information);
}

TEST_F(QtMessageBoxTest, ButtonSetsAndDefaultButton) {
    QMessageBox ok;
    ConfigureMessageBox(ok, Request(Buttons::Ok, Icon::Information, DefaultButton::Second));
    EXPECT_EQ(ok.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(static_cast<QAbstractButton*>(ok.defaultButton()), ok.button(QMessageBox::Ok));

    QMessageBox okCancel;
    ConfigureMessageBox(okCancel, Request(Buttons::OkCancel, Icon::Information));
    EXPECT_EQ(okCancel.standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(static_cast<QAbstractButton*>(okCancel.defaultButton()), okCancel.button(QMessageBox::Ok));
    EXPECT_EQ(okCancel.escapeButton(), okCancel.button(QMessageBox::Cancel));

    QMessageBox yesNo;
    ConfigureMessageBox(yesNo, Request(Buttons::YesNo, Icon::Question, DefaultButton::Second));
    EXPECT_EQ(yesNo.standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(yesNo.icon(), QMessageBox::Question);
    EXPECT_EQ(static_cast<QAbstractButton*>(yesNo.defaultButton()), yesNo.button(QMessageBox::No));
    EXPECT_EQ(yesNo.escapeButton(), yesNo.button(QMessageBox::No));
}

TEST_F(QtMessageBoxTest, AnswerCodesFollowTheButtonPressed) {
    const MessageRequest yesNo = Request(Buttons::YesNo, Icon::Question, DefaultButton::Second);
    for (auto [button, code] : {std::pair{QMessageBox::Yes, 6}, std::pair{QMessageBox::No, 7}}) {
        QMessageBox box;
        ConfigureMessageBox(box, yesNo);
        box.button(button)->click();
        EXPECT_EQ(AnswerFor(box, yesNo), code);
    }
    const MessageRequest okCancel = Request(Buttons::OkCancel, Icon::Information);
    for (auto [button, code] : {std::pair{QMessageBox::Ok, 1}, std::pair{QMessageBox::Cancel, 2}}) {
        QMessageBox box;
        ConfigureMessageBox(box, okCancel);
        box.button(button)->click();
        EXPECT_EQ(AnswerFor(box, okCancel), code);
    }
    // Closed without a button: the escape answer.
    QMessageBox closed;
    ConfigureMessageBox(closed, yesNo);
    EXPECT_EQ(AnswerFor(closed, yesNo), kNo);
    const MessageRequest ok = Request(Buttons::Ok, Icon::Information);
    EXPECT_EQ(AnswerFor(closed, ok), kOk);
}

TEST_F(QtMessageBoxTest, ItalianTranslationGivesSiAndNo) {
    if (!InstallItalianTranslations(testing_support::EnsureQtApplication())) GTEST_SKIP() << "qtbase_it.qm is not installed";
    QMessageBox box;
    ConfigureMessageBox(box, Request(Buttons::YesNo, Icon::Question));
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sì"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("No"));
    QMessageBox okCancel;
    ConfigureMessageBox(okCancel, Request(Buttons::OkCancel, Icon::Information));
    EXPECT_EQ(okCancel.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Annulla"));
}

} // namespace
