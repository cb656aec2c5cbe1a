#include "widgets/controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace utilita {

QString LabelText(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(LabelText(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* MakeImage(QWidget* parent, const char* name, QStyle::StandardPixmap pixmap, int size) {
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setPixmap(parent->style()->standardIcon(pixmap).pixmap(size, size));
    return image;
}

QFrame* MakeLine(QWidget* parent, const char* name, QFrame::Shape shape) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap pixmap,
                        const ButtonLook& look) {
    auto* button = new QPushButton(parent->style()->standardIcon(pixmap), caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setMinimumHeight(look.minimumHeight);
    if (look.iconSize > 0) button->setIconSize(QSize(look.iconSize, look.iconSize));
    if (look.leftPadding >= 0)
        button->setStyleSheet(QStringLiteral("text-align: left; padding-left: %1px;").arg(look.leftPadding));
    return button;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromLatin1(name));
    check->setChecked(true);
    return check;
}

} // namespace utilita
