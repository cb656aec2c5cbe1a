// Data controls and recordsets: binding, the walk in storage order, the record
// count, field lookup by name, new and edited rows.
#include "engine_fixture.h"

namespace dbtest {
namespace {

using dao::Variant;
using dao::VarType;

class RecordsetTest : public EngineTest {
protected:
    void SetUp() override {
        path_ = MakeDatabase("v7.mdb", {
            "CREATE TABLE [taunita] ([descrizione] TEXT(30) NOT NULL, [commento] TEXT(50), [qtà] DOUBLE, "
            "[id tabella] LONG, CONSTRAINT [pk] PRIMARY KEY ([descrizione]))",
            "INSERT INTO [taunita] ([descrizione], [commento], [qtà], [id tabella]) VALUES ('pz', 'pezzi', 1.5, 3)",
            "INSERT INTO [taunita] ([descrizione], [commento], [qtà], [id tabella]) VALUES ('kg', NULL, 2, 1)",
            "INSERT INTO [taunita] ([descrizione], [commento], [qtà], [id tabella]) VALUES ('cf', 'confezioni', 3, 2)",
            "CREATE TABLE [vuota] ([a] TEXT(10), [b] LONG DEFAULT 7, [c] YESNO DEFAULT TRUE, [d] TEXT(5) DEFAULT 'x')",
        });
    }
    std::string path_;
};

TEST_F(RecordsetTest, WalksRowsInStorageOrderNotKeyOrder) {
    auto data = Bind(path_, "taunita");
    auto& rs = data->GetRecordset();
    std::vector<std::string> seen;
    while (!rs.AtEOF()) {
        seen.push_back(rs.Fields("descrizione").Value().ToString());
        rs.MoveNext();
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"pz", "kg", "cf"}));
    EXPECT_EQ(ErrorOf([&] { rs.MoveNext(); }), dao::kNoCurrentRow);
}

TEST_F(RecordsetTest, RecordCountIsZeroOnlyForAnEmptyTableAndExactAfterMoveLast) {
    auto data = Bind(path_, "taunita");
    EXPECT_GT(data->GetRecordset().RecordCount(), 0);
    data->GetRecordset().MoveLast();
    EXPECT_EQ(data->GetRecordset().RecordCount(), 3);

    auto empty = Bind(path_, "vuota");
    EXPECT_EQ(empty->GetRecordset().RecordCount(), 0);
    EXPECT_TRUE(empty->GetRecordset().AtEOF());
    EXPECT_TRUE(empty->GetRecordset().AtBOF());
}

TEST_F(RecordsetTest, MovesAndPercentPosition) {
    auto data = Bind(path_, "taunita");
    auto& rs = data->GetRecordset();
    EXPECT_FALSE(rs.AtBOF());
    EXPECT_DOUBLE_EQ(rs.PercentPosition(), 0.0);
    rs.MoveLast();
    EXPECT_EQ(rs.Fields("descrizione").Value(), Variant("cf"));
    EXPECT_DOUBLE_EQ(rs.PercentPosition(), 100.0);
    rs.MoveFirst();
    EXPECT_EQ(rs.Fields("descrizione").Value(), Variant("pz"));
    rs.MoveNext();
    EXPECT_DOUBLE_EQ(rs.PercentPosition(), 50.0);
    rs.MoveNext();
    rs.MoveNext();
    EXPECT_TRUE(rs.AtEOF());
    EXPECT_EQ(ErrorOf([&] { rs.Fields("descrizione").Value(); }), dao::kNoCurrentRow);
}

TEST_F(RecordsetTest, ValuesReadBackWithTheirFieldTypes) {
    auto data = Bind(path_, "taunita");
    auto& rs = data->GetRecordset();
    EXPECT_EQ(rs.Fields("qtà").Value(), Variant::Double(1.5));
    EXPECT_EQ(rs.Fields("id tabella").Value(), Variant::Long(3));
    rs.MoveNext();
    EXPECT_TRUE(rs.Fields("commento").Value().IsNull());
    EXPECT_EQ(rs.Fields(0).Name(), "descrizione");
    EXPECT_EQ(rs.Fields().Count(), 4);
    EXPECT_EQ(rs.Fields("commento").Type(), VarType::String);
}

