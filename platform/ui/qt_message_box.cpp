#include "ui/qt_message_box.h"

#include <QAbstractButton>
#include <QString>

namespace ui {

namespace {

QMessageBox::Icon QtIcon(Icon icon) {
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonPair {
    QMessageBox::StandardButton first;
    QMessageBox::StandardButton second;  // NoButton when there is one button
    QMessageBox::StandardButton third = QMessageBox::NoButton;
};

ButtonPair QtButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel: return {QMessageBox::Ok, QMessageBox::Cancel};
    case Buttons::YesNo: return {QMessageBox::Yes, QMessageBox::No};
    case Buttons::YesNoCancel: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case Buttons::Ok: break;
    }
    return {QMessageBox::Ok, QMessageBox::NoButton};
}

int CodeFor(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Ok: return kOk;
    case QMessageBox::Cancel: return kCancel;
    case QMessageBox::Yes: return kYes;
    case QMessageBox::No: return kNo;
    default: return 0;
    }
}

// Windows texts end their lines with CR LF; a lone CR would show as a glyph.
QString DisplayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

} // namespace

void ConfigureMessageBox(QMessageBox& box, const MessageRequest& request) {
    box.setWindowTitle(QString::fromStdString(request.title));
    // Plain text: folder names and messages must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayText(request.text));
    box.setIcon(QtIcon(request.icon));
    const ButtonPair pair = QtButtons(request.buttons);
    box.setStandardButtons(QMessageBox::StandardButtons(pair.first) | pair.second | pair.third);
    const bool second = request.defaultButton == DefaultButton::Second && pair.second != QMessageBox::NoButton;
    box.setDefaultButton(second ? pair.second : pair.first);
    // Escape (and the close box) means Cancel or No; a box with one button closes with it.
    const QMessageBox::StandardButton escape = pair.third != QMessageBox::NoButton    ? pair.third
                                               : pair.second != QMessageBox::NoButton ? pair.second
                                                                                      : pair.first;
    box.setEscapeButton(box.button(escape));
}

int AnswerFor(const QMessageBox& box, const MessageRequest& request) {
    if (QAbstractButton* clicked = box.clickedButton()) {
        const int code = CodeFor(box.standardButton(clicked));
        if (code != 0) return code;
    }
    const ButtonPair pair = QtButtons(request.buttons);
    if (pair.third != QMessageBox::NoButton) return CodeFor(pair.third);
    return CodeFor(pair.second != QMessageBox::NoButton ? pair.second : pair.first);
}

int QtMessageBoxes::Show(const MessageRequest& request, QWidget* parent) {
    QMessageBox box(parent);
    ConfigureMessageBox(box, request);
    box.exec();
    return AnswerFor(box, request);
}

} // namespace ui
