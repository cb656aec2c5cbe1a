// Each numbered engine error: raised where it belongs, changing nothing else,
// and leaving the file openable.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "engine_fixture.h"
#include "winfs/error_descriptions.h"

namespace dbtest {
namespace {

using dao::Variant;

class ErrorsTest : public EngineTest {
protected:
    void SetUp() override {
        path_ = MakeDatabase("v7.mdb", {
            "CREATE TABLE [clienti] ([codice] TEXT(6) NOT NULL, [nome] TEXT(10), [fido] CURRENCY CHECK ([fido] >= 0), "
            "[età] BYTE, [pagato con ] TEXT(20), CONSTRAINT [pk] PRIMARY KEY ([codice]))",
            "INSERT INTO [clienti] ([codice], [nome], [fido]) VALUES ('C1', 'Rossi', 100)",
            "CREATE UNIQUE INDEX [nomi] ON [clienti] ([nome])",
        });
    }

    // The file still opens and holds exactly the rows expected.
    void ExpectRows(long long rows) {
        EXPECT_EQ(QueryFile(path_, "SELECT count(*) FROM clienti"), rows);
        dao::DBEngine fresh;
        dao::DataControl data(fresh);
        data.SetDatabaseName(path_);
        data.SetRecordSource("clienti");
        data.Refresh();
        data.GetRecordset().MoveLast();
        EXPECT_EQ(data.GetRecordset().RecordCount(), rows);
    }

    // Adds one row with the given values and saves it; returns the error number.
    int AddRow(const std::vector<std::pair<std::string, Variant>>& values) {
        auto data = Bind(path_, "clienti");
        auto& rs = data->GetRecordset();
        return ErrorOf([&] {
            rs.AddNew();
            for (const auto& [field, value] : values) rs.Fields(field).SetValue(value);
            rs.Update();
        });
    }

    std::string path_;
};

TEST_F(ErrorsTest, MissingFileIs3024) {
    EXPECT_EQ(ErrorOf([&] { engine_.OpenDatabase(File("nessuno.mdb")); }), dao::kFileNotFound);
    EXPECT_EQ(ErrorOf([&] { Bind(File("nessuno.mdb"), "clienti"); }), dao::kFileNotFound);
    EXPECT_EQ(ErrorOf([&] { Bind(File("manca/v7.mdb"), "clienti"); }), dao::kFileNotFound);
    EXPECT_FALSE(std::filesystem::exists(File("nessuno.mdb")));
}

TEST_F(ErrorsTest, AFolderGivenAsTheFileIs3024) {
    std::filesystem::create_directory(File("cartella.mdb"));
    EXPECT_EQ(ErrorOf([&] { engine_.OpenDatabase(File("cartella.mdb")); }), dao::kFileNotFound);
    EXPECT_EQ(ErrorOf([&] { Bind(dir_.path().string(), "clienti"); }), dao::kFileNotFound);
}

TEST_F(ErrorsTest, ATextFileIs3343AndStaysAsItWas) {
    std::string text = File("testo.mdb");
    std::ofstream(text) << "non sono un database\n";
    EXPECT_EQ(ErrorOf([&] { engine_.OpenDatabase(text); }), dao::kNotADatabase);
    EXPECT_EQ(ErrorOf([&] { Bind(text, "clienti"); }), dao::kNotADatabase);
    try {
        engine_.OpenDatabase(text);
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Description(), "Formato di database non supportato o file danneggiato.");   // as for an Access file
    }
    std::ifstream in(text);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "non sono un database");

    std::string empty = File("vuoto.mdb");
    std::ofstream{empty};
    EXPECT_EQ(ErrorOf([&] { engine_.OpenDatabase(empty); }), dao::kNotADatabase);
    EXPECT_EQ(std::filesystem::file_size(empty), 0u);
}