TEST_F(RecordsetTest, FieldsAndTablesMatchWithoutRegardToLetterCase) {
    auto data = Bind(path_, "TAUNITA");
    auto& rs = data->GetRecordset();
    EXPECT_EQ(rs.Name(), "taunita");
    EXPECT_EQ(rs.Fields("QTÀ").Name(), "qtà");
    EXPECT_EQ(rs.Fields("Id Tabella").Name(), "id tabella");
    EXPECT_EQ(rs.Fields("DESCRIZIONE").Value(), Variant("pz"));
    EXPECT_EQ(ErrorOf([&] { rs.Fields("qta"); }), dao::kFieldNotFound);
    EXPECT_EQ(ErrorOf([&] { rs.Fields(4); }), dao::kFieldNotFound);
    EXPECT_EQ(ErrorOf([&] { rs.Fields(-1); }), dao::kFieldNotFound);
}

// Lookups remember the order a loop asks in; a loop that changes its order,
// or asks for a missing name between two others, still gets each field.
TEST_F(RecordsetTest, FieldsByNameFollowAnyOrderOfLookups) {
    auto data = Bind(path_, "taunita");
    auto& rs = data->GetRecordset();
    const std::vector<std::string> names{"descrizione", "Commento", "QTÀ", "id tabella"};  // in storage order
    for (int pass = 0; pass < 3; ++pass)
        for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(rs.Fields(names[i]).Name(), rs.Fields(int(i)).Name());
    EXPECT_EQ(rs.Fields("id tabella").Name(), "id tabella");
    EXPECT_EQ(rs.Fields("descrizione").Name(), "descrizione");
    EXPECT_EQ(rs.Fields().Find("qta"), nullptr);
    EXPECT_EQ(rs.Fields("commento").Name(), "commento");
    EXPECT_EQ(rs.Fields().Find("Commento"), &rs.Fields(1));
}

// A value read into the same Variant row after row: no text of an earlier
// row is left over in a shorter or Null one.
TEST_F(RecordsetTest, ValueIntoReadsEachRowWhole) {
    auto data = Bind(path_, "taunita");
    auto& rs = data->GetRecordset();
    dao::Field& comment = *rs.Fields().Find("commento");
    Variant value;
    std::vector<Variant> seen;
    for (; !rs.AtEOF(); rs.MoveNext()) {
        comment.ValueInto(value);
        seen.push_back(value);
    }
    EXPECT_EQ(seen, (std::vector<Variant>{Variant("pezzi"), Variant::Null(), Variant("confezioni")}));
    rs.MoveFirst();
    comment.ValueInto(value);
    EXPECT_EQ(value, Variant("pezzi"));
}

TEST_F(RecordsetTest, AddNewStartsFromTheDefaultsAndUpdateSavesTheRow) {
    {
        auto data = Bind(path_, "vuota");
        auto& rs = data->GetRecordset();
        rs.AddNew();
        EXPECT_TRUE(rs.Fields("a").Value().IsNull());
        EXPECT_EQ(rs.Fields("b").Value(), Variant::Long(7));
        EXPECT_EQ(rs.Fields("c").Value(), Variant(true));
        EXPECT_EQ(rs.Fields("d").Value(), Variant("x"));
        rs.Fields("a").SetValue(Variant("uno"));
        rs.Update();
        rs.AddNew();
        rs.Fields("a").SetValue(Variant("due"));
        rs.Fields("b").SetValue(Variant::Null());
        rs.Fields("c").SetValue(Variant(false));
        rs.Update();
        EXPECT_EQ(rs.RecordCount(), 2);
    }
    auto data = Bind(path_, "vuota");
    auto& rs = data->GetRecordset();
    EXPECT_EQ(rs.Fields("a").Value(), Variant("uno"));
    EXPECT_EQ(rs.Fields("c").Value(), Variant(true));
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("a").Value(), Variant("due"));
    EXPECT_TRUE(rs.Fields("b").Value().IsNull());
    EXPECT_EQ(rs.Fields("c").Value(), Variant(false));
}

