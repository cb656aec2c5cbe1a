// Conversione: imports a version-6 archive into version 7.
#include <QApplication>

#include "app/main_window.h"
#include "ui/engine_wait.h"
#include "ui/translations.h"
#include "winfs/paths.h"

int main(int argc, char** argv) {
    winfs::MakeDrivesFolderAbsolute();
    QApplication app(argc, argv);
    ui::InstallItalianTranslations(app);
    ui::PaintWindowsWhileTheEngineWaits();
    MainWindow window(dao::DBEngine::Instance());
    if (!window.Start()) return 0;
    window.show();
    return app.exec();
}
