// The controls of the menu window and their captions.
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "widgets/controls.h"
#include "menu/main_window.h"

namespace utilita {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(LabelText(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFrame* MakeLine(QWidget* parent, const char* name, QFrame::Shape shape) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* MakeImage(QWidget* parent, const char* name, QStyle::StandardPixmap pixmap) {
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setPixmap(parent->style()->standardIcon(pixmap).pixmap(32, 32));
    return image;
}

QPushButton* MakeCommand(QWidget* parent, const char* name, const QString& caption,
                         QStyle::StandardPixmap pixmap) {
    auto* button = new QPushButton(parent->style()->standardIcon(pixmap), caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIconSize(QSize(24, 24));
    button->setMinimumHeight(40);
    button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 10px;"));
    return button;
}

} // namespace

void MainForm::BuildControls() {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Linea Vantorima 7  -  Programma di Utilità"));

    // Banner: heading, sub-heading and version between two pictures.
    auto* SSPanel2 = new QFrame(this);
    SSPanel2->setObjectName(QStringLiteral("SSPanel2"));
    SSPanel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SSPanel2->setLineWidth(2);
    Label2[0] = MakeLabel(SSPanel2, "Label2(0)", QStringLiteral("Linea          Vantorima 7"));
    QFont heading = Label2[0]->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.6);
    heading.setBold(true);
    Label2[0]->setFont(heading);
    Label2[1] = MakeLabel(SSPanel2, "Label2(1)",
                          QStringLiteral("Manutenzione archivi && impostazione moduli di stampa"));
    Label1 = MakeLabel(SSPanel2, "Label1", QStringLiteral(" Vantorima 7.0.1"));
    auto* bannerText = new QVBoxLayout;
    bannerText->addWidget(Label2[0]);
    bannerText->addWidget(Label2[1]);
    bannerText->addWidget(Label1);
    auto* banner = new QHBoxLayout(SSPanel2);
    banner->addWidget(MakeImage(SSPanel2, "Image1", QStyle::SP_DirIcon));
    banner->addLayout(bannerText, 1);
    banner->addWidget(MakeImage(SSPanel2, "Image2", QStyle::SP_FileIcon));

    // Command area under its caption panel.
    SSPanel1 = new QLabel(QStringLiteral("Opzioni"), this);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SSPanel1->setAlignment(Qt::AlignCenter);
    QFont panelFont = SSPanel1->font();
    panelFont.setBold(true);
    SSPanel1->setFont(panelFont);
    Command5 = MakeCommand(this, "Command5", QStringLiteral("&Copia Archivi Dati"), QStyle::SP_DialogSaveButton);
    Command4 = MakeCommand(this, "Command4", QStringLiteral("&Ripristino Archivi Dati"), QStyle::SP_BrowserReload);
    Command3 = MakeCommand(this, "Command3", QStringLiteral("&Imposta Moduli Stampa"),
                           QStyle::SP_FileDialogDetailedView);
    Command2 = MakeCommand(this, "Command2", QStringLiteral("Recupera e &Compatta"), QStyle::SP_DialogResetButton);
    Command1[0] = MakeCommand(this, "Command1(0)", QStringLiteral("&Uscita"), QStyle::SP_DialogCloseButton);
    auto* commands = new QVBoxLayout;
    commands->addWidget(SSPanel1);
    commands->addWidget(Command5);
    commands->addWidget(Command4);
    commands->addWidget(Command3);
    commands->addWidget(Command2);
    commands->addWidget(MakeLine(this, "Line3", QFrame::HLine));
    commands->addWidget(Command1[0]);

    auto* pictures = new QVBoxLayout;
    pictures->addStretch();
    pictures->addWidget(MakeImage(this, "Image3", QStyle::SP_DriveDVDIcon));
    pictures->addWidget(MakeImage(this, "Image4", QStyle::SP_FileDialogContentsView));
    pictures->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addLayout(pictures);
    middle->addWidget(MakeLine(this, "Line2", QFrame::VLine));
    middle->addLayout(commands, 1);

    Label3 = MakeLabel(this, "Label3", QStringLiteral("L"));

    auto* window = new QVBoxLayout(this);
    window->addWidget(SSPanel2);
    window->addWidget(MakeLine(this, "Line1", QFrame::HLine));
    window->addLayout(middle, 1);
    window->addWidget(MakeLine(this, "Line4", QFrame::HLine));
    window->addWidget(Label3);
    resize(520, 420);
}

} // namespace utilita
