// Execute: the statement subset, names as stored, types kept in the schema,
// defaults, counters, and compaction.
#include <filesystem>
#include <fstream>

#include "engine_fixture.h"

namespace dbtest {
namespace {

using dao::Variant;
using dao::VarType;

class ExecuteTest : public EngineTest {};

TEST_F(ExecuteTest, NamesWithBlanksSignsAccentsAndATrailingBlankReachTheFileAsWritten) {
    std::string path = MakeDatabase("v7.mdb", {
        "CREATE TABLE [anagrafica azienda] ([id tabella] LONG, [provv%] DOUBLE, [%listino] TEXT(10), "
        "[attività] TEXT(20), [pagato con ] TEXT(20), [1a riga] TEXT(5))",
        "INSERT INTO [ANAGRAFICA AZIENDA] ([ID TABELLA], [PROVV%], [%LISTINO], [ATTIVITÀ], [PAGATO CON ], [1A RIGA]) "
        "VALUES (1, 2.5, 'L1', 'vendita', 'contanti', 'r')",
    });
    EXPECT_EQ(QueryFile(path, "SELECT count(*) FROM \"anagrafica azienda\" WHERE \"pagato con \" = 'contanti' "
                              "AND \"attività\" = 'vendita' AND \"provv%\" = 2.5 AND \"%listino\" = 'L1'"),
              1);
    auto data = Bind(path, "Anagrafica Azienda");
    auto& rs = data->GetRecordset();
    EXPECT_EQ(rs.Fields("pagato con ").Value(), Variant("contanti"));
    EXPECT_EQ(rs.Fields("PAGATO CON ").Name(), "pagato con ");
    EXPECT_EQ(ErrorOf([&] { rs.Fields("pagato con"); }), dao::kFieldNotFound);
    EXPECT_EQ(rs.Fields("ATTIVITÀ").Value(), Variant("vendita"));
    EXPECT_EQ(rs.Fields("1A RIGA").Value(), Variant("r"));
}

TEST_F(ExecuteTest, TablesDifferingOnlyInLetterCaseAreOneTable) {
    std::string path = MakeDatabase("v7.mdb", {"CREATE TABLE [fatturaV] ([n] LONG)",
                                               "INSERT INTO [fatturav] ([n]) VALUES (1)"});
    auto db = engine_.OpenDatabase(path);
    EXPECT_EQ(ErrorOf([&] { db->Execute("CREATE TABLE [FATTURAV] ([n] LONG)"); }), 3010);
    db->Execute("Delete * from [FatturaV]");
    db->Close();
    EXPECT_EQ(QueryFile(path, "SELECT count(*) FROM fatturaV"), 0);
    db = engine_.OpenDatabase(path);
    db->Execute("DROP TABLE [FATTURAV]");
    EXPECT_EQ(ErrorOf([&] { Bind(path, "fatturaV"); }), dao::kTableNotFound);
}

TEST_F(ExecuteTest, FieldTypesAreKeptInTheSchemaAndValuesConvertToThem) {
    std::string path = MakeDatabase("v7.mdb", {
        "CREATE TABLE [t] ([testo] VARCHAR(10), [memo] MEMO, [b] BYTE, [i] INTEGER, [s] SHORT, [l] LONG, "
        "[sg] SINGLE, [d] DOUBLE, [c] CURRENCY, [dt] DATETIME, [yn] YESNO, [bit] BIT, [n] COUNTER, [a] AUTOINCREMENT)",
        "INSERT INTO [t] ([testo], [memo], [b], [i], [s], [l], [sg], [d], [c], [dt], [yn], [bit]) VALUES "
        "(12, 'lungo', '7', 2.5, -3, '123456', 0.5, '1,25', 12.34567, #2024-03-05 10:20:30#, TRUE, 0)",
    });
    EXPECT_EQ(QueryFile(path, "SELECT count(*) FROM sqlite_master WHERE sql LIKE '%\"testo\" TEXT(10)%' "
                              "AND sql LIKE '%CURRENCY%' AND sql LIKE '%YESNO%' AND sql LIKE '%COUNTER%'"),
              1);
    auto data = Bind(path, "t");
    auto& rs = data->GetRecordset();
    EXPECT_EQ(rs.Fields("testo").Value(), Variant("12"));
    EXPECT_EQ(rs.Fields("memo").Value(), Variant("lungo"));
    EXPECT_EQ(rs.Fields("b").Value(), Variant::Byte(7));
    EXPECT_EQ(rs.Fields("i").Value(), Variant::Integer(2));  // rounded to even
    EXPECT_EQ(rs.Fields("s").Value(), Variant::Integer(-3));
    EXPECT_EQ(rs.Fields("l").Value(), Variant::Long(123456));
    EXPECT_EQ(rs.Fields("sg").Value(), Variant::Single(0.5f));
    EXPECT_EQ(rs.Fields("d").Value(), Variant::Double(1.25));
    EXPECT_EQ(rs.Fields("c").Value(), Variant::CurrencyScaled(123457));
    EXPECT_EQ(rs.Fields("dt").Value(), Variant::Date(2024, 3, 5, 10, 20, 30));
    EXPECT_EQ(rs.Fields("yn").Value(), Variant(true));
    EXPECT_EQ(rs.Fields("bit").Value(), Variant(false));
    EXPECT_EQ(rs.Fields("n").Value(), Variant::Long(1));
    EXPECT_EQ(rs.Fields("a").Value(), Variant::Long(1));
    EXPECT_EQ(rs.Fields("c").Type(), VarType::Currency);
    EXPECT_EQ(rs.Fields("dt").Type(), VarType::Date);
    EXPECT_EQ(rs.Fields("yn").Type(), VarType::Boolean);
    EXPECT_EQ(rs.Fields("i").Type(), VarType::Integer);
    EXPECT_EQ(rs.Fields("memo").Type(), VarType::String);
}

TEST_F(ExecuteTest, TextKeepsDigitsAsText) {
    std::string path = MakeDatabase("v7.mdb", {"CREATE TABLE [t] ([a] TEXT(10), [m] MEMO)"});
    auto data = Bind(path, "t");
    auto& rs = data->GetRecordset();
    rs.AddNew();
    rs.Fields("a").SetValue(Variant("007"));
    rs.Fields("m").SetValue(Variant("0012"));
    rs.Update();
    data->Refresh();
    EXPECT_EQ(data->GetRecordset().Fields("a").Value(), Variant("007"));
    EXPECT_EQ(data->GetRecordset().Fields("m").Value(), Variant("0012"));
}

TEST_F(ExecuteTest, CountersNumberNewRowsOnePastTheLargest) {
    std::string path = MakeDatabase("v7.mdb", {
        "CREATE TABLE [t] ([id] COUNTER, [x] TEXT(5), CONSTRAINT [pk] PRIMARY KEY ([id]))",
        "INSERT INTO [t] ([x]) VALUES ('a')",
        "INSERT INTO [t] ([id], [x]) VALUES (10, 'b')",
        "INSERT INTO [t] ([x]) VALUES ('c')",
    });
    auto data = Bind(path, "t");
    auto& rs = data->GetRecordset();
    rs.AddNew();
    rs.Fields("x").SetValue(Variant("d"));
    rs.Update();
    rs.MoveLast();
    EXPECT_EQ(rs.Fields("id").Value(), Variant::Long(12));
    data.reset();
    EXPECT_EQ(QueryFile(path, "SELECT sum(id) FROM t"), 1 + 10 + 11 + 12);
}

// A control bound again to its file numbers on from what another program
// added in between, not from what it counted before.
TEST_F(ExecuteTest, CountersAfterARebindingCountRowsAddedMeanwhile) {
    std::string path = MakeDatabase("v7.mdb", {"CREATE TABLE [t] ([id] COUNTER, [x] TEXT(5))"});
    auto data = Bind(path, "t");
    auto add = [&] {
        data->GetRecordset().AddNew();
        data->GetRecordset().Update();
    };
    add();
    data->Refresh();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(other, "INSERT INTO t (id) VALUES (50)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    data->Refresh();
    add();
    data.reset();
    EXPECT_EQ(QueryFile(path, "SELECT max(id) FROM t"), 51);
}

TEST_F(ExecuteTest, DefaultsNotNullAndChecksComeFromTheSchema) {
    std::string path = MakeDatabase("v7.mdb", {
        "CREATE TABLE [t] ([a] TEXT(5) NOT NULL DEFAULT '0', [n] LONG DEFAULT -1, [d] DATETIME DEFAULT #2000-01-01#, "
        "[c] CURRENCY DEFAULT 1.5, [y] YESNO DEFAULT FALSE, [q] DOUBLE CHECK ([q] BETWEEN 0 AND 10))",
        "INSERT INTO [t] ([q]) VALUES (5)",
    });
    auto data = Bind(path, "t");
    auto& rs = data->GetRecordset();
    EXPECT_EQ(rs.Fields("a").Value(), Variant("0"));
    EXPECT_EQ(rs.Fields("n").Value(), Variant::Long(-1));
    EXPECT_EQ(rs.Fields("d").Value(), Variant::Date(2000, 1, 1));
    EXPECT_EQ(rs.Fields("c").Value(), Variant::CurrencyScaled(15000));
    EXPECT_EQ(rs.Fields("y").Value(), Variant(false));
    auto db = engine_.OpenDatabase(path);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [t] ([q]) VALUES (11)"); }), dao::kValidationRule);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [t] ([a]) VALUES (NULL)"); }), dao::kNullInRequiredField);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [t] ([a]) VALUES ('troppo lungo')"); }), dao::kTextTooLong);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [t] ([n]) VALUES ('x')"); }), dao::kTypeRefused);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [t] ([zz]) VALUES (1)"); }), 3127);
    EXPECT_EQ(QueryFile(path, "SELECT count(*) FROM t"), 1);
}

