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
#include "widgets/notice.h"

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

void CompactionWindow::BuildControls() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));

    // The marks inside the panel, beside its picture.
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("SSPanel2"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    QLabel* picture = MakeImage(panel, "Image1", QStyle::SP_DriveHDIcon, 48);
    progressMarks[0] = MakeMark(panel, "cec(0)", QStringLiteral("Recupera Vantorima7.MDB && Vantorima7A.MDB"));
    progressMarks[1] = MakeMark(panel, "cec(1)", QStringLiteral("Compatta Vantorima7.MDB && Vantorima7A.MDB"));
    progressMarks[2] = MakeMark(panel, "cec(2)", QStringLiteral("Allineamento indici nei files di archivio"));
    auto* marks = new QVBoxLayout;
    for (QCheckBox* mark : progressMarks) marks->addWidget(mark);
    auto* panelRow = new QHBoxLayout(panel);
    panelRow->addWidget(picture, 0, Qt::AlignTop);
    panelRow->addSpacing(8);
    panelRow->addLayout(marks, 1);

    statusLabel = MakeLabel(this, "Label2(0)", QString::fromUtf8(kWaiting));
    statusLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    statusLabel->setMargin(2);

    compactButton = MakeButton(this, "Command2", QStringLiteral("Recupera e &Compatta"), QStyle::SP_DialogResetButton);
    exitButton = MakeButton(this, "Command1(0)", QStringLiteral("&Uscita"), QStyle::SP_DialogCloseButton);
    auto* commands = new QHBoxLayout;
    commands->addWidget(compactButton);
    commands->addStretch();
    commands->addWidget(exitButton);

    auto* window = new QVBoxLayout(this);
    window->addWidget(panel, 1);
    window->addWidget(statusLabel);
    window->addLayout(commands);
    resize(440, 220);
}

} // namespace utilita::compaction