TEST_F(ErrorsTest, ATruncatedDatabaseIs3343) {
    // Enough rows to span several pages, then cut the file in half.
    std::string big = MakeDatabase("grande.mdb", {"CREATE TABLE [t] ([a] TEXT(200))"});
    {
        auto data = Bind(big, "t");
        for (int i = 0; i < 500; ++i) {
            data->GetRecordset().AddNew();
            data->GetRecordset().Fields("a").SetValue(Variant(std::string(150, 'x')));
            data->GetRecordset().Update();
        }
    }
    const auto size = std::filesystem::file_size(big);
    std::filesystem::resize_file(big, size / 2);
    EXPECT_EQ(ErrorOf([&] {
        auto data = Bind(big, "t");
        auto& rs = data->GetRecordset();
        rs.MoveLast();
        while (!rs.AtEOF()) {
            rs.Fields("a").Value();
            rs.MoveNext();
        }
    }), dao::kNotADatabase);
    std::filesystem::resize_file(big, 50);
    EXPECT_EQ(ErrorOf([&] { engine_.OpenDatabase(big); }), dao::kNotADatabase);
}

TEST_F(ErrorsTest, AReadOnlyFileOpensForReadingAndRefusesWritesWith3027) {
    std::filesystem::permissions(path_, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                            std::filesystem::perms::others_read);
    {
        auto db = engine_.OpenDatabase(path_);
        EXPECT_TRUE(db->ReadOnly());
        EXPECT_EQ(ErrorOf([&] { db->Execute("Delete * from [clienti]"); }), dao::kReadOnly);
        auto data = Bind(path_, "clienti");
        auto& rs = data->GetRecordset();
        EXPECT_EQ(rs.Fields("nome").Value(), Variant("Rossi"));
        EXPECT_EQ(AddRow({{"codice", Variant("C2")}}), dao::kReadOnly);
        rs.Edit();
        rs.Fields("nome").SetValue(Variant("Bianchi"));
        EXPECT_EQ(ErrorOf([&] { rs.Update(); }), dao::kReadOnly);
        EXPECT_EQ(rs.Fields("nome").Value(), Variant("Bianchi"));  // the edit stays pending
    }
    ExpectRows(1);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    auto db = engine_.OpenDatabase(path_);
    EXPECT_FALSE(db->ReadOnly());
}

TEST_F(ErrorsTest, MissingTableIs3078AndMissingFieldIs3265) {
    EXPECT_EQ(ErrorOf([&] { Bind(path_, "fornitori"); }), dao::kTableNotFound);
    auto db = engine_.OpenDatabase(path_);
    EXPECT_EQ(ErrorOf([&] { db->Execute("Delete * from [fornitori]"); }), dao::kTableNotFound);
    EXPECT_EQ(ErrorOf([&] { db->Execute("DROP TABLE [fornitori]"); }), dao::kTableNotFound);
    auto data = Bind(path_, "clienti");
    EXPECT_EQ(ErrorOf([&] { data->GetRecordset().Fields("cognome"); }), dao::kFieldNotFound);
    db->Close();
    ExpectRows(1);
}

TEST_F(ErrorsTest, AValueTheFieldCannotTakeIs3421WhenSet) {
    auto data = Bind(path_, "clienti");
    auto& rs = data->GetRecordset();
    rs.AddNew();
    EXPECT_EQ(ErrorOf([&] { rs.Fields("fido").SetValue(Variant("molto")); }), dao::kTypeRefused);
    EXPECT_EQ(ErrorOf([&] { rs.Fields("età").SetValue(Variant(300)); }), dao::kTypeRefused);
    EXPECT_EQ(ErrorOf([&] { rs.Fields("età").SetValue(Variant(-1)); }), dao::kTypeRefused);
    rs.Fields("età").SetValue(Variant("42"));
    EXPECT_EQ(rs.Fields("età").Value(), Variant::Byte(42));
    rs.CancelUpdate();
    data.reset();
    ExpectRows(1);
}

