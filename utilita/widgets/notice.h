#pragma once
// The messages of Utilita that only inform: the OK button under the
// program's title.
#include <string>

#include "context/texts.h"
#include "ui/message_box.h"

class QWidget;

namespace utilita {

void ShowNotice(QWidget* parent, const std::string& text, ui::Icon icon);

} // namespace utilita
