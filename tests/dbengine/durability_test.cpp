// Every row that Update accepted stays saved: through refusals, rebinding,
// closing, statements on the same file and the end of the engine.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "dbengine/storage/connection.h"
#include "engine_fixture.h"

namespace dbtest {
namespace {

using dao::Variant;

class DurabilityTest : public EngineTest {
protected:
    void SetUp() override {
        source_ = MakeDatabase("v6.mdb", {"CREATE TABLE [clienti] ([codice] TEXT(6), [nome] TEXT(20))"});
        target_ = MakeDatabase("v7.mdb", {"CREATE TABLE [Clienti] ([codice] TEXT(6) NOT NULL, [nome] TEXT(20), "
                                          "CONSTRAINT [pk] PRIMARY KEY ([codice]))",
                                          "CREATE TABLE [altro] ([x] LONG)"});
        auto db = engine_.OpenDatabase(source_);
        for (const char* row : {"('A1', 'uno')", "('A2', 'due')", "('A3', 'tre')", "('A2', 'doppio')", "('A5', 'cinque')"})
            db->Execute(std::string("INSERT INTO [clienti] ([codice], [nome]) VALUES ") + row);
    }

    // Copies the source rows into the target until a save is refused; returns its number.
    int Copy(dao::DataControl& data1, dao::DataControl& data2) {
        data1.SetDatabaseName(source_);
        data1.SetRecordSource("clienti");
        data1.Refresh();
        data1.GetRecordset().MoveLast();
        data2.SetDatabaseName(target_);
        data2.SetRecordSource("CLIENTI");
        data2.Refresh();
        const int count = data1.GetRecordset().RecordCount();
        data1.Refresh();
        auto& in = data1.GetRecordset();
        auto& out = data2.GetRecordset();
        for (int i = 0; i < count; ++i) {
            out.AddNew();
            out.Fields("codice").SetValue(in.Fields("Codice").Value());
            out.Fields("nome").SetValue(in.Fields("NOME").Value());
            int error = ErrorOf([&] { out.Update(); });
            if (error) return error;
            in.MoveNext();
        }
        return 0;
    }

    long long TargetRows() { return QueryFile(target_, "SELECT count(*) FROM Clienti"); }

