// A data control bound read-only: reads, refuses every write, never writes the
// file (not even a journal left by a crash), and stays in step with the
// program's read-write binding of the same file.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine_fixture.h"
#include "support/crashed_write.h"

namespace dbtest {
namespace {

using dao::Variant;

std::string BytesOf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A short wait on another program's lock, so that a binding that locks
// itself out fails in a moment rather than after the full wait.
constexpr std::chrono::milliseconds kShortWait{100};

class ReadOnlyTest : public EngineTest {
protected:
    void SetUp() override {
        path_ = MakeDatabase("v6.mdb", {
            "CREATE TABLE [clienti] ([codice] TEXT(6) NOT NULL, [nome] TEXT(20), CONSTRAINT [pk] PRIMARY KEY ([codice]))",
            "INSERT INTO [clienti] ([codice], [nome]) VALUES ('A1', 'uno')",
            "INSERT INTO [clienti] ([codice], [nome]) VALUES ('A2', 'due')",
            "INSERT INTO [clienti] ([codice], [nome]) VALUES ('A3', 'tre')",
        });
    }

    std::unique_ptr<dao::DataControl> BindReadOnly(const std::string& table) {
        auto control = std::make_unique<dao::DataControl>(engine_);
        control->SetReadOnly(true);
        control->SetDatabaseName(path_);
        control->SetRecordSource(table);
        control->Refresh();
        return control;
    }

