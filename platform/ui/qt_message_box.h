#pragma once
// How a message request becomes a QMessageBox, apart from showing it.
#include <QMessageBox>

#include "ui/message_box.h"

namespace ui {

// Sets title, plain text (CR LF shown as line breaks), icon, standard buttons,
// default and escape button.
void ConfigureMessageBox(QMessageBox& box, const MessageRequest& request);

// The answer code for the button pressed (nullptr: the box was closed
// otherwise, which counts as its escape button).
int AnswerFor(const QMessageBox& box, const MessageRequest& request);

} // namespace ui
