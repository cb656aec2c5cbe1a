#include "menu/startup.h"

#include "menu/archive_folder.h"
#include "menu/messages.h"
#include "context/app_context.h"
#include "menu/user_file.h"
#include "ui/message_box.h"

namespace utilita {

namespace {

void Tell(QWidget* parent, const std::string& text, ui::Icon icon) {
    ui::ShowMessage(parent, text, ui::Buttons::Ok, icon, kMessageTitle);
}

} // namespace

StartupOutcome RunStartup(const std::function<bool()>& otherInstanceRunning, QWidget* parent) {
    StartupOutcome outcome;

    if (otherInstanceRunning && otherInstanceRunning()) {
        Tell(parent, kAlreadyRunning, ui::Icon::Critical);
        outcome.programEnded = true;
        return outcome;
    }

    // A missing printer is only a warning.
    if (!PrinterPresent()) Tell(parent, kNoPrinter, ui::Icon::Information);

    ActiveUser user = ReadActiveUser();
    UserNotEnabled = user.notEnabled;
    outcome.activeUserCaption = kActiveUserPrefix + user.name;

    // Other failures on the file pass silently: the marker test below decides.
    if (ReadArchiveFolder(ArchiveFolder) == FolderFile::Missing) {
        Tell(parent, kArchivePathMissing, ui::Icon::Information);
        outcome.programEnded = true;
        return outcome;
    }

    if (!ServerMarkerReachable(ArchiveFolder)) {
        Tell(parent, UnreachableFolderMessage(ArchiveFolder), ui::Icon::Information);
        outcome.programEnded = true;
        return outcome;
    }
    return outcome;
}

} // namespace utilita
