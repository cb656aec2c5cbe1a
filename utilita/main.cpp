#include <QApplication>

#include "context/app_context.h"
#include "dbengine/engine.h"
#include "desktop/single_instance.h"
#include "menu/main_window.h"
#include "ui/engine_wait.h"
#include "ui/translations.h"
#include "winfs/paths.h"

int main(int argc, char** argv) {
    winfs::MakeDrivesFolderAbsolute();
    QApplication app(argc, argv);
    ui::InstallItalianTranslations(app);
    ui::PaintWindowsWhileTheEngineWaits();

    // Lives as long as the program: it holds the single-instance lock.
    desktop::SingleInstance instance("utilita");
    utilita::AppContext context;
    utilita::MainWindow window(context, dao::DBEngine::Instance(),
                               [&instance] { return instance.OtherInstanceRunning(); });
    if (!window.Load()) return 0;
    window.show();
    return app.exec();
}
