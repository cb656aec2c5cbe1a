#include "ui/translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

bool InstallItalianTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);  // lives as long as the application
    if (!translator->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace ui
