// The windows the menu commands open: backup and restore and compaction
// modally, the print layouts modelessly.
#include "menu/main_window.h"

#include "app/backup_form.h"
#include "app/compaction_form.h"
#include "app/print_layout_form.h"

namespace utilita {

void MainForm::OpenBackupWindow(bool restore) {
    backup::Form1 form(this);
    form.Prepare(restore ? backup::Mode::Restore : backup::Mode::Backup);
    form.exec();
}

void MainForm::OpenCompactionWindow() {
    compaction::Form2 form(this);
    form.exec();
}

void MainForm::OpenPrintLayoutWindow() {
    // One window at a time: the command brings an open one forward. A closed
    // one is only waiting to be deleted.
    print::laform* window = nullptr;
    for (print::laform* open : findChildren<print::laform*>(QString(), Qt::FindDirectChildrenOnly))
        if (open->isVisible()) window = open;
    if (!window) {
        window = new print::laform(this);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace utilita
