#include "app/main_window_layout.h"

#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace conversione_app {
namespace {

QPushButton* PictureButton(const QString& caption, QStyle::StandardPixmap picture, QWidget* parent) {
    auto* button = new QPushButton(parent->style()->standardIcon(picture), caption, parent);
    button->setIconSize(QSize(24, 24));
    button->setMinimumHeight(36);
    return button;
}

QLabel* Picture(QStyle::StandardPixmap picture, QWidget* parent) {
    auto* label = new QLabel(parent);
    // Themes often hold these pictures in small sizes only.
    label->setPixmap(parent->style()->standardIcon(picture).pixmap(40, 40).scaled(40, 40, Qt::KeepAspectRatio,
                                                                                   Qt::SmoothTransformation));
    return label;
}

QFrame* BuildBanner(MainWindowControls& c, QWidget* parent) {
    c.bannerPanel = new QFrame(parent);
    c.bannerPanel->setObjectName("SSPanel1");
    c.bannerPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c.bannerPanel->setLineWidth(2);
    c.bannerPanel->setAutoFillBackground(true);
    QPalette palette = c.bannerPanel->palette();
    palette.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x68));
    palette.setColor(QPalette::WindowText, Qt::white);
    c.bannerPanel->setPalette(palette);

    c.driveIcon = Picture(QStyle::SP_DriveHDIcon, c.bannerPanel);
    c.driveIcon->setObjectName("Image1");
    c.arrowIcon = Picture(QStyle::SP_ArrowForward, c.bannerPanel);
    c.arrowIcon->setObjectName("Image2");

    c.productLineLabel = new QLabel("Linea VANTORIMA 7", c.bannerPanel);
    c.productLineLabel->setObjectName("Label1_1");
    QFont title = c.productLineLabel->font();
    title.setPointSize(title.pointSize() + 8);
    title.setBold(true);
    c.productLineLabel->setFont(title);
    c.importTitleLabel = new QLabel("Importa dati Vantorima 6", c.bannerPanel);
    c.importTitleLabel->setObjectName("Label1_0");
    QFont subtitle = c.importTitleLabel->font();
    subtitle.setPointSize(subtitle.pointSize() + 3);
    subtitle.setItalic(true);
    c.importTitleLabel->setFont(subtitle);
    c.versionLabel = new QLabel("7.0.1", c.bannerPanel);
    c.versionLabel->setObjectName("Label2");
    c.versionLabel->setAlignment(Qt::AlignRight | Qt::AlignBottom);

    auto* texts = new QVBoxLayout;
    texts->addWidget(c.productLineLabel);
    texts->addWidget(c.importTitleLabel);
    auto* row = new QHBoxLayout(c.bannerPanel);
    row->setContentsMargins(12, 8, 12, 8);
    row->addWidget(c.driveIcon);
    row->addWidget(c.arrowIcon);
    row->addSpacing(8);
    row->addLayout(texts, 1);
    row->addWidget(c.versionLabel);
    return c.bannerPanel;
}

// One file's path box and pick button; index is the pair's platform index.
QHBoxLayout* FileRow(QLineEdit*& box, QPushButton*& button, const char* text, const char* caption, const char* index,
                     QWidget* parent) {
    box = new QLineEdit(text, parent);
    box->setObjectName(QString("Text1_") + index);
    button = PictureButton(caption, QStyle::SP_DialogOpenButton, parent);
    button->setObjectName(QString("bottone_") + index);
    button->setMinimumWidth(140);
    auto* row = new QHBoxLayout;
    row->addWidget(box, 1);
    row->addWidget(button);
    return row;
}

QGroupBox* BuildFileFrame(MainWindowControls& c, QWidget* parent) {
    c.filesFrame = new QGroupBox("Selezione archivi dei dati", parent);
    c.filesFrame->setObjectName("Frame1");
    auto* grid = new QVBoxLayout(c.filesFrame);
    grid->addLayout(FileRow(c.sourcePathBox, c.pickSourceButton, "Selezionare file di provenienza", "Vantorima 6",
                            "0", c.filesFrame));
    grid->addLayout(FileRow(c.targetPathBox, c.pickTargetButton, "Selezionare file di destinazione", "Vantorima 7",
                            "1", c.filesFrame));
    return c.filesFrame;
}

} // namespace

MainWindowControls BuildMainWindow(QMainWindow& window) {
    MainWindowControls c;
    auto* central = new QWidget(&window);
    auto* column = new QVBoxLayout(central);
    column->addWidget(BuildBanner(c, central));
    column->addWidget(BuildFileFrame(c, central));

    c.logList = new QListWidget(central);
    c.logList->setObjectName("List1");
    column->addWidget(c.logList, 1);

    c.runButton = PictureButton("&Esegui", QStyle::SP_MediaPlay, central);
    c.runButton->setObjectName("SSCommand1_3");
    c.exitButton = PictureButton("&Uscita", QStyle::SP_DialogCloseButton, central);
    c.exitButton->setObjectName("SSCommand1_2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(c.runButton);
    buttons->addWidget(c.exitButton);
    column->addLayout(buttons);

    window.setCentralWidget(central);
    window.setWindowTitle("Importazione Dati dalla versione 6.0.13");
    window.resize(640, 560);
    return c;
}

} // namespace conversione_app
