// Damaged Access files and a misbehaving reader process: every one ends in
// the values or a numbered engine error, within bounded processor time (the
// watchdog bounds the rest), and the program goes on.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "dbengine/access/reader_stream.h"
#include "dbengine/data_control.h"
#include "dbengine/engine.h"
#include "engine_fixture.h"
#include "support/jet_files.h"
#include "support/process_state.h"
#include "winfs/runtime_error.h"
#include "support/stand_in_reader.h"
#include "support/temp_dir.h"

namespace {

using testing_support::CpuSecondsSpent;
using testing_support::Eventually;
using testing_support::JetFile;
using testing_support::ProcessRuns;

const std::vector<std::string> kNwindTables{"Order Details", "Orders", "Products", "Shippers", "Categories",
                                            "Customers", "Employees", "Suppliers", "Umsätze"};
const std::vector<std::string> kDateTestTables{"DateTest"};

// A watchdog short enough for a test, restored afterwards.
struct ShortWatchdog {
    ShortWatchdog() { setenv("VANTORIMA_ACCESS_READER_TIMEOUT", "2", 1); }
    ~ShortWatchdog() { unsetenv("VANTORIMA_ACCESS_READER_TIMEOUT"); }
};

// Opens the file and reads every field of every row of the tables, as far as
// it goes; returns the numbers of the errors met (one a table at most).
std::vector<int> ReadEverything(dao::DBEngine& engine, const std::string& file, const std::vector<std::string>& tables) {
    std::vector<int> errors;
    try {
        engine.OpenDatabase(file);
    } catch (const vb::RuntimeError& e) {
        return {e.Number()};
    }
    for (const auto& table : tables) {
        try {
            const auto control = dbtest::BindTable(engine, file, table);
            auto& rs = control->GetRecordset();
            for (; !rs.AtEOF(); rs.MoveNext())
                for (int f = 0; f < rs.Fields().Count(); ++f) rs.Fields(f).Value();
        } catch (const vb::RuntimeError& e) {
            errors.push_back(e.Number());
        }
    }
    return errors;
}

std::string Bytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class DamagedAccess : public ::testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT_JET_FILES(); }
    ShortWatchdog watchdog;
    dao::DBEngine engine;
    testing_support::TempDir dir;
};

TEST_F(DamagedAccess, EachKnownDamagedFileEndsInANumberedError) {
    const std::pair<const char*, const std::vector<std::string>*> files[] = {
        {"jet3-text-field-negative-size.mdb", &kNwindTables}, {"jet4-text-field-negative-size.mdb", &kDateTestTables},
        {"jet4-catalog-bytes-flipped.mdb", &kDateTestTables}, {"jet4-property-list-overrun.mdb", &kDateTestTables},
        {"jet4-property-size-huge.mdb", &kDateTestTables},    {"jet4-truncated-in-catalog.mdb", &kDateTestTables}};
    if (!std::filesystem::exists(testing_support::DamagedFile(files[0].first))) GTEST_SKIP() << "no damaged files";
    for (const auto& [name, tables] : files) {
        SCOPED_TRACE(name);
        const double cpu = CpuSecondsSpent();
        std::vector<int> errors;
        {
            dao::DBEngine reading;   // whose readers are reaped, their time counted, when it ends
            errors = ReadEverything(reading, testing_support::DamagedFile(name), *tables);
        }
        ASSERT_FALSE(errors.empty());
        for (int number : errors) EXPECT_TRUE(number == 3343 || number == 3078) << number;
        EXPECT_LT(CpuSecondsSpent() - cpu, 10) << "far from the reader's own limit of 30 s";
    }
}

