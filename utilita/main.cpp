#include <QApplication>

#include "menu/main_window.h"
#include "desktop/single_instance.h"
#include "ui/translations.h"
#include "winfs/paths.h"

int main(int argc, char** argv) {
    winfs::MakeDrivesFolderAbsolute();
    QApplication app(argc, argv);
    ui::InstallItalianTranslations(app);

    // Lives as long as the program: it holds the single-instance lock.
    desktop::SingleInstance instance("utilita");
    utilita::MainForm form([&instance] { return instance.OtherInstanceRunning(); });
    if (!form.Load()) return 0;
    form.show();
    return app.exec();
}
