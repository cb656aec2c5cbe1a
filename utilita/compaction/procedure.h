#pragma once
// The compaction of the two databases of the archive folder, apart from its
// window: each database is compacted into a copy beside it, both databases
// are deleted, and the copies take their names. The window shows what the
// procedure asks for through CompactionView.
#include <string>

#include "compaction/outcome.h"
#include "ui/message_box.h"

namespace dao { class DBEngine; }

namespace utilita::compaction {

class CompactionView {
public:
    virtual ~CompactionView() = default;
    virtual void SetStatus(const std::string& text) = 0;
    virtual void SetHourglass(bool on) = 0;
    // Progress mark index, 0 to 2 (cec(index)).
    virtual void SetMark(int index, bool ticked) = 0;
    // One pass of the message loop, so that the window repaints.
    virtual void Yield() = 0;
    // A modal message with the OK button.
    virtual void ShowMessage(const std::string& text, ui::Icon icon, const std::string& title) = 0;
};

// Runs the whole procedure over the archive folder with engine. A failing step
// stops it: the message names the step and the error, the window is put back
// to idle, and the folder stays as the failed step leaves it (no rollback).
// While a run holds the folder a second one is refused without a trace.
Outcome RunCompaction(const std::string& archiveFolder, dao::DBEngine& engine, CompactionView& view);

} // namespace utilita::compaction