// Copies of the real files cut short, or with bytes flipped in the header,
// the catalog, a table definition and a data page.
TEST_F(DamagedAccess, MadeDamageEndsInValuesOrANumberedError) {
    std::mt19937 random(20);
    int variants = 0, failed = 0;
    for (const auto& [name, tables] : {std::pair{"nwind.mdb", &kNwindTables}, std::pair{"DateTestDatabase.mdb", &kDateTestTables}}) {
        const std::string good = Bytes(JetFile(name));
        const std::size_t page = good[0x14] == 0 ? 2048 : 4096;
        std::vector<std::string> damaged;
        for (double cut : {0.01, 0.1, 0.35, 0.6, 0.95}) damaged.push_back(good.substr(0, static_cast<std::size_t>(good.size() * cut)));
        // Page 0 is the header, page 2 the catalog's definition; the first data pages hold catalog rows.
        std::vector<std::size_t> pages{0, 2};
        for (std::size_t p = 3; p * page < good.size() && pages.size() < 6; ++p)
            if (good[p * page] == 0x01 || good[p * page] == 0x02) pages.push_back(p);
        for (std::size_t p : pages) {
            for (int copy = 0; copy < 2; ++copy) {
                std::string bytes = good;
                for (int flip = 0; flip < 8; ++flip) bytes[p * page + random() % page] ^= static_cast<char>(1 + random() % 255);
                damaged.push_back(std::move(bytes));
            }
        }
        for (const auto& bytes : damaged) {
            const std::string file = dir.file("rotto" + std::to_string(variants++) + ".mdb");
            std::ofstream(file, std::ios::binary) << bytes;
            const double cpu = CpuSecondsSpent();
            std::vector<int> errors;
            {
                dao::DBEngine reading;
                errors = ReadEverything(reading, file, *tables);
            }
            for (int number : errors) EXPECT_TRUE(number == 3343 || number == 3078) << file << ": " << number;
            failed += !errors.empty();
            EXPECT_LT(CpuSecondsSpent() - cpu, 10) << file;
        }
    }
    EXPECT_GT(failed, 0);
    EXPECT_GE(variants, 30);
}

// A reader kept for the next question on a file does not answer for the file that replaced it.
TEST_F(DamagedAccess, AReplacedFileIsReadAnew) {
    const std::string file = dir.file("archivio.mdb");
    std::filesystem::copy_file(JetFile("nwind.mdb"), file);
    EXPECT_TRUE(ReadEverything(engine, file, {"Shippers"}).empty());
    std::filesystem::remove(file);
    std::filesystem::copy_file(JetFile("DateTestDatabase.mdb"), file);
    EXPECT_TRUE(ReadEverything(engine, file, kDateTestTables).empty());
}

int OpenDescriptors() {
    int count = 0;
    if (DIR* fds = opendir("/proc/self/fd")) {
        while (readdir(fds)) ++count;
        closedir(fds);
    }
    return count;
}

// A stand-in reader that misbehaves: killed, stopped, flooding, talking
// nonsense, silent (until it answers, long after the watchdog).
TEST_F(DamagedAccess, AReaderThatMisbehavesIsAnErrorNotAHang) {
    const std::string script = dir.file("reader.sh");
    const int descriptors = OpenDescriptors();
    const std::string lateAnswer = "sleep 60\nexec " + testing_support::RealAccessReader().string() + " \"$1\"";
    for (const std::string& body :
         std::vector<std::string>{"kill -SEGV $$", "cat /dev/zero", "printf 'Hx'", "exit 3", lateAnswer, "kill -STOP $$"}) {
        SCOPED_TRACE(body);
        const testing_support::StandInReader standIn(script, body);
        int number = 0;
        try {
            engine.OpenDatabase(JetFile("DateTestDatabase.mdb"));
        } catch (const vb::RuntimeError& e) {
            number = e.Number();
        }
        EXPECT_EQ(number, 3343);
        EXPECT_LE(waitpid(-1, nullptr, WNOHANG), 0) << "a reader left unreaped";
        EXPECT_EQ(OpenDescriptors(), descriptors);
    }
}


// A watchdog value that is no number of seconds up to a day leaves the default.
TEST_F(DamagedAccess, AWatchdogValueOutOfRangeLeavesTheDefault) {
    for (const char* value : {"inf", "1e20", "nan", "-1", "0", "20x"}) {
        setenv("VANTORIMA_ACCESS_READER_TIMEOUT", value, 1);
        EXPECT_TRUE(ReadEverything(engine, JetFile("DateTestDatabase.mdb"), kDateTestTables).empty()) << value;
    }
}

