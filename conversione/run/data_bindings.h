#pragma once
// The run's two data controls, bound to the files named in the window, and the
// side bound last, so that a missing file or table can be told apart.
#include <string>

#include "dbengine/data_control.h"
#include "dbengine/engine.h"

namespace conversione {

// Which database was being bound when an error rose: the run driver names
// the file (version 6 or 7) in its log line by it.
enum class BindingSide { None, Source, Target };

class DataBindings {
public:
    // The source control only reads the version-6 file: opened so that
    // nothing, not even a journal left by a crash, is ever written to it.
    explicit DataBindings(dao::DBEngine& engine);

    // Source := the file and the table, Refresh.
    void BindSource(const std::string& fileName, const std::string& table);
    // Source.Refresh again (back on the first row).
    void RebindSource();
    // Target := the file and the table, Refresh.
    void BindTarget(const std::string& fileName, const std::string& table);
    // The target file is being opened without a data control (the emptying).
    void NoteTargetOpening() { side_ = BindingSide::Target; }
    // A new run: no side bound yet.
    void ForgetSide() { side_ = BindingSide::None; }

    BindingSide Side() const { return side_; }
    dao::Recordset& SourceRows() { return source_.GetRecordset(); }
    dao::Recordset& TargetRows() { return target_.GetRecordset(); }
    const dao::DataControl& Source() const { return source_; }   // version 6
    const dao::DataControl& Target() const { return target_; }   // version 7

private:
    dao::DataControl source_;
    dao::DataControl target_;
    BindingSide side_ = BindingSide::None;
};

} // namespace conversione
