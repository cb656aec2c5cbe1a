#include "app/form1_layout.h"

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

QFrame* BuildBanner(Form1Controls& c, QWidget* parent) {
    c.SSPanel1 = new QFrame(parent);
    c.SSPanel1->setObjectName("SSPanel1");
    c.SSPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c.SSPanel1->setLineWidth(2);
    c.SSPanel1->setAutoFillBackground(true);
    QPalette palette = c.SSPanel1->palette();
    palette.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x68));
    palette.setColor(QPalette::WindowText, Qt::white);
    c.SSPanel1->setPalette(palette);

    c.Image1 = Picture(QStyle::SP_DriveHDIcon, c.SSPanel1);
    c.Image1->setObjectName("Image1");
    c.Image2 = Picture(QStyle::SP_ArrowForward, c.SSPanel1);
    c.Image2->setObjectName("Image2");

    c.Label1[1] = new QLabel("Linea VANTORIMA 7", c.SSPanel1);
    c.Label1[1]->setObjectName("Label1_1");
    QFont title = c.Label1[1]->font();
    title.setPointSize(title.pointSize() + 8);
    title.setBold(true);
    c.Label1[1]->setFont(title);
    c.Label1[0] = new QLabel("Importa dati Vantorima 6", c.SSPanel1);
    c.Label1[0]->setObjectName("Label1_0");
    QFont subtitle = c.Label1[0]->font();
    subtitle.setPointSize(subtitle.pointSize() + 3);
    subtitle.setItalic(true);
    c.Label1[0]->setFont(subtitle);
    c.Label2 = new QLabel("7.0.1", c.SSPanel1);
    c.Label2->setObjectName("Label2");
    c.Label2->setAlignment(Qt::AlignRight | Qt::AlignBottom);

    auto* texts = new QVBoxLayout;
    texts->addWidget(c.Label1[1]);
    texts->addWidget(c.Label1[0]);
    auto* row = new QHBoxLayout(c.SSPanel1);
    row->setContentsMargins(12, 8, 12, 8);
    row->addWidget(c.Image1);
    row->addWidget(c.Image2);
    row->addSpacing(8);
    row->addLayout(texts, 1);
    row->addWidget(c.Label2);
    return c.SSPanel1;
}

QGroupBox* BuildFileFrame(Form1Controls& c, QWidget* parent) {
    c.Frame1 = new QGroupBox("Selezione archivi dei dati", parent);
    c.Frame1->setObjectName("Frame1");
    auto* grid = new QVBoxLayout(c.Frame1);
    const char* texts[2] = {"Selezionare file di provenienza", "Selezionare file di destinazione"};
    const char* captions[2] = {"Vantorima 6", "Vantorima 7"};
    for (int i = 0; i < 2; ++i) {
        c.Text1[i] = new QLineEdit(texts[i], c.Frame1);
        c.Text1[i]->setObjectName(QString("Text1_%1").arg(i));
        c.bottone[i] = PictureButton(captions[i], QStyle::SP_DialogOpenButton, c.Frame1);
        c.bottone[i]->setObjectName(QString("bottone_%1").arg(i));
        c.bottone[i]->setMinimumWidth(140);
        auto* row = new QHBoxLayout;
        row->addWidget(c.Text1[i], 1);
        row->addWidget(c.bottone[i]);
        grid->addLayout(row);
    }
    return c.Frame1;
}

} // namespace

Form1Controls BuildForm1(QMainWindow& window) {
    Form1Controls c;
    auto* central = new QWidget(&window);
    auto* column = new QVBoxLayout(central);
    column->addWidget(BuildBanner(c, central));
    column->addWidget(BuildFileFrame(c, central));

    c.List1 = new QListWidget(central);
    c.List1->setObjectName("List1");
    column->addWidget(c.List1, 1);

    c.SSCommand1[3] = PictureButton("&Esegui", QStyle::SP_MediaPlay, central);
    c.SSCommand1[3]->setObjectName("SSCommand1_3");
    c.SSCommand1[2] = PictureButton("&Uscita", QStyle::SP_DialogCloseButton, central);
    c.SSCommand1[2]->setObjectName("SSCommand1_2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(c.SSCommand1[3]);
    buttons->addWidget(c.SSCommand1[2]);
    column->addLayout(buttons);

    window.setCentralWidget(central);
    window.setWindowTitle("Importazione Dati dalla versione 6.0.13");
    window.resize(640, 560);
    return c;
}

} // namespace conversione_app