// What a reader started is ended with it.
TEST_F(DamagedAccess, AReaderIsEndedWithWhatItStarted) {
    const std::string script = dir.file("reader.sh"), started = dir.file("started");
    {
        const testing_support::StandInReader standIn(script, "sleep 60 &\necho $! > " + started + "\nwait");
        EXPECT_EQ(ReadEverything(engine, JetFile("DateTestDatabase.mdb"), {}), std::vector<int>{3343});
    }
    std::ifstream in(started);
    pid_t pid = 0;
    ASSERT_TRUE(in >> pid);
    const bool ended = Eventually([&] { return !ProcessRuns(pid); });
    if (!ended) kill(pid, SIGKILL);
    EXPECT_TRUE(ended) << "the reader's child still runs";
}

// A kept reader killed between two questions (by the operator, or the
// system short of memory): the next question starts a new one and is answered.
TEST_F(DamagedAccess, AKeptReaderKilledMeanwhileIsReplaced) {
    const std::string file = JetFile("DateTestDatabase.mdb");
    EXPECT_TRUE(ReadEverything(engine, file, kDateTestTables).empty());
    int killed = 0;
    pid_t reader = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream status(entry.path() / "status");
        std::string line, name;
        pid_t parent = 0;
        while (std::getline(status, line)) {
            if (line.rfind("Name:", 0) == 0) name = line.substr(line.find_first_not_of(" \t", 5));
            if (line.rfind("PPid:", 0) == 0) parent = std::stoi(line.substr(5));
        }
        if (parent == getpid() && name == "access_reader" && kill(reader = std::stoi(entry.path().filename().string()), SIGKILL) == 0)
            ++killed;
    }
    ASSERT_EQ(killed, 1);
    ASSERT_TRUE(Eventually([&] { return !ProcessRuns(reader); }));
    EXPECT_TRUE(ReadEverything(engine, file, kDateTestTables).empty());
}

// A reader that warned of damage is not kept: each question starts a new one.
TEST_F(DamagedAccess, AReaderThatWarnedIsNotAskedAgain) {
    const std::string script = dir.file("reader.sh"), starts = dir.file("starts");
    {
        const testing_support::StandInReader standIn(script, "echo >> " + starts + "\necho 'pagina danneggiata' >&2\nexec " +
                                                                 testing_support::RealAccessReader().string() + " \"$1\"");
        EXPECT_TRUE(ReadEverything(engine, JetFile("DateTestDatabase.mdb"), kDateTestTables).empty());
    }
    EXPECT_EQ(Bytes(starts), "\n\n");   // the catalog, then the table
}

// A chunk announced as 2 GB and filled with zeros is stopped at the stream's
// bound (about 70 MB for this file), not read to its end:
// the reader never gets to write all of it (a write refused once the stream
// is let go of is not a whole write).
TEST_F(DamagedAccess, AFloodingReaderIsStoppedAtTheStreamBound) {
    const std::string script = dir.file("reader.sh"), wroteAll = dir.file("wrote-all");
    const testing_support::StandInReader standIn(
        script, "printf '\\377\\377\\377\\177'\nhead -c 200000000 /dev/zero && touch " + wroteAll + "\nexec sleep 30");
    EXPECT_EQ(ReadEverything(engine, JetFile("DateTestDatabase.mdb"), {}), std::vector<int>{3343});
    EXPECT_FALSE(std::filesystem::exists(wroteAll)) << "the stream was read past its bound";
}

// A stream cut short inside its last value is malformed; nothing past it is read.
TEST(ReaderStream, AValueCutShortIsMalformed) {
    const std::string bytes("\x05" "abc", 4);   // a Long's tag and three of its four bytes
    dao::reader_stream::StreamReader stream(bytes);
    dao::Variant value;
    EXPECT_THROW(stream.Value(value), dao::reader_stream::ProtocolError);
}

// The body of a reader that answers a table with the stream given, whatever is asked.
std::string AnswerWith(const testing_support::TempDir& dir, const std::string& stream) {
    std::string chunks;
    dao::reader_stream::AppendU32(chunks, static_cast<std::uint32_t>(stream.size()));
    chunks += stream;
    dao::reader_stream::AppendU32(chunks, 0);
    const std::string answer = dir.file("answer.bin");
    std::ofstream(answer, std::ios::binary) << chunks;
    return "cat '" + answer + "'\nexec sleep 30";
}

