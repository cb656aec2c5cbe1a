#pragma once
// The messages of Utilita that only inform: the OK button under the
// program's title.
#include <string>

#include "ui/message_box.h"

class QWidget;

namespace utilita {

inline constexpr const char* kMessageTitle = "Linea Vantorima 7  - Utilità";

// The status line of a window idle, and while an operation runs.
inline constexpr const char* kWaiting = "In attesa...";
inline constexpr const char* kPleaseWait = "Attendere prego...";

void ShowNotice(QWidget* parent, const std::string& text, ui::Icon icon);

} // namespace utilita