TEST_F(RecordsetTest, ARefusedValueLeavesTheFieldAsItWas) {
    auto data = Bind(path_, "vuota");
    auto& rs = data->GetRecordset();
    rs.AddNew();
    EXPECT_EQ(ErrorOf([&] { rs.Fields("b").SetValue(Variant("sette")); }), dao::kTypeRefused);
    EXPECT_EQ(rs.Fields("b").Value(), Variant::Long(7));
    rs.Fields("d").SetValue(Variant("abc"));
    EXPECT_EQ(ErrorOf([&] { rs.Fields("d").SetValue(Variant("abcdef")); }), dao::kTextTooLong);
    EXPECT_EQ(rs.Fields("d").Value(), Variant("abc"));
    rs.Update();
    rs.MoveFirst();
    EXPECT_EQ(rs.Fields("b").Value(), Variant::Long(7));
    EXPECT_EQ(rs.Fields("d").Value(), Variant("abc"));
}

TEST_F(RecordsetTest, EmptyIsStoredAsNull) {
    auto data = Bind(path_, "vuota");
    auto& rs = data->GetRecordset();
    rs.AddNew();
    rs.Fields("b").SetValue(Variant());
    EXPECT_TRUE(rs.Fields("b").Value().IsNull());
}

TEST_F(RecordsetTest, EditChangesTheCurrentRowInPlace) {
    {
        auto data = Bind(path_, "taunita");
        auto& rs = data->GetRecordset();
        rs.MoveNext();
        rs.Edit();
        EXPECT_EQ(rs.Fields("descrizione").Value(), Variant("kg"));
        rs.Fields("commento").SetValue(Variant("chili"));
        rs.Update();
        EXPECT_EQ(rs.Fields("commento").Value(), Variant("chili"));
        EXPECT_EQ(rs.RecordCount(), 3);
    }
    auto data = Bind(path_, "taunita");
    auto& rs = data->GetRecordset();
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 3);
    rs.MoveFirst();
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("commento").Value(), Variant("chili"));
    EXPECT_EQ(rs.Fields("descrizione").Value(), Variant("kg"));
}

// New rows keep their parameters bound from row to row: an edit in between
// must not leave one bound to what the edit replaced.
TEST_F(RecordsetTest, ANewRowAfterAnEditSavesTheValuesSetOnIt) {
    auto data = Bind(path_, "vuota");
    auto& rs = data->GetRecordset();
    for (const char* text : {"uno", "dodici"}) {
        rs.AddNew();
        rs.Fields("a").SetValue(Variant(text));
        rs.Update();
    }
    rs.MoveFirst();
    rs.Edit();
    rs.Fields("b").SetValue(Variant::Long(8));
    rs.Update();
    rs.AddNew();
    rs.Fields("a").SetValue(Variant("uno"));
    rs.Update();
    rs.MoveLast();
    EXPECT_EQ(rs.Fields("a").Value(), Variant("uno"));
}

TEST_F(RecordsetTest, EditWithoutACurrentRowIs3021) {
    auto empty = Bind(path_, "vuota");
    EXPECT_EQ(ErrorOf([&] { empty->GetRecordset().Edit(); }), dao::kNoCurrentRow);
    auto data = Bind(path_, "taunita");
    auto& rs = data->GetRecordset();
    rs.MoveLast();
    rs.MoveNext();
    EXPECT_EQ(ErrorOf([&] { rs.Edit(); }), dao::kNoCurrentRow);
}

TEST_F(RecordsetTest, SetValueOutsideAddNewOrEditIsRefused) {
    auto data = Bind(path_, "taunita");
    EXPECT_EQ(ErrorOf([&] { data->GetRecordset().Fields("commento").SetValue(Variant("x")); }), 3020);
    EXPECT_EQ(ErrorOf([&] { data->GetRecordset().Update(); }), 3020);
}

TEST_F(RecordsetTest, CancelUpdateDropsTheNewRow) {
    auto data = Bind(path_, "vuota");
    auto& rs = data->GetRecordset();
    rs.AddNew();
    rs.Fields("a").SetValue(Variant("via"));
    rs.CancelUpdate();
    EXPECT_EQ(rs.RecordCount(), 0);
    data.reset();
    EXPECT_EQ(QueryFile(path_, "SELECT count(*) FROM vuota"), 0);
}

