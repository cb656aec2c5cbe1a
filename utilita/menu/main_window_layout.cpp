// The controls of the menu window and their captions.
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "menu/main_window.h"
#include "widgets/controls.h"

namespace utilita {

namespace {

// The menu's commands: caption and icon to the left, taller than a dialog's.
QPushButton* MakeCommand(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap pixmap) {
    return MakeButton(parent, name, caption, pixmap, ButtonLook{.minimumHeight = 40, .leftPadding = 10, .iconSize = 24});
}

// Heading, sub-heading and version between two pictures.
QFrame* MakeBanner(QWidget* parent) {
    auto* banner = new QFrame(parent);
    banner->setObjectName(QStringLiteral("SSPanel2"));
    banner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    banner->setLineWidth(2);
    QLabel* heading = MakeLabel(banner, "Label2(0)", QStringLiteral("Linea          Vantorima 7"));
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.6);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto* texts = new QVBoxLayout;
    texts->addWidget(heading);
    texts->addWidget(MakeLabel(banner, "Label2(1)",
                               QStringLiteral("Manutenzione archivi && impostazione moduli di stampa")));
    texts->addWidget(MakeLabel(banner, "Label1", QStringLiteral(" Vantorima 7.0.1")));
    auto* row = new QHBoxLayout(banner);
    row->addWidget(MakeImage(banner, "Image1", QStyle::SP_DirIcon, 32));
    row->addLayout(texts, 1);
    row->addWidget(MakeImage(banner, "Image2", QStyle::SP_FileIcon, 32));
    return banner;
}

QLabel* MakeOptionsCaption(QWidget* parent) {
    auto* caption = new QLabel(QStringLiteral("Opzioni"), parent);
    caption->setObjectName(QStringLiteral("SSPanel1"));
    caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
    caption->setAlignment(Qt::AlignCenter);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    return caption;
}

} // namespace

void MainWindow::BuildControls() {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Linea Vantorima 7  -  Programma di Utilità"));

    // Command area under its caption panel.
    backupButton = MakeCommand(this, "Command5", QStringLiteral("&Copia Archivi Dati"), QStyle::SP_DialogSaveButton);
    restoreButton =
        MakeCommand(this, "Command4", QStringLiteral("&Ripristino Archivi Dati"), QStyle::SP_BrowserReload);
    printLayoutsButton = MakeCommand(this, "Command3", QStringLiteral("&Imposta Moduli Stampa"),
                                     QStyle::SP_FileDialogDetailedView);
    compactionButton =
        MakeCommand(this, "Command2", QStringLiteral("Recupera e &Compatta"), QStyle::SP_DialogResetButton);
    exitButton = MakeCommand(this, "Command1(0)", QStringLiteral("&Uscita"), QStyle::SP_DialogCloseButton);
    auto* commands = new QVBoxLayout;
    commands->addWidget(MakeOptionsCaption(this));
    commands->addWidget(backupButton);
    commands->addWidget(restoreButton);
    commands->addWidget(printLayoutsButton);
    commands->addWidget(compactionButton);
    commands->addWidget(MakeLine(this, "Line3", QFrame::HLine));
    commands->addWidget(exitButton);

    auto* pictures = new QVBoxLayout;
    pictures->addStretch();
    pictures->addWidget(MakeImage(this, "Image3", QStyle::SP_DriveDVDIcon, 32));
    pictures->addWidget(MakeImage(this, "Image4", QStyle::SP_FileDialogContentsView, 32));
    pictures->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addLayout(pictures);
    middle->addWidget(MakeLine(this, "Line2", QFrame::VLine));
    middle->addLayout(commands, 1);

    activeUserLabel = MakeLabel(this, "Label3", QStringLiteral("L"));

    auto* window = new QVBoxLayout(this);
    window->addWidget(MakeBanner(this));
    window->addWidget(MakeLine(this, "Line1", QFrame::HLine));
    window->addLayout(middle, 1);
    window->addWidget(MakeLine(this, "Line4", QFrame::HLine));
    window->addWidget(activeUserLabel);
    resize(520, 420);
}

} // namespace utilita
