// The controls of the backup and restore window with their design-time texts.
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSizePolicy>
#include <QStyle>
#include <QVBoxLayout>

#include "backup/drive_box.h"
#include "backup/backup_window.h"
#include "backup/messages.h"
#include "widgets/controls.h"

namespace utilita::backup {

void Form1::BuildControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));

    // Heading beside its picture.
    QLabel* Image1 = MakeImage(this, "Image1", QStyle::SP_DriveFDIcon, 48);
    Label4[0] = MakeLabel(this, "Label4(0)", QStringLiteral("Copia sicurezza "));
    Label4[1] = MakeLabel(this, "Label4(1)", QStringLiteral("Archivi "));
    QFont heading = Label4[0]->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    heading.setBold(true);
    Label4[0]->setFont(heading);
    Label4[1]->setFont(heading);
    auto* headingText = new QVBoxLayout;
    headingText->addWidget(Label4[0]);
    headingText->addWidget(Label4[1]);
    auto* top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addLayout(headingText, 1);

    QFrame* Line1 = MakeLine(this, "Line1", QFrame::HLine);

    // Drive and file boxes.
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label3[1] = MakeLabel(Frame1, "Label3(1)", QStringLiteral("Effettua la copia in :"));
    Text2 = new DriveBox(QStringLiteral("A"), Frame1);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMaximumWidth(60);
    Label2[2] = MakeLabel(Frame1, "Label2(2)", QStringLiteral("File di backup"));
    Text1[1] = new QLineEdit(QStringLiteral("V7BACKUP.ZIP"), Frame1);
    Text1[1]->setObjectName(QStringLiteral("Text1(1)"));
    Text1[1]->setReadOnly(true);
    auto* boxes = new QGridLayout(Frame1);
    boxes->addWidget(Label3[1], 0, 0);
    boxes->addWidget(Text2, 0, 1, Qt::AlignLeft);
    boxes->addWidget(Label2[2], 1, 0);
    boxes->addWidget(Text1[1], 1, 1);
    boxes->setColumnStretch(1, 1);

    Check1[2] = MakeCheck(this, "Check1(2)", QStringLiteral("Test a fine copia"));
    Check1[1] = MakeCheck(this, "Check1(1)", QString::fromUtf8("Copia su più dischi"));
    auto* checks = new QHBoxLayout;
    checks->addWidget(Check1[2]);
    checks->addWidget(Check1[1]);
    checks->addStretch();

    Command5 = MakeButton(this, "Command5", QStringLiteral("&Copia Dati"), QStyle::SP_DialogSaveButton);
    Command4 = MakeButton(this, "Command4", QStringLiteral("&Ripristino Dati"), QStyle::SP_BrowserReload);
    Command1[0] = MakeButton(this, "Command1(0)", QStringLiteral("&Uscita"), QStyle::SP_DialogCloseButton);
    auto* commands = new QHBoxLayout;
    commands->addWidget(Command5);
    commands->addWidget(Command4);
    commands->addStretch();
    commands->addWidget(Command1[0]);

    Label1 = MakeLabel(this, "Label1", QString::fromUtf8(kWaiting));
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    // The operation buttons lie outside what the user sees: neither the mouse
    // nor their access keys reach them.
    const char* operationNames[3] = {"bottone(0)", "bottone(1)", "bottone(2)"};
    const char* operationCaptions[3] = {"&Avvia la copia", "&Chiudi", "&Ripristino archivi"};
    for (int i = 0; i < 3; ++i) {
        bottone[i] = MakeButton(this, operationNames[i], QString::fromUtf8(operationCaptions[i]),
                                QStyle::SP_CommandLink);
        bottone[i]->hide();
    }

    auto* window = new QVBoxLayout(this);
    window->addLayout(top);
    window->addWidget(Line1);
    window->addWidget(Frame1);
    window->addLayout(checks);
    window->addStretch(1);
    window->addLayout(commands);
    window->addWidget(Label1);
    resize(440, 320);
}

} // namespace utilita::backup