TEST_F(RecordsetTest, AnEmptySourceDoesNotNeedTheTarget) {
    auto source = Bind(path_, "vuota");
    EXPECT_EQ(source->GetRecordset().RecordCount(), 0);
    EXPECT_EQ(ErrorOf([&] { source->GetRecordset().MoveLast(); }), dao::kNoCurrentRow);
    EXPECT_EQ(ErrorOf([&] { source->GetRecordset().MoveFirst(); }), dao::kNoCurrentRow);
}

TEST_F(RecordsetTest, DataControlBeforeRefreshHasNoRecordset) {
    dao::DataControl data(engine_);
    EXPECT_EQ(data.Connect(), "Access 2000;");
    EXPECT_EQ(ErrorOf([&] { data.GetRecordset(); }), dao::kNoCurrentRow);
}

TEST_F(RecordsetTest, RebindingReadsTheTableAgainFromItsFirstRow) {
    auto data = Bind(path_, "taunita");
    data->GetRecordset().MoveLast();
    data->SetRecordSource("vuota");
    data->Refresh();
    EXPECT_EQ(data->GetRecordset().RecordCount(), 0);
    data->SetRecordSource("TaUnita");
    data->Refresh();
    EXPECT_EQ(data->GetRecordset().Fields("descrizione").Value(), Variant("pz"));
}

// The rowids read at a binding serve the next one only while nobody wrote.
TEST_F(RecordsetTest, RebindingCountsRowsWrittenSinceByThisProgramOrAnother) {
    auto data = Bind(path_, "taunita");
    auto count = [&] {
        data->Refresh();
        if (data->GetRecordset().RecordCount() > 0) data->GetRecordset().MoveLast();
        return data->GetRecordset().RecordCount();
    };
    EXPECT_EQ(count(), 3);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &other), SQLITE_OK);
    sqlite3_exec(other, "INSERT INTO taunita (descrizione) VALUES ('lt')", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(count(), 4);
    engine_.OpenDatabase(path_)->Execute("Delete * from [taunita]");
    EXPECT_EQ(count(), 0);
    auto writer = Bind(path_, "taunita");
    writer->GetRecordset().AddNew();
    writer->GetRecordset().Fields("descrizione").SetValue(Variant("mt"));
    writer->GetRecordset().Update();
    EXPECT_EQ(count(), 1);
}

TEST_F(RecordsetTest, TwoControlsOnTheSameFileDoNotLockEachOtherOut) {
    auto target = Bind(path_, "vuota");
    auto source = Bind(path_, "taunita");
    auto& in = source->GetRecordset();
    auto& out = target->GetRecordset();
    while (!in.AtEOF()) {
        out.AddNew();
        out.Fields("a").SetValue(in.Fields("descrizione").Value());
        out.Update();
        in.MoveNext();
    }
    // A database opened on the same file meanwhile executes at once.
    auto db = engine_.OpenDatabase(path_);
    db->Execute("Delete * from [taunita]");
    db->Close();
    EXPECT_EQ(QueryFile(path_, "SELECT count(*) FROM vuota"), 3);
    EXPECT_EQ(QueryFile(path_, "SELECT count(*) FROM taunita"), 0);
}

TEST_F(RecordsetTest, CopyingATableIntoItselfStopsAtTheRowsItHadWhenOpened) {
    auto source = Bind(path_, "taunita");
    auto target = Bind(path_, "taunita");
    auto& in = source->GetRecordset();
    auto& out = target->GetRecordset();
    in.MoveLast();
    const int count = in.RecordCount();
    in.MoveFirst();
    for (int i = 0; i < count; ++i) {
        out.AddNew();
        out.Fields("descrizione").SetValue(Variant(in.Fields("descrizione").Value().ToString() + "2"));
        out.Fields("qtà").SetValue(in.Fields("qtà").Value());
        out.Update();
        in.MoveNext();
    }
    EXPECT_TRUE(in.AtEOF());
    target.reset();
    source.reset();
    EXPECT_EQ(QueryFile(path_, "SELECT count(*) FROM taunita"), 6);
}