TEST_F(ErrorsTest, TooLongATextIs3163) {
    auto data = Bind(path_, "clienti");
    auto& rs = data->GetRecordset();
    rs.AddNew();
    EXPECT_EQ(ErrorOf([&] { rs.Fields("nome").SetValue(Variant("Abbondanzieri")); }), dao::kTextTooLong);
    // Ten characters fit, accented ones counted once.
    rs.Fields("nome").SetValue(Variant("àèìòùÀÈÌÒÙ"));
    rs.Fields("codice").SetValue(Variant("C9"));
    rs.Update();
    data.reset();
    ExpectRows(2);
}

TEST_F(ErrorsTest, NullInARequiredFieldIs3314) {
    EXPECT_EQ(AddRow({{"nome", Variant("Verdi")}}), dao::kNullInRequiredField);
    EXPECT_EQ(AddRow({{"codice", Variant::Null()}, {"nome", Variant("Verdi")}}), dao::kNullInRequiredField);
    ExpectRows(1);
}

TEST_F(ErrorsTest, ADuplicateKeyIs3022) {
    EXPECT_EQ(AddRow({{"codice", Variant("C1")}, {"nome", Variant("Verdi")}}), dao::kDuplicateKey);
    EXPECT_EQ(AddRow({{"codice", Variant("C2")}, {"nome", Variant("Rossi")}}), dao::kDuplicateKey);
    ExpectRows(1);
}

TEST_F(ErrorsTest, ABrokenValidationRuleIs3317) {
    EXPECT_EQ(AddRow({{"codice", Variant("C2")}, {"fido", Variant(-5)}}), dao::kValidationRule);
    EXPECT_EQ(AddRow({{"codice", Variant("C3")}, {"fido", Variant(5)}}), 0);
    ExpectRows(2);
}

TEST_F(ErrorsTest, UnsupportedStatementsAre3129) {
    auto db = engine_.OpenDatabase(path_);
    for (const char* statement : {"SELECT * FROM [clienti]", "UPDATE [clienti] SET [nome] = 'x'",
                                  "Delete * from [clienti] WHERE [codice] = 'C1'", "ALTER TABLE [clienti] ADD [x] LONG",
                                  "", "VACUUM", "Delete * from [clienti]; DROP TABLE [clienti]",
                                  "CREATE TABLE [x] ([a] BLOB)"}) {
        EXPECT_EQ(ErrorOf([&] { db->Execute(statement); }), dao::kStatementNotSupported) << statement;
    }
    db->Close();
    ExpectRows(1);
}

TEST_F(ErrorsTest, CompactingOntoAnExistingFileIs3204) {
    std::string target = File("copia.mdb");
    std::ofstream(target) << "occupato";
    EXPECT_EQ(ErrorOf([&] { engine_.CompactDatabase(path_, target); }), dao::kCompactTargetExists);
    EXPECT_EQ(ErrorOf([&] { engine_.CompactDatabase(path_, path_); }), dao::kCompactTargetExists);
    EXPECT_EQ(std::filesystem::file_size(target), 8u);
    EXPECT_EQ(ErrorOf([&] { engine_.CompactDatabase(File("manca.mdb"), File("altra.mdb")); }), dao::kFileNotFound);
    EXPECT_EQ(ErrorOf([&] { engine_.CreateDatabase(path_); }), dao::kCompactTargetExists);
    ExpectRows(1);
}

TEST_F(ErrorsTest, ErrorsCarryTheirItalianDescription) {
    for (int number : {3021, 3022, 3024, 3027, 3078, 3129, 3163, 3204, 3265, 3314, 3317, 3343, 3421})
        EXPECT_FALSE(vb::Describe(number).empty()) << number;
    EXPECT_EQ(vb::Describe(3024), "Impossibile trovare il file.");
    EXPECT_EQ(vb::Describe(3078), "Impossibile trovare la tabella.");
    try {
        dao::Raise(3078, "fornitori");
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 3078);
        // The operator reads the description alone; the detail is kept apart.
        EXPECT_EQ(e.Description(), "Impossibile trovare la tabella.");
        EXPECT_EQ(e.Detail(), "fornitori");
        EXPECT_NE(std::string(e.what()).find("fornitori"), std::string::npos);
    }
}

} // namespace
} // namespace dbtest
