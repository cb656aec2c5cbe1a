// The controls of the compaction window with their design-time texts.
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "compaction/compaction_window.h"
#include "compaction/messages.h"
#include "widgets/controls.h"

namespace utilita::compaction {

namespace {

// A progress mark: the program ticks and clears it, the user cannot.
QCheckBox* MakeMark(QWidget* parent, const char* name, const QString& caption) {
    auto* mark = new QCheckBox(caption, parent);
    mark->setObjectName(QString::fromLatin1(name));
    mark->setFocusPolicy(Qt::NoFocus);
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    return mark;
}

} // namespace

void Form2::BuildControls() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));

    // The marks inside the panel, beside its picture.
    auto* SSPanel2 = new QFrame(this);
    SSPanel2->setObjectName(QStringLiteral("SSPanel2"));
    SSPanel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SSPanel2->setLineWidth(2);
    QLabel* Image1 = MakeImage(SSPanel2, "Image1", QStyle::SP_DriveHDIcon, 48);
    cec[0] = MakeMark(SSPanel2, "cec(0)", QStringLiteral("Recupera Vantorima7.MDB && Vantorima7A.MDB"));
    cec[1] = MakeMark(SSPanel2, "cec(1)", QStringLiteral("Compatta Vantorima7.MDB && Vantorima7A.MDB"));
    cec[2] = MakeMark(SSPanel2, "cec(2)", QStringLiteral("Allineamento indici nei files di archivio"));
    auto* marks = new QVBoxLayout;
    for (QCheckBox* mark : cec) marks->addWidget(mark);
    auto* panel = new QHBoxLayout(SSPanel2);
    panel->addWidget(Image1, 0, Qt::AlignTop);
    panel->addSpacing(8);
    panel->addLayout(marks, 1);

    Label2[0] = MakeLabel(this, "Label2(0)", QString::fromUtf8(kWaiting));
    Label2[0]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label2[0]->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    Label2[0]->setMargin(2);

    Command2 = MakeButton(this, "Command2", QStringLiteral("Recupera e &Compatta"), QStyle::SP_DialogResetButton);
    Command1[0] = MakeButton(this, "Command1(0)", QStringLiteral("&Uscita"), QStyle::SP_DialogCloseButton);
    auto* commands = new QHBoxLayout;
    commands->addWidget(Command2);
    commands->addStretch();
    commands->addWidget(Command1[0]);

    auto* window = new QVBoxLayout(this);
    window->addWidget(SSPanel2, 1);
    window->addWidget(Label2[0]);
    window->addLayout(commands);
    resize(440, 220);
}

} // namespace utilita::compaction
