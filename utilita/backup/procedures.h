#pragma once
// The backup and the restore of the archive folder's database, apart from
// their window: the window shows what they ask for through BackupView.
#include <string>

namespace dao { class DBEngine; }
namespace zipcomp { class ZipComponent; }

namespace utilita::backup {

class BackupView {
public:
    virtual ~BackupView() = default;
    // A modal message with the OK button.
    virtual void ShowInfo(const std::string& text) = 0;
    // The status line, shown at once (the operation runs before the next paint).
    virtual void SetStatus(const char* text) = 0;
    virtual void SetHourglass(bool on) = 0;
};

// What an operation works on: the archive folder's database, the drive box's
// text that names where the archive lies, and the zip component.
struct BackupPlace {
    const std::string& archiveFolder;
    const std::string& drive;
    zipcomp::ZipComponent& zip;
};

// Copies the database into the archive, then tests the archive. Every failure
// is told with its number; the view is back to idle however it ends.
void RunBackup(const BackupPlace& place, dao::DBEngine& engine, BackupView& view);

// Brings the database back from the archive, only as a whole, checked
// version-7 database and while no other program has it open.
void RunRestore(const BackupPlace& place, dao::DBEngine& engine, BackupView& view);

} // namespace utilita::backup
