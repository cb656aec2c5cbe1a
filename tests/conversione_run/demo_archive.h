#pragma once
// A demo-sized archive for whole runs: VANTORIMA6.MDB with the demo rows and a
// fresh vantorima7.mdb, a recording window answering Yes, and helpers to
// change either file and to prove the version-6 file was never written.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dbengine/engine.h"
#include "run/conversion_session.h"
#include "support/recording_view.h"
#include "support/temp_dir.h"

namespace run_testing {

// The bytes and modification time of a file.
struct FileStamp {
    std::string bytes;
    std::filesystem::file_time_type modified;
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::string& file);

class DemoArchive {
public:
    explicit DemoArchive(bool demoRows = true);

    // Clears the log (as the run button does) and runs the driver.
    void Run();

    void ExecuteSource(const std::string& statement);
    void ExecuteTarget(const std::string& statement);
    // Rows of a table (after committing everything pending).
    int CountRows(const std::string& file, const std::string& table);

    testing_support::TempDir dir;
    std::string source;
    std::string target;
    dao::DBEngine engine;
    testing_support::RecordingView view;
    std::unique_ptr<conversione::ConversionSession> session;
};

// The driver's lines before the first converter of a confirmed run.
std::vector<std::string> OpeningLines();

// The whole log of a confirmed run on the demo archive, line by line.
const std::vector<std::string>& DemoRunLog();

} // namespace run_testing
