#include "widgets/notice.h"

namespace utilita {

void ShowNotice(QWidget* parent, const std::string& text, ui::Icon icon) {
    ui::ShowMessage(parent, text, ui::Buttons::Ok, icon, kMessageTitle);
}

} // namespace utilita
