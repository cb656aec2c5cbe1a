// The engine's hold on its Access reader: only answers keep a reader alive,
// the reader's bounds come from a size truly read, and no reader outlives the
// program that started it.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "dbengine/access/reader_stream.h"
#include "dbengine/access/reader_supervisor.h"
#include "dbengine/engine.h"
#include "engine_fixture.h"
#include "support/jet_files.h"
#include "support/process_state.h"
#include "support/stand_in_reader.h"
#include "support/temp_dir.h"

namespace {

using testing_support::JetFile;
using testing_support::Eventually;
using testing_support::RealAccessReader;

class ReaderSupervision : public ::testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT_JET_FILES(); }
    void TearDown() override { unsetenv("VANTORIMA_ACCESS_READER_TIMEOUT"); }
    testing_support::TempDir dir;
};

// A reader that writes warning after warning and no answer is ended at the
// watchdog; had its warnings kept it alive, it would answer once its flood
// stops (30 s on, far past the watchdog). Of its warnings, eight are passed on.
TEST_F(ReaderSupervision, AReaderThatOnlyWarnsIsEndedAtTheWatchdog) {
    const testing_support::StandInReader standIn(
        dir.file("reader.sh"), "sleep 30 & flood=$!\ni=0\nwhile kill -0 $flood 2>/dev/null; do i=$((i+1)); "
                               "echo \"mdb_col_to_string called on unsupported data type $i\" >&2; done\nexec " +
                                   RealAccessReader().string() + " \"$1\"");
    setenv("VANTORIMA_ACCESS_READER_TIMEOUT", "0.5", 1);
    testing::internal::CaptureStderr();
    const int number = dbtest::ErrorOf([] { dao::DBEngine().OpenDatabase(JetFile("DateTestDatabase.mdb")); });
    std::istringstream passedOn(testing::internal::GetCapturedStderr());
    EXPECT_EQ(number, 3343);
    int warnings = 0;
    std::string line, last;
    while (std::getline(passedOn, line))
        if (line.find("unsupported data type") != std::string::npos) ++warnings, last = line;
        else if (line.find("more warnings") != std::string::npos) last = line;
    EXPECT_EQ(warnings, 8);
    EXPECT_NE(last.find("more warnings"), std::string::npos) << last;
}

// A file whose size cannot be read is not asked: the reader's bounds would
// come from no size (here a stand-in that would answer anyway).
TEST_F(ReaderSupervision, AFileWhoseSizeCannotBeReadIsNotAsked) {
    using namespace dao::reader_stream;
    std::string table;
    AppendU8(table, kHeader);
    AppendText(table, "DateTest");
    AppendU32(table, 0);
    AppendU8(table, kEnd);
    AppendU64(table, 0);
    std::string chunks;
    AppendU32(chunks, static_cast<std::uint32_t>(table.size()));
    AppendU32(chunks, 0);
    chunks.insert(4, table);
    std::ofstream(dir.file("answer.bin"), std::ios::binary) << chunks;
    const testing_support::StandInReader standIn(dir.file("reader.sh"), "cat '" + dir.file("answer.bin") + "'\nexec sleep 30");
    dao::ReaderPool readers;
    EXPECT_EQ(dbtest::ErrorOf([&] { readers.AskTable(dir.file("sparito.mdb"), "DateTest"); }), 3024);
}

// A reader, and what it started, end with the program that started it, even
// when the program is killed with SIGKILL and can end nothing itself.
TEST_F(ReaderSupervision, AReaderEndsWithItsProgramKilled) {
    const std::string started = dir.file("started");
    const pid_t program = ::fork();
    if (program == 0) {
        const testing_support::StandInReader standIn(dir.file("reader.sh"),
                                                     "sleep 300 &\necho $! > " + started + ".part\nmv " + started +
                                                         ".part " + started + "\nwait");
        setenv("VANTORIMA_ACCESS_READER_TIMEOUT", "600", 1);
        dao::DBEngine().OpenDatabase(JetFile("DateTestDatabase.mdb"));
        ::_exit(0);
    }
    ASSERT_GT(program, 0);
    pid_t child = 0;
    const bool readerStarted = Eventually([&] { return static_cast<bool>(std::ifstream(started) >> child); });
    ::kill(program, SIGKILL);
    ::waitpid(program, nullptr, 0);
    ASSERT_TRUE(readerStarted);
    const bool ended = Eventually([&] { return !testing_support::ProcessRuns(child); });
    if (!ended) ::kill(child, SIGKILL);
    EXPECT_TRUE(ended) << "what the reader started outlived the program";
}

} // namespace
