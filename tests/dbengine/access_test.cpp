// Real Access files read through the engine, against mdb-export as reference.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "dbengine/data_control.h"
#include "dbengine/engine.h"
#include "dbengine/access_reader/libmdb.h"
#include "dbengine/variant.h"
#include "engine_fixture.h"
#include "support/jet_files.h"

namespace {

using dao::Variant;
using dao::VarType;
using dbtest::ErrorOf;
using testing_support::JetFile;

// A value as mdb-export prints it (-T "%Y-%m-%d %H:%M:%S", Yes/No as 1/0).
std::string AsExported(const Variant& v) {
    char text[64];
    switch (v.Type()) {
    case VarType::Null: return "";
    case VarType::Boolean: return v.RawBool() ? "1" : "0";
    case VarType::Single: std::snprintf(text, sizeof text, "%.8g", v.ToSingle()); return text;
    case VarType::Double: std::snprintf(text, sizeof text, "%.16g", v.ToDouble()); return text;
    case VarType::Currency: {
        const long long scaled = v.RawInt(), whole = scaled / 10000, part = std::llabs(scaled % 10000);
        std::snprintf(text, sizeof text, "%s%lld.%04lld", scaled < 0 && whole == 0 ? "-" : "", whole, part);
        return text;
    }
    case VarType::Date: {
        int y, mo, d, h, mi, s;
        dao::SerialToDate(v.RawDouble(), y, mo, d, h, mi, s);
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", y, mo, d, h, mi, s);
        return text;
    }
    default: return v.ToString();
    }
}

// The rows of a table by mdb-export, fields split on unit separators.
std::vector<std::vector<std::string>> Exported(const std::string& file, const std::string& table) {
    const std::string command = "mdb-export -H -Q -b hex -d '\x1f' -R '\x1e' -T '%Y-%m-%d %H:%M:%S' '" + file + "' '" + table + "'";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line, '\x1e');) {
        rows.emplace_back();
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\x1f');) rows.back().push_back(field);
        if (!line.empty() && line.back() == '\x1f') rows.back().emplace_back();
    }
    return rows;
}

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) out += {digits[c >> 4], digits[c & 15]};
    return out;
}

class AccessFiles : public ::testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT_JET_FILES(); }
    dao::Recordset& Open(const std::string& file, const std::string& table) {
        control.SetDatabaseName(file);
        control.SetRecordSource(table);
        control.Refresh();
        return control.GetRecordset();
    }
    dao::DBEngine engine;
    dao::DataControl control{engine};
};

TEST_F(AccessFiles, EveryValueOfNwindEqualsMdbExport) {
    const std::pair<const char*, int> tables[] = {{"Order Details", 2155}, {"Orders", 830}, {"Products", 77},
                                                  {"Shippers", 3}, {"Categories", 8}, {"Customers", 91},
                                                  {"Employees", 9}, {"Suppliers", 29}, {"Umsätze", 830}};
    for (const auto& [table, count] : tables) {
        SCOPED_TRACE(table);
        const auto expected = Exported(JetFile("nwind.mdb"), table);
        auto& rs = Open(JetFile("nwind.mdb"), table);
        ASSERT_EQ(rs.RecordCount(), count);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(count));
        std::size_t row = 0;
        for (; !rs.AtEOF(); rs.MoveNext(), ++row) {
            for (int f = 0; f < rs.Fields().Count(); ++f) {
                const std::string value = AsExported(rs.Fields(f).Value());   // binary values exported in hex
                ASSERT_TRUE(value == expected[row][f] || Hex(value) == expected[row][f]) << row << " " << rs.Fields(f).Name();
            }
        }
        EXPECT_EQ(row, expected.size());
    }
}

TEST_F(AccessFiles, TypesAndNamesWithoutRegardToCase) {
    auto& rs = Open(JetFile("nwind.mdb"), "UMSÄTZE");
    EXPECT_EQ(rs.Name(), "Umsätze");
    auto& products = Open(JetFile("nwind.mdb"), "products");
    EXPECT_EQ(products.Fields("UNITPRICE").Type(), VarType::Currency);
    EXPECT_EQ(products.Fields("discontinued").Value().Type(), VarType::Boolean);
    EXPECT_EQ(products.Fields("UnitPrice").Value().RawInt(), 180000);   // 18.0000, from the stored integer
    products.MoveLast();
    EXPECT_EQ(products.PercentPosition(), 100);
    products.MoveNext();
    EXPECT_EQ(ErrorOf([&] { products.Fields("UnitPrice").Value(); }), dao::kNoCurrentRow);   // past the last row
    EXPECT_EQ(ErrorOf([&] { products.Fields("nessuno"); }), 3265);
    EXPECT_EQ(ErrorOf([&] { Open(JetFile("nwind.mdb"), "manca"); }), 3078);
}

