// The windows the menu commands open: backup and restore and compaction
// modally, the print layouts modelessly.
#include "app/main_form.h"

#include "app/backup_form.h"
#include "app/compaction_form.h"

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

void MainForm::OpenPrintLayoutWindow() {}

} // namespace utilita