// A long walk reads ahead only the fields asked of its first rows; a field
// asked later, or all of them by an edit, still reads its own row's value.
TEST_F(RecordsetTest, AFieldFirstAskedDeepInALongWalkReadsItsOwnRow) {
    auto data = Bind(path_, "vuota");
    auto& rs = data->GetRecordset();
    for (int i = 0; i < 3000; ++i) {
        rs.AddNew();
        rs.Fields("a").SetValue(Variant("r" + std::to_string(i)));
        rs.Fields("b").SetValue(Variant(i));
        rs.Fields("d").SetValue(Variant(std::to_string(i % 100)));
        rs.Update();
    }
    auto walk = Bind(path_, "vuota");
    auto& rows = walk->GetRecordset();
    for (int i = 0; i < 3000; ++i, rows.MoveNext()) {
        ASSERT_EQ(rows.Fields("b").Value(), Variant::Long(i));
        if (i == 2500) {
            EXPECT_EQ(rows.Fields("a").Value().ToString(), "r2500");
            rows.Edit();
            rows.Fields("c").SetValue(Variant(false));
            rows.Update();
        }
        if (i == 2501) {
            EXPECT_EQ(rows.Fields("d").Value().ToString(), "1");
        }
    }
    rows.MoveLast();
    EXPECT_EQ(rows.Fields("a").Value().ToString(), "r2999");
}

// A row wider than one call of the read's row taker reads every field in its place.
TEST_F(RecordsetTest, ATableOfManyFieldsReadsEachInItsPlace) {
    std::string create = "CREATE TABLE [larga] ([f0] LONG";
    for (int i = 1; i < 230; ++i) create += ", [f" + std::to_string(i) + "] " + (i % 2 ? "TEXT(10)" : "LONG");
    const std::string path = MakeDatabase("larga.mdb", {create + ")"});
    auto data = Bind(path, "larga");
    auto& rs = data->GetRecordset();
    for (int row = 0; row < 2; ++row) {
        rs.AddNew();
        for (int i = 0; i < 230; ++i)
            rs.Fields(i).SetValue(i % 2 ? Variant("t" + std::to_string(row * 1000 + i)) : Variant(row * 1000 + i));
        rs.Update();
    }
    auto walk = Bind(path, "larga");
    auto& rows = walk->GetRecordset();
    for (int row = 0; row < 2; ++row, rows.MoveNext())
        for (int i = 0; i < 230; ++i)
            ASSERT_EQ(rows.Fields(i).Value(),
                      i % 2 ? Variant("t" + std::to_string(row * 1000 + i)) : Variant::Long(row * 1000 + i))
                << "field " << i << " of row " << row;
}

// Another program writes, in a transaction of its own, while a binding of this
// one stands idle in the middle of its walk; the walk then goes on.
TEST_F(RecordsetTest, AnIdleBindingHoldsNoReadOnTheFile) {
    for (bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only" : "read-write");
        dao::DataControl data(engine_);
        data.SetReadOnly(readOnly);
        data.SetDatabaseName(path_);
        data.SetRecordSource("taunita");
        data.Refresh();
        dao::Recordset& rows = data.GetRecordset();
        rows.MoveNext();
        EXPECT_EQ(rows.Fields("descrizione").Value().ToString(), "kg");
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(path_.c_str(), &other), SQLITE_OK);
        const std::string insert = std::string("BEGIN IMMEDIATE; INSERT INTO taunita (descrizione) VALUES ('") +
                                   (readOnly ? "lt" : "mt") + "'); COMMIT;";
        EXPECT_EQ(sqlite3_exec(other, insert.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(other);
        sqlite3_close(other);
        rows.MoveNext();
        EXPECT_EQ(rows.Fields("descrizione").Value().ToString(), "cf");
    }
}

// A row that another program deleted after the binding read its rows, on a
// file it keeps in WAL mode: the walk meets a deleted record, not a damaged file.
TEST_F(RecordsetTest, ARowDeletedByAnotherProgramIsADeletedRecord) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr), SQLITE_OK);
    dao::DataControl data(engine_);
    data.SetDatabaseName(path_);
    data.SetRecordSource("taunita");
    data.Refresh();
    dao::Recordset& rows = data.GetRecordset();
    ASSERT_EQ(sqlite3_exec(other, "DELETE FROM taunita WHERE descrizione = 'pz'", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(other);
    EXPECT_EQ(ErrorOf([&] { rows.Fields("descrizione").Value(); }), dao::kRecordDeleted);
    rows.MoveNext();
    EXPECT_EQ(rows.Fields("descrizione").Value().ToString(), "kg");
}

} // namespace
} // namespace dbtest