TEST_F(ExecuteTest, ValidationRulesUseBasicLiteralsAndWildcards) {
    std::string path = MakeDatabase("v7.mdb", {
        "CREATE TABLE [t] ([cod] TEXT(5) CHECK ([cod] LIKE 'A*'), [dal] DATETIME CHECK ([dal] >= #2000-01-01#), "
        "[ok] YESNO CHECK ([ok] = TRUE OR [ok] = FALSE), [qtà] LONG, CHECK ([QTÀ] <> 0 AND Len([cod]) > 1))",
        "INSERT INTO [t] ([cod], [dal], [ok], [qtà]) VALUES ('AB', #2001-02-03#, TRUE, 1)",
    });
    auto db = engine_.OpenDatabase(path);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [t] ([cod]) VALUES ('BB')"); }), dao::kValidationRule);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [t] ([cod], [dal]) VALUES ('AB', #1999-12-31#)"); }),
              dao::kValidationRule);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [t] ([cod], [qtà]) VALUES ('AB', 0)"); }), dao::kValidationRule);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [t] ([cod], [qtà]) VALUES ('A', 1)"); }), dao::kValidationRule);
    db->Execute("INSERT INTO [t] ([cod], [qtà]) VALUES ('AZ', 2)");
    db->Close();
    EXPECT_EQ(QueryFile(path, "SELECT count(*) FROM t"), 2);
}