    std::string source_, target_;
};

TEST_F(DurabilityTest, RowsBeforeARefusedRowAreInTheFileOnceTheControlRebinds) {
    dao::DataControl data1(engine_), data2(engine_);
    EXPECT_EQ(Copy(data1, data2), dao::kDuplicateKey);
    data2.SetDatabaseName(source_);
    data2.SetRecordSource("clienti");
    data2.Refresh();
    EXPECT_EQ(TargetRows(), 3);
    EXPECT_EQ(QueryFile(target_, "SELECT count(*) FROM Clienti WHERE nome = 'doppio'"), 0);
}

TEST_F(DurabilityTest, RowsBeforeARefusedRowSurviveTheEndOfTheEngine) {
    {
        dao::DBEngine engine;
        dao::DataControl data1(engine), data2(engine);
        EXPECT_EQ(Copy(data1, data2), dao::kDuplicateKey);
    }
    dao::DBEngine fresh;
    dao::DataControl data(fresh);
    data.SetDatabaseName(target_);
    data.SetRecordSource("clienti");
    data.Refresh();
    auto& rs = data.GetRecordset();
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 3);
    rs.MoveFirst();
    EXPECT_EQ(rs.Fields("codice").Value(), Variant("A1"));
}

TEST_F(DurabilityTest, TheEngineCommitsWhatLiveControlsWroteWhenItEnds) {
    auto engine = std::make_unique<dao::DBEngine>();
    dao::DataControl data(*engine);
    data.SetDatabaseName(target_);
    data.SetRecordSource("clienti");
    data.Refresh();
    data.GetRecordset().AddNew();
    data.GetRecordset().Fields("codice").SetValue(Variant("Z1"));
    data.GetRecordset().Update();
    engine.reset();
    EXPECT_EQ(TargetRows(), 1);
}

TEST_F(DurabilityTest, ARefusedRowLeavesTheRecordsetUsable) {
    dao::DataControl data1(engine_), data2(engine_);
    EXPECT_EQ(Copy(data1, data2), dao::kDuplicateKey);
    auto& out = data2.GetRecordset();
    out.AddNew();   // starts afresh: nothing of the refused row is kept
    EXPECT_TRUE(out.Fields("codice").Value().IsNull());
    out.Fields("codice").SetValue(Variant("B1"));
    out.Update();
    EXPECT_EQ(out.RecordCount(), 4);
    out.MoveLast();
    EXPECT_EQ(out.Fields("codice").Value(), Variant("B1"));
    data2.Refresh();
    EXPECT_EQ(TargetRows(), 4);
}

TEST_F(DurabilityTest, ARefusedEditKeepsTheRowAsItWas) {
    auto db = engine_.OpenDatabase(target_);
    db->Execute("INSERT INTO [clienti] ([codice], [nome]) VALUES ('A1', 'uno')");
    db->Execute("INSERT INTO [clienti] ([codice], [nome]) VALUES ('A2', 'due')");
    auto data = Bind(target_, "clienti");
    auto& rs = data->GetRecordset();
    rs.Edit();
    rs.Fields("codice").SetValue(Variant("A2"));
    rs.Fields("nome").SetValue(Variant("cambiato"));
    EXPECT_EQ(ErrorOf([&] { rs.Update(); }), dao::kDuplicateKey);
    rs.CancelUpdate();
    EXPECT_EQ(rs.Fields("nome").Value(), Variant("uno"));
    data.reset();
    EXPECT_EQ(QueryFile(target_, "SELECT count(*) FROM Clienti WHERE nome = 'uno' AND codice = 'A1'"), 1);
}

TEST_F(DurabilityTest, ClosingADatabaseOrExecutingOnTheFileSavesWhatTheControlsWrote) {
    auto data = Bind(target_, "clienti");
    data->GetRecordset().AddNew();
    data->GetRecordset().Fields("codice").SetValue(Variant("E1"));
    data->GetRecordset().Update();
    auto db = engine_.OpenDatabase(target_);
    db->Execute("INSERT INTO [altro] ([x]) VALUES (1)");
    EXPECT_EQ(TargetRows(), 1);
    data->GetRecordset().AddNew();
    data->GetRecordset().Fields("codice").SetValue(Variant("E2"));
    data->GetRecordset().Update();
    db->Close();
    EXPECT_EQ(TargetRows(), 2);
    data->GetRecordset().AddNew();
    data->GetRecordset().Fields("codice").SetValue(Variant("E3"));
    data->GetRecordset().Update();
    engine_.CommitAll();
    EXPECT_EQ(TargetRows(), 3);
}

TEST_F(DurabilityTest, ALongBindingIsSavedInBoundedGroups) {
    auto data = Bind(target_, "clienti");
    auto& rs = data->GetRecordset();
    const int rows = 20000 + 10;
    for (int i = 0; i < rows; ++i) {
        rs.AddNew();
        rs.Fields("codice").SetValue(Variant(std::to_string(i)));
        rs.Update();
    }
    // Still bound: at most the last group is not yet in the file.
    EXPECT_GE(TargetRows(), 20000);
    data.reset();
    EXPECT_EQ(TargetRows(), rows);
}

// Another program reading the file: its open read transaction keeps a shared
// lock, so no commit can finish until it ends.
class ForeignReader {
public:
    explicit ForeignReader(const std::string& path) {
        sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_exec(db_, "BEGIN; SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    ~ForeignReader() { Stop(); }
    void Stop() {
        if (!db_) return;
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
};

// A short wait on foreign locks, so that each failed commit costs little.
constexpr std::chrono::milliseconds kShortWait{50};

TEST_F(DurabilityTest, AFailedGroupCommitKeepsTheRowsForTheNextCommitAndIsNotRetriedAtEveryRow) {
    engine_.SetLockWait(kShortWait);
    auto data = Bind(target_, "clienti");
    auto& rs = data->GetRecordset();
    auto add = [&](int i) {
        rs.AddNew();
        rs.Fields("codice").SetValue(Variant(std::to_string(i)));
        rs.Update();
    };
    ForeignReader reader(target_);
    int i = 0;
    // The group's commit fails on the foreign lock; the rows stay accepted.
    for (; i < dao::Connection::kRowsPerCommit; ++i) add(i);
    reader.Stop();
    // With the file free again, the next rows do not retry the commit: it
    // comes with the next group or the next regular commit.
    for (; i < dao::Connection::kRowsPerCommit + 10; ++i) add(i);
    EXPECT_LT(TargetRows(), dao::Connection::kRowsPerCommit);
    EXPECT_EQ(ErrorOf([&] { data->Refresh(); }), 0);
    EXPECT_EQ(TargetRows(), dao::Connection::kRowsPerCommit + 10);
}

TEST_F(DurabilityTest, AGroupCommitStillLockedOutAtTheRegularCommitIsANumberedError) {
    engine_.SetLockWait(kShortWait);
    auto data = Bind(target_, "clienti");
    auto& rs = data->GetRecordset();
    ForeignReader reader(target_);
    for (int i = 0; i < dao::Connection::kRowsPerCommit + 5; ++i) {
        rs.AddNew();
        rs.Fields("codice").SetValue(Variant(std::to_string(i)));
        rs.Update();
    }
    EXPECT_EQ(ErrorOf([&] { data->Refresh(); }), 3218);
}

TEST_F(DurabilityTest, RowsLostByAFailedGroupCommitAreReportedAtTheNextCommit) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file may not grow past its size (as on a full disk): the
        // group's commit fails on a write and takes its rows with it.
        auto data = Bind(target_, "clienti");
        auto& rs = data->GetRecordset();
        signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = std::filesystem::file_size(target_) + 8192;
        rlimit fsize{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &fsize) != 0) _exit(10);
        for (int i = 0; i < dao::Connection::kRowsPerCommit + 5; ++i) {
            rs.AddNew();
            rs.Fields("codice").SetValue(Variant(std::to_string(i)));
            if (ErrorOf([&] { rs.Update(); })) _exit(11);
        }
        _exit(ErrorOf([&] { data->Refresh(); }) == 3043 ? 0 : 12);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_LT(TargetRows(), dao::Connection::kRowsPerCommit);
}

TEST_F(DurabilityTest, ACrashInTheMiddleOfABindingLosesOnlyTheOpenGroupAndLeavesTheFileOpenable) {
    const int rows = 20000 + 500;
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child program copies rows and dies without ending anything.
        dao::DataControl data(engine_);
        data.SetDatabaseName(target_);
        data.SetRecordSource("clienti");
        data.Refresh();
        auto& rs = data.GetRecordset();
        for (int i = 0; i < rows; ++i) {
            rs.AddNew();
            rs.Fields("codice").SetValue(Variant(std::to_string(i)));
            rs.Update();
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    auto data = Bind(target_, "clienti");
    auto& rs = data->GetRecordset();
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 20000);
    EXPECT_EQ(rs.Fields("codice").Value(), Variant("19999"));
    rs.AddNew();
    rs.Fields("codice").SetValue(Variant("dopo"));
    rs.Update();
    data.reset();
    EXPECT_EQ(TargetRows(), 20001);
}

TEST_F(DurabilityTest, ExecutedStatementsStayExecutedWhenALaterOneFails) {
    auto db = engine_.OpenDatabase(target_);
    db->Execute("INSERT INTO [clienti] ([codice]) VALUES ('A1')");
    EXPECT_EQ(ErrorOf([&] { db->Execute("Delete * from [manca]"); }), dao::kTableNotFound);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [clienti] ([codice]) VALUES ('A1')"); }), dao::kDuplicateKey);
    db->Execute("INSERT INTO [clienti] ([codice]) VALUES ('A2')");
    db->Close();
    EXPECT_EQ(TargetRows(), 2);
    db = engine_.OpenDatabase(target_);
    db->Execute("Delete * from [clienti]");
    db.reset();   // released without Close: the same
    EXPECT_EQ(TargetRows(), 0);
}

TEST_F(DurabilityTest, ARowsSavedBeforeAStatementAreCommittedFirst) {
    auto data = Bind(target_, "clienti");
    data->GetRecordset().AddNew();
    data->GetRecordset().Fields("codice").SetValue(Variant("R1"));
    data->GetRecordset().Update();
    auto db = engine_.OpenDatabase(target_);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [clienti] ([codice]) VALUES ('R1')"); }), dao::kDuplicateKey);
    EXPECT_EQ(TargetRows(), 1);
}

TEST_F(DurabilityTest, ReadingNeverChangesTheFile) {
    const auto size = std::filesystem::file_size(source_);
    const auto time = std::filesystem::last_write_time(source_);
    {
        auto data = Bind(source_, "clienti");
        auto& rs = data->GetRecordset();
        rs.MoveLast();
        rs.MoveFirst();
        while (!rs.AtEOF()) {
            rs.Fields("nome").Value();
            rs.MoveNext();
        }
    }
    EXPECT_EQ(std::filesystem::file_size(source_), size);
    EXPECT_EQ(std::filesystem::last_write_time(source_), time);
}

} // namespace
} // namespace dbtest
