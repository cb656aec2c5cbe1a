// The window as it opens, its arrangement, the kind buttons, and how the
// menu opens it.
#include <QApplication>
#include <QGroupBox>
#include <QScreen>

#include "menu/main_window.h"
#include "dbengine/engine.h"
#include "print_fixture.h"

namespace print_testing {
namespace {

using PrintLayoutWindow = PrintWindowTest;

QPoint TopLeftIn(QWidget* widget, QWidget* window) {
    return widget->mapTo(window, QPoint(0, 0));
}

// Where the Tab key goes from widget: the next widget in the focus chain
// that takes focus by tab.
QWidget* NextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    return next;
}

TEST_F(PrintLayoutWindow, OpensCentredWithNothingChosen) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Impostazione Moduli Personalizzati"));
    EXPECT_EQ(Box(0), QStringLiteral("NESSUNO"));
    EXPECT_EQ(Box(1), QStringLiteral("NESSUNO"));
    const std::pair<const char*, const char*> captions[] = {
        {"Command5", "&DDT"},          {"Command3", "&Fattura Vendita"}, {"Command4", "&Nota di Credito"},
        {"Command6", "&Preventivo"},   {"Command7", "Ordine &Acquisto"}, {"Command8", "Ordine &Vendita"},
        {"Command1", "Desi&gn"},       {"Command2", "&Stampa"},          {"Command9", "&Uscita"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Control<QPushButton>(name)->text(), QString::fromUtf8(caption)) << name;
        EXPECT_TRUE(Control<QPushButton>(name)->isEnabled()) << name;
    }
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form->x(), (screen.width() - form->width()) / 2);
    EXPECT_EQ(form->y(), (screen.height() - form->height()) / 2);
}

TEST_F(PrintLayoutWindow, KindsInAColumnCommandsBesideTheLastThreeBoxesBelow) {
    form->show();
    QWidget* w = form.get();
    const char* kinds[] = {"Command5", "Command3", "Command4", "Command6", "Command7", "Command8"};
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(TopLeftIn(Control<QWidget>(kinds[i]), w).x(), TopLeftIn(Control<QWidget>(kinds[0]), w).x());
        EXPECT_GT(TopLeftIn(Control<QWidget>(kinds[i]), w).y(), TopLeftIn(Control<QWidget>(kinds[i - 1]), w).y());
    }
    const char* commands[] = {"Command1", "Command2", "Command9"};
    for (int i = 0; i < 3; ++i) {
        const QPoint command = TopLeftIn(Control<QWidget>(commands[i]), w);
        const QPoint kind = TopLeftIn(Control<QWidget>(kinds[i + 3]), w);
        EXPECT_EQ(command.y(), kind.y()) << commands[i] << " level with " << kinds[i + 3];
        EXPECT_GT(command.x(), kind.x() + Control<QWidget>(kinds[i + 3])->width() - 1);
    }
    QWidget* frame = Control<QGroupBox>("Frame1");
    EXPECT_GT(TopLeftIn(frame, w).y(), TopLeftIn(Control<QWidget>("Command8"), w).y());
    EXPECT_EQ(Control<QLineEdit>("Text1(0)")->parentWidget(), frame);
    EXPECT_LT(TopLeftIn(Control<QWidget>("Text1(0)"), w).y(), TopLeftIn(Control<QWidget>("Text1(1)"), w).y());

    // Tab order: the kinds, the commands, then Text1(1) before Text1(0).
    const char* order[] = {"Command5", "Command3", "Command4", "Command6", "Command7", "Command8",
                           "Command1", "Command2", "Command9", "Text1(1)", "Text1(0)"};
    for (int i = 0; i + 1 < 11; ++i)
        EXPECT_EQ(NextTabStop(Control<QWidget>(order[i])), Control<QWidget>(order[i + 1])) << order[i];
}

TEST_F(PrintLayoutWindow, EachKindButtonWritesItsKindAndLayoutFile) {
    const char* rows[][3] = {
        {"Command3", "Fattura/Nota di Credito", "C:\\archivi\\Fattura.LST"},
        {"Command4", "Nota di Credito", "C:\\archivi\\NOTAC.LST"},
        {"Command5", "Documento di Trasporto", "C:\\archivi\\DDT.LST"},
        {"Command6", "Preventivo", "C:\\archivi\\PREVENTIVO.LST"},
        {"Command7", "Ordine di Acquisto", "C:\\archivi\\ORDIFOR.LST"},
        {"Command8", "Ordine di Vendita", "C:\\archivi\\ORDICLI.LST"},
    };
    for (const auto& row : rows) {
        SetBox(0, QStringLiteral("scritto a mano"));
        Click(row[0]);
        EXPECT_EQ(Box(0), QString::fromUtf8(row[1])) << row[0];
        EXPECT_EQ(Box(1), QString::fromUtf8(row[2])) << row[0];
    }
    // Nothing but the two boxes: no engine, no database, no message.
    EXPECT_TRUE(screens.offeredFiles.empty());
    EXPECT_TRUE(form->ReportEngine().Variables().Empty());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PrintLayoutWindow, TheMenuOpensOneModelessWindowThatUscitaCloses) {
    utilita::MainWindow menu(context, dao::DBEngine::Instance(), [] { return false; });
    menu.show();
    auto open = [&] { return menu.findChildren<utilita::print::PrintLayoutWindow*>(QString(), Qt::FindDirectChildrenOnly); };

    menu.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    ASSERT_EQ(open().size(), 1);
    utilita::print::PrintLayoutWindow* window = open().front();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(menu.cursor().shape(), Qt::ArrowCursor);

    window->findChild<QPushButton*>(QStringLiteral("Command6"))->click();
    menu.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    ASSERT_EQ(open().size(), 1) << "the open window is brought forward";
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("Text1(0)"))->text(), QStringLiteral("Preventivo"));

    window->findChild<QPushButton*>(QStringLiteral("Command9"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open().empty()) << "closing unloads the window";

    menu.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    ASSERT_EQ(open().size(), 1);
    EXPECT_EQ(open().front()->findChild<QLineEdit*>(QStringLiteral("Text1(0)"))->text(), QStringLiteral("NESSUNO"));
    EXPECT_TRUE(Messages().empty());
}

} // namespace
} // namespace print_testing
