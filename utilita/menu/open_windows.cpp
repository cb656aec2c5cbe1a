// The windows the menu commands open: backup and restore and compaction
// modally, the print layouts modelessly. Each gets the program's context and
// engine.
#include "menu/main_window.h"

#include "backup/backup_window.h"
#include "compaction/compaction_window.h"
#include "print_layouts/print_layout_window.h"

namespace utilita {

void MainWindow::OpenBackupWindow(backup::Mode mode) {
    backup::BackupWindow window(context_, engine_, this);
    window.Prepare(mode);
    window.exec();
}

void MainWindow::OpenCompactionWindow() {
    compaction::CompactionWindow window(context_, engine_, this);
    window.exec();
}

void MainWindow::OpenPrintLayoutWindow() {
    // One window at a time: the command brings an open one forward. A closed
    // one is only waiting to be deleted.
    print::PrintLayoutWindow* window = nullptr;
    for (print::PrintLayoutWindow* open : findChildren<print::PrintLayoutWindow*>(QString(), Qt::FindDirectChildrenOnly))
        if (open->isVisible()) window = open;
    if (!window) {
        window = new print::PrintLayoutWindow(context_, engine_, this);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace utilita