TEST_F(ExecuteTest, UniqueIndexesAndCompositeKeys) {
    std::string path = MakeDatabase("v7.mdb", {
        "CREATE TABLE [righe] ([doc] LONG, [riga] SHORT, [cod] TEXT(5), CONSTRAINT [pk] PRIMARY KEY ([doc], [riga]))",
        "CREATE UNIQUE INDEX [ix] ON [righe] ([cod])",
        "CREATE TABLE [altre] ([cod] TEXT(5))",
        "CREATE INDEX [ix] ON [altre] ([cod] DESC)",   // index names are per table
        "INSERT INTO [righe] ([doc], [riga], [cod]) VALUES (1, 1, 'a')",
        "INSERT INTO [righe] ([doc], [riga], [cod]) VALUES (1, 2, 'b')",
    });
    auto db = engine_.OpenDatabase(path);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [righe] ([doc], [riga], [cod]) VALUES (1, 2, 'c')"); }),
              dao::kDuplicateKey);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [righe] ([doc], [riga], [cod]) VALUES (2, 1, 'a')"); }),
              dao::kDuplicateKey);
    EXPECT_EQ(ErrorOf([&] { db->Execute("INSERT INTO [righe] ([doc], [cod]) VALUES (3, 'z')"); }),
              dao::kNullInRequiredField);
    db->Execute("INSERT INTO [righe] ([doc], [riga], [cod]) VALUES (2, 1, 'c')");
    db->Close();
    EXPECT_EQ(QueryFile(path, "SELECT count(*) FROM righe"), 3);
}

