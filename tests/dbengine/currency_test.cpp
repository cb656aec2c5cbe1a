// Money as the engine reads it: exact to the fourth decimal over the whole
// Currency range, an overflow past it.
#include "engine_fixture.h"

namespace dbtest {
namespace {

using dao::Variant;

TEST(CurrencyTest, ConvertsTheStoredDoubleThroughItsDecimalDigits) {
    const struct {
        double stored;
        std::int64_t tenThousandths;
    } rows[] = {
        {12345678.90, 123456789000},
        {1234.5678, 12345678},
        {99999.9999, 999999999},
        {0.1 + 0.2, 3000},
        {-0.00005, 0},                 // a half to the even neighbour
        {0.00015, 2},
        {900719925474.0991, 9007199254740991},
        {123456789012345.6789, 1234567890123456700},   // the double holds ...345.67
        {-922337203685477.5, -9223372036854775000},
    };
    for (const auto& row : rows) EXPECT_EQ(Variant::Currency(row.stored).RawInt(), row.tenThousandths) << row.stored;
    for (double beyond : {922337203685477.5807, -922337203685478.0, 1e20, -1e300})
        EXPECT_EQ(ErrorOf([&] { Variant::Currency(beyond); }), vb::kOverflow) << beyond;
}

TEST_F(EngineTest, StoredMoneyPastTheCurrencyRangeIsAnOverflowNotAWrappedSign) {
    // Written by another tool: the engine itself refuses such an amount.
    const std::string path = MakeDatabase("money.mdb", {"CREATE TABLE [m] ([id] LONG, [importo] CURRENCY)"});
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "INSERT INTO m VALUES (1, 123456789012.3456); INSERT INTO m VALUES (2, 922337203685477.5807);"
                           "INSERT INTO m VALUES (3, 922337203685478)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    auto data = Bind(path, "m");
    auto& rs = data->GetRecordset();
    EXPECT_EQ(rs.Fields("importo").Value(), Variant::CurrencyScaled(1234567890123456));
    rs.MoveNext();
    EXPECT_EQ(ErrorOf([&] { rs.Fields("importo").Value(); }), vb::kOverflow);
    rs.MoveNext();
    EXPECT_EQ(ErrorOf([&] { rs.Fields("importo").Value(); }), vb::kOverflow);
}

} // namespace
} // namespace dbtest