// A table of two Long fields whose second row's first value could not be
// decoded, closed by an end record counting the rows given.
std::string TwoRowTable(std::uint64_t countedRows) {
    using namespace dao::reader_stream;
    std::string s;
    AppendU8(s, kHeader);
    AppendText(s, "DateTest");
    AppendU32(s, 2);
    for (const char* name : {"a", "b"}) {
        AppendText(s, name);
        AppendU8(s, static_cast<std::uint8_t>(dao::VarType::Long));
    }
    AppendU8(s, kRow);
    AppendValue(s, dao::Variant::Long(1));
    AppendValue(s, dao::Variant::Long(2));
    AppendU8(s, kRow);
    AppendUnreadable(s);
    AppendValue(s, dao::Variant::Long(4));
    AppendU8(s, kEnd);
    AppendU64(s, countedRows);
    return s;
}

// What a reader says is held to its own words: an undecodable value is 3343
// when read, its neighbours stay readable; rows that do not add up to the
// count closing them are 3343 for the table.
TEST_F(DamagedAccess, AReadersStreamIsHeldToItsOwnWords) {
    const std::string file = dir.file("archivio.mdb");
    std::filesystem::copy_file(JetFile("DateTestDatabase.mdb"), file);
    {
        const testing_support::StandInReader standIn(dir.file("reader.sh"), AnswerWith(dir, TwoRowTable(2)));
        auto control = dbtest::BindTable(engine, file, "DateTest");
        auto& rs = control->GetRecordset();
        rs.MoveNext();
        EXPECT_EQ(rs.Fields("b").Value(), dao::Variant::Long(4));
        EXPECT_EQ(dbtest::ErrorOf([&] { rs.Fields("a").Value(); }), 3343) << "an undecodable value was read";
    }
    dao::DBEngine other;   // whose reader is started anew, with the stream below
    const testing_support::StandInReader standIn(dir.file("reader.sh"), AnswerWith(dir, TwoRowTable(3)));
    EXPECT_EQ(dbtest::ErrorOf([&] { dbtest::BindTable(other, file, "DateTest"); }), 3343)
        << "rows short of their count were taken";
}

// A file that changes size while a reader answers is 3343, not a table of two files.
TEST_F(DamagedAccess, AFileThatChangesSizeWhileReadIs3343) {
    const std::string file = dir.file("archivio.mdb");
    std::filesystem::copy_file(JetFile("DateTestDatabase.mdb"), file);
    const testing_support::StandInReader standIn(
        dir.file("reader.sh"), "printf x >> \"$1\"\nexec " + testing_support::RealAccessReader().string() + " \"$1\"");
    EXPECT_EQ(ReadEverything(engine, file, {}), std::vector<int>{3343});
}

// The readers an engine object keeps are its own: a second engine starts its
// own reader for the same file, and each ends with the engine that kept it.
TEST_F(DamagedAccess, KeptReadersEndWithTheirEngine) {
    const std::string script = dir.file("reader.sh"), started = dir.file("started");
    const testing_support::StandInReader standIn(
        script, "echo $$ >> " + started + "\nexec " + testing_support::RealAccessReader().string() + " \"$1\"");
    std::vector<pid_t> pids;
    {
        dao::DBEngine first;
        EXPECT_TRUE(ReadEverything(first, JetFile("DateTestDatabase.mdb"), kDateTestTables).empty());
        {
            dao::DBEngine second;
            EXPECT_TRUE(ReadEverything(second, JetFile("DateTestDatabase.mdb"), kDateTestTables).empty());
            std::ifstream in(started);
            for (pid_t pid; in >> pid;) pids.push_back(pid);
            ASSERT_EQ(pids.size(), 2u) << "each engine starts its own reader";
            EXPECT_TRUE(ProcessRuns(pids[0]) && ProcessRuns(pids[1]));
        }
        EXPECT_TRUE(ProcessRuns(pids[0]));
        EXPECT_FALSE(ProcessRuns(pids[1])) << "the second engine's reader outlived it";
    }
    EXPECT_FALSE(ProcessRuns(pids[0])) << "the first engine's reader outlived it";
}

} // namespace
