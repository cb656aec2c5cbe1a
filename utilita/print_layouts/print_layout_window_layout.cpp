// The controls of the print-layout window: the six kind buttons in a column
// on the left, the commands in a second column level with the last three of
// them, the frame with the two boxes below.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "print_layouts/print_layout_window.h"
#include "print_layouts/kinds.h"
#include "print_layouts/messages.h"
#include "widgets/controls.h"

namespace utilita::print {

namespace {

// The window's buttons: caption and icon to the left, lower than a dialog's.
QPushButton* MakeCommand(QWidget* parent, const char* name, const char* caption, QStyle::StandardPixmap pixmap) {
    return MakeButton(parent, name, QString::fromUtf8(caption), pixmap,
                      ButtonLook{.minimumHeight = 30, .leftPadding = 8});
}

QLineEdit* MakeBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(QString::fromLatin1(kNoKind), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// Index in the kind table of each button, top to bottom.
constexpr int kColumnOrder[6] = {2, 0, 1, 3, 4, 5};   // DDT, Fattura, Nota, Preventivo, Acquisto, Vendita

} // namespace

void PrintLayoutWindow::BuildControls() {
    setObjectName(QStringLiteral("laform"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));

    for (std::size_t i = 0; i < DocumentKinds().size(); ++i) {
        const DocumentKind& kind = DocumentKinds()[i];
        kindButtons[i] = MakeCommand(this, kind.button, kind.caption, QStyle::SP_FileIcon);
    }
    designButton = MakeCommand(this, "Command1", "Desi&gn", QStyle::SP_FileDialogDetailedView);
    printButton = MakeCommand(this, "Command2", "&Stampa", QStyle::SP_DialogSaveButton);
    exitButton = MakeCommand(this, "Command9", "&Uscita", QStyle::SP_DialogCloseButton);

    picture = MakeImage(this, "Image1", QStyle::SP_FileDialogContentsView, 48);
    picture->setAlignment(Qt::AlignCenter);

    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(16);
    for (int row = 0; row < 6; ++row) buttons->addWidget(kindButtons[kColumnOrder[row]], row, 0);
    buttons->addWidget(picture, 0, 1, 3, 1);
    buttons->addWidget(designButton, 3, 1);
    buttons->addWidget(printButton, 4, 1);
    buttons->addWidget(exitButton, 5, 1);
    buttons->setColumnStretch(0, 1);
    buttons->setColumnStretch(1, 1);

    boxesFrame = new QGroupBox(this);
    boxesFrame->setObjectName(QStringLiteral("Frame1"));
    kindBox = MakeBox(boxesFrame, "Text1(0)");
    layoutFileBox = MakeBox(boxesFrame, "Text1(1)");
    auto* boxes = new QVBoxLayout(boxesFrame);
    boxes->addWidget(kindBox);
    boxes->addWidget(layoutFileBox);

    auto* window = new QVBoxLayout(this);
    window->addLayout(buttons);
    window->addWidget(boxesFrame);
    // 5985 twips wide at 15 twips to the pixel, and as high as the controls need.
    window->setSizeConstraint(QLayout::SetFixedSize);
    boxesFrame->setMinimumWidth(399 - window->contentsMargins().left() - window->contentsMargins().right());

    QWidget* order[] = {kindButtons[2], kindButtons[0], kindButtons[1], kindButtons[3], kindButtons[4],
                        kindButtons[5], designButton, printButton, exitButton, layoutFileBox, kindBox};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
    adjustSize();
}

} // namespace utilita::print
