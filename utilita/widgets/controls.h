#pragma once
// A label caption shown the way the captions are written: "&&" is one
// ampersand, a single "&" marks an access key and is not shown. (QLabel shows
// ampersands literally unless it has a buddy.)
#include <QString>

namespace utilita {

QString LabelText(const QString& caption);

} // namespace utilita
