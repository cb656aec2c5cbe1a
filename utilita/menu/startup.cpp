#include "menu/startup.h"

#include "context/app_context.h"
#include "menu/archive_folder.h"
#include "menu/messages.h"
#include "menu/user_file.h"
#include "widgets/notice.h"

namespace utilita {

StartupOutcome RunStartup(AppContext& context, const std::function<bool()>& otherInstanceRunning, QWidget* parent) {
    StartupOutcome outcome;

    if (otherInstanceRunning && otherInstanceRunning()) {
        ShowNotice(parent, kAlreadyRunning, ui::Icon::Critical);
        outcome.programEnded = true;
        return outcome;
    }

    // A missing printer is only a warning.
    if (!context.PrinterPresent()) ShowNotice(parent, kNoPrinter, ui::Icon::Information);

    ActiveUser user = ReadActiveUser();
    context.userNotEnabled = user.notEnabled;
    outcome.activeUserCaption = kActiveUserPrefix + user.name;

    // Other failures on the file pass silently: the marker test below decides.
    const FolderFile folderFile = ReadArchiveFolder(context.archiveFolder);
    if (folderFile == FolderFile::Missing) {
        ShowNotice(parent, kArchivePathMissing, ui::Icon::Information);
        outcome.programEnded = true;
        return outcome;
    }

    if (folderFile == FolderFile::NoPath || !ServerMarkerReachable(context.archiveFolder)) {
        ShowNotice(parent, UnreachableFolderMessage(context.archiveFolder), ui::Icon::Information);
        outcome.programEnded = true;
        return outcome;
    }
    return outcome;
}

} // namespace utilita