// The day serials as libmdb's own row reader finds them in the file.
std::vector<std::vector<double>> StoredSerials(const std::string& file, std::string name, int columns) {
    std::vector<std::vector<double>> rows;
    MdbHandle* mdb = mdb_open(file.c_str(), MDB_NOFLAGS);
    MdbTableDef* table = mdb && mdb_read_catalog(mdb, MDB_TABLE) ? mdb_read_table_by_name(mdb, name.data(), MDB_TABLE) : nullptr;
    if (table && mdb_read_columns(table) && mdb_rewind_table(table) == 0) {
        while (mdb_fetch_row(table)) {
            rows.emplace_back();
            for (int c = 1; c <= columns; ++c)
                rows.back().push_back(mdb_get_double(mdb->pg_buf, static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c))->cur_value_start));
        }
    }
    if (table) mdb_free_tabledef(table);
    if (mdb) mdb_close(mdb);
    return rows;
}

// Dates from the 7th century to year 9999, where libmdb's own date text is
// wrong, come from the stored serial; each row's text names its years.
TEST_F(AccessFiles, DatesComeFromTheStoredSerial) {
    const auto stored = StoredSerials(JetFile("DateTestDatabase.mdb"), "DateTest", 3);
    auto& rs = Open(JetFile("DateTestDatabase.mdb"), "DateTest");
    ASSERT_EQ(rs.RecordCount(), 6);
    ASSERT_EQ(stored.size(), 6u);
    std::string years;
    for (std::size_t row = 0; !rs.AtEOF(); rs.MoveNext(), ++row) {
        for (int c = 0; c < 3; ++c) {
            ASSERT_EQ(rs.Fields(c + 1).Value().Type(), VarType::Date);
            EXPECT_EQ(rs.Fields(c + 1).Value().RawDouble(), stored[row][c]) << row;
        }
        years += rs.Fields("longtextcol").Value().ToString() + ": " + AsExported(rs.Fields("DateTimeCol").Value()).substr(0, 4) + "\n";
    }
    EXPECT_NE(years.find("Year 9999: 9999"), std::string::npos) << years;
    EXPECT_NE(years.find("Pre-1000 years: 0"), std::string::npos) << years;
}

TEST_F(AccessFiles, EveryWriteFailsAndLeavesTheFileAsItWas) {
    testing_support::TempDir dir;
    const std::string copy = dir.file("copia.mdb");
    std::filesystem::copy_file(JetFile("nwind.mdb"), copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    auto bytes = [&] { std::ifstream in(copy, std::ios::binary); return std::string(std::istreambuf_iterator<char>(in), {}); };
    const std::string before = bytes();

    auto& rs = Open(copy, "Shippers");
    EXPECT_EQ(ErrorOf([&] { rs.AddNew(); }), 3027);
    EXPECT_EQ(ErrorOf([&] { rs.Edit(); }), 3027);
    EXPECT_EQ(ErrorOf([&] { rs.Fields(1).SetValue("x"); }), 3027);
    EXPECT_EQ(ErrorOf([&] { rs.Update(); }), 3027);
    auto db = engine.OpenDatabase(copy);
    EXPECT_TRUE(db->ReadOnly());
    EXPECT_EQ(ErrorOf([&] { db->Execute("Delete * from [Shippers]"); }), 3027);
    EXPECT_EQ(ErrorOf([&] { engine.CompactDatabase(copy, dir.file("compatto.mdb")); }), 3027);
    db->Close();
    control.SetDatabaseName(dir.file("altro.mdb"));
    EXPECT_EQ(bytes(), before);
}

TEST_F(AccessFiles, LaterFormatsAndDamagedFilesAre3343) {
    testing_support::TempDir dir;
    std::ifstream in(JetFile("DateTestDatabase.mdb"), std::ios::binary);
    std::string head(8192, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    std::string ace = head;
    ace.replace(4, 15, "Standard ACE DB");
    ace[0x14] = 2;
    std::ofstream(dir.file("nuovo.accdb"), std::ios::binary) << ace;
    std::ofstream(dir.file("rotto.mdb"), std::ios::binary) << head.substr(0, 3000);
    for (const char* name : {"nuovo.accdb", "rotto.mdb"}) {
        try {
            engine.OpenDatabase(dir.file(name));
            ADD_FAILURE() << name << " opened";
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.Number(), 3343);
            EXPECT_EQ(e.Description(), "Formato di database non supportato o file danneggiato.");
        }
    }
}

} // namespace
