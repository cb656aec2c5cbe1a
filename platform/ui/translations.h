#pragma once
// Qt's own Italian texts (standard buttons "Sì"/"No", dialog captions).
class QApplication;

namespace ui {

// Loads qtbase_it.qm from Qt's translations folder and installs it on the
// application; false when the file is missing (Qt then speaks English).
bool InstallItalianTranslations(QApplication& app);

} // namespace ui