TEST_F(ExecuteTest, StatementsAcceptAClosingSemicolonAndLetterCase) {
    std::string path = MakeDatabase("v7.mdb", {"create table [t] ([a] text(5));",
                                               "insert into [t] values ('x');", "DELETE FROM [t];"});
    EXPECT_EQ(QueryFile(path, "SELECT count(*) FROM t"), 0);
}

TEST_F(ExecuteTest, CompactionWritesACopyWithTheSameRowsAndLeavesTheSourceUnchanged) {
    std::string path = MakeDatabase("v7.mdb", {"CREATE TABLE [t] ([a] TEXT(50), [n] LONG)"});
    {
        auto data = Bind(path, "t");
        for (int i = 0; i < 2000; ++i) {
            data->GetRecordset().AddNew();
            data->GetRecordset().Fields("a").SetValue(Variant("riga " + std::to_string(i)));
            data->GetRecordset().Fields("n").SetValue(Variant(i));
            data->GetRecordset().Update();
        }
        auto db = engine_.OpenDatabase(path);
        db->Execute("Delete * from [t]");
        db->Execute("INSERT INTO [t] ([a], [n]) VALUES ('ultima', 1)");
    }
    const auto before = std::filesystem::file_size(path);
    const auto time = std::filesystem::last_write_time(path);
    engine_.CompactDatabase(path, File("v7a.mdb"));
    EXPECT_EQ(std::filesystem::file_size(path), before);
    EXPECT_EQ(std::filesystem::last_write_time(path), time);
    EXPECT_LT(std::filesystem::file_size(File("v7a.mdb")), before);
    auto copy = Bind(File("v7a.mdb"), "T");
    EXPECT_EQ(copy->GetRecordset().RecordCount(), 1);
    EXPECT_EQ(copy->GetRecordset().Fields("a").Value(), Variant("ultima"));
    copy->GetRecordset().Edit();  // the copy is a writable database
    copy->GetRecordset().Fields("n").SetValue(Variant(2));
    copy->GetRecordset().Update();
}

TEST_F(ExecuteTest, CompactionSeesWhatAnOpenDataControlWrote) {
    std::string path = MakeDatabase("v7.mdb", {"CREATE TABLE [t] ([a] TEXT(50))"});
    auto data = Bind(path, "t");
    data->GetRecordset().AddNew();
    data->GetRecordset().Fields("a").SetValue(Variant("x"));
    data->GetRecordset().Update();
    engine_.CompactDatabase(path, File("copia.mdb"));
    EXPECT_EQ(QueryFile(File("copia.mdb"), "SELECT count(*) FROM t"), 1);
    data->GetRecordset().MoveFirst();   // the recordset still works after the compaction
    EXPECT_EQ(data->GetRecordset().Fields("a").Value(), Variant("x"));
}

TEST_F(ExecuteTest, CompactingSomethingThatIsNoDatabaseIs3343) {
    std::string text = File("testo.mdb");
    { std::ofstream out(text); out << "testo"; }
    EXPECT_EQ(ErrorOf([&] { engine_.CompactDatabase(text, File("copia.mdb")); }), dao::kNotADatabase);
    EXPECT_FALSE(std::filesystem::exists(File("copia.mdb")));
}

TEST_F(ExecuteTest, AnEmptyNewDatabaseIsADatabase) {
    std::string path = MakeDatabase("nuovo.mdb", {});
    EXPECT_GT(std::filesystem::file_size(path), 0u);
    auto db = engine_.OpenDatabase(path);
    EXPECT_FALSE(db->ReadOnly());
    db->Close();
    engine_.CompactDatabase(path, File("nuovo2.mdb"));
    EXPECT_NO_THROW(engine_.OpenDatabase(File("nuovo2.mdb")));
}

} // namespace
} // namespace dbtest