    std::string path_;
};

TEST_F(ReadOnlyTest, ReadsEveryRowAndRefusesAddNewEditAndUpdateWith3027) {
    const auto bytes = BytesOf(path_);
    const auto time = std::filesystem::last_write_time(path_);
    {
        auto data = BindReadOnly("CLIENTI");
        auto& rs = data->GetRecordset();
        rs.MoveLast();
        EXPECT_EQ(rs.RecordCount(), 3);
        rs.MoveFirst();
        std::string names;
        for (; !rs.AtEOF(); rs.MoveNext()) names += rs.Fields("nome").Value().ToString() + ";";
        EXPECT_EQ(names, "uno;due;tre;");

        rs.MoveFirst();
        EXPECT_EQ(ErrorOf([&] { rs.AddNew(); }), dao::kReadOnly);
        EXPECT_EQ(ErrorOf([&] { rs.Edit(); }), dao::kReadOnly);
        EXPECT_EQ(ErrorOf([&] { rs.Update(); }), dao::kReadOnly);
        // Refused without entering an edit: the field cannot be set.
        EXPECT_NE(ErrorOf([&] { rs.Fields("nome").SetValue(Variant("x")); }), 0);
        EXPECT_EQ(rs.Fields("nome").Value(), Variant("uno"));
        data->Refresh();
    }
    engine_.CommitAll();
    EXPECT_EQ(BytesOf(path_), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(path_), time);
}

TEST_F(ReadOnlyTest, TheSettingTakesEffectAtTheNextRefreshBothWays) {
    dao::DataControl data(engine_);
    EXPECT_FALSE(data.ReadOnly());
    data.SetDatabaseName(path_);
    data.SetRecordSource("clienti");
    data.Refresh();
    data.SetReadOnly(true);
    // Still the writable binding until the next Refresh.
    data.GetRecordset().AddNew();
    data.GetRecordset().Fields("codice").SetValue(Variant("B1"));
    data.GetRecordset().Update();
    data.Refresh();
    EXPECT_EQ(ErrorOf([&] { data.GetRecordset().AddNew(); }), dao::kReadOnly);
    EXPECT_EQ(QueryFile(path_, "SELECT count(*) FROM clienti"), 4);
    data.SetReadOnly(false);
    data.Refresh();
    data.GetRecordset().AddNew();
    data.GetRecordset().Fields("codice").SetValue(Variant("B2"));
    data.GetRecordset().Update();
    data.Refresh();
    EXPECT_EQ(QueryFile(path_, "SELECT count(*) FROM clienti"), 5);
}

TEST_F(ReadOnlyTest, SeesWhatTheProgramWroteThroughAWritableBindingOfTheSameFile) {
    // Another read-only binding keeps the program's read-only connection open.
    auto first = BindReadOnly("clienti");
    // A table made by statements, then a row saved: all still pending on the file.
    auto db = engine_.OpenDatabase(path_);
    db->Execute("CREATE TABLE [nuova] ([x] LONG)");
    db->Execute("INSERT INTO [nuova] ([x]) VALUES (7)");
    auto writer = Bind(path_, "clienti");
    auto& out = writer->GetRecordset();
    out.AddNew();
    out.Fields("codice").SetValue(Variant("A4"));
    out.Fields("nome").SetValue(Variant("quattro"));
    out.Update();
    ASSERT_EQ(QueryFile(path_, "SELECT count(*) FROM clienti"), 3);

    auto reader = BindReadOnly("clienti");
    auto& in = reader->GetRecordset();
    in.MoveLast();
    EXPECT_EQ(in.RecordCount(), 4);
    EXPECT_EQ(in.Fields("nome").Value(), Variant("quattro"));
    reader->SetRecordSource("nuova");
    reader->Refresh();
    EXPECT_EQ(reader->GetRecordset().Fields("x").Value(), Variant::Long(7));
    db->Close();
}

TEST_F(ReadOnlyTest, AReaderAndAWriterOfTheSameFileNeverWaitOnEachOther) {
    engine_.SetLockWait(kShortWait);
    auto reader = BindReadOnly("clienti");
    auto& in = reader->GetRecordset();
    EXPECT_EQ(in.Fields("nome").Value(), Variant("uno"));   // the reader holds its cursor

    auto writer = Bind(path_, "clienti");
    auto& out = writer->GetRecordset();
    out.MoveNext();
    out.Edit();
    out.Fields("nome").SetValue(Variant("cambiato"));
    out.Update();
    // The reader's next row is the one just edited, not yet committed.
    in.MoveNext();
    EXPECT_EQ(in.Fields("nome").Value(), Variant("cambiato"));

    // Rows saved while the reader stands on its row; the writer's commit
    // must not wait for the reader's cursor.
    for (int i = 0; i < 10; ++i) {
        out.AddNew();
        out.Fields("codice").SetValue(Variant("N" + std::to_string(i)));
        out.Update();
    }
    EXPECT_EQ(in.Fields("codice").Value(), Variant("A2"));
    out.AddNew();
    out.Fields("codice").SetValue(Variant("N10"));
    out.Update();
    EXPECT_EQ(ErrorOf([&] { writer->Refresh(); }), 0);
    in.MoveNext();
    EXPECT_EQ(in.Fields("nome").Value(), Variant("tre"));
    EXPECT_EQ(QueryFile(path_, "SELECT count(*) FROM clienti"), 14);
}

TEST_F(ReadOnlyTest, AJournalLeftByACrashIsNeverRolledBackByAReadOnlyBinding) {
    const std::string journal = path_ + "-journal";
    const auto before = BytesOf(path_);
    testing_support::CrashInTheMiddleOfAWrite(path_, "UPDATE clienti SET nome = 'rotto'", [](int i) {
        return "INSERT INTO clienti (codice, nome) VALUES ('C" + std::to_string(i) + "', '" + std::string(20, 'z') +
               "')";
    });
    ASSERT_TRUE(std::filesystem::exists(journal));
    const auto crashed = BytesOf(path_);
    ASSERT_NE(crashed, before) << "the crash left no half-written file to test with";
    const auto journalBytes = BytesOf(journal);
    const auto time = std::filesystem::last_write_time(path_);

    // Refused with a number rather than read half-written.
    EXPECT_EQ(ErrorOf([&] { BindReadOnly("clienti"); }), 3049);
    EXPECT_EQ(BytesOf(path_), crashed);
    EXPECT_EQ(std::filesystem::last_write_time(path_), time);
    EXPECT_EQ(BytesOf(journal), journalBytes);

    // A writable binding puts the file back as it was before the crash.
    auto data = Bind(path_, "clienti");
    auto& rs = data->GetRecordset();
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs.Fields("nome").Value(), Variant("tre"));
    data.reset();
    auto reader = BindReadOnly("clienti");
    reader->GetRecordset().MoveLast();
    EXPECT_EQ(reader->GetRecordset().RecordCount(), 3);
}

} // namespace
} // namespace dbtest
