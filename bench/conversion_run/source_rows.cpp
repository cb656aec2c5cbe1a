#include "source_rows.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <sqlite3.h>
#include <stdexcept>
#include <vector>

#include "fresh_codes.h"
#include "key_plan.h"
#include "sqlite_names.h"

namespace bench {
namespace {

struct Closer {
    sqlite3* db;
    ~Closer() { sqlite3_close(db); }
};

std::int64_t QueryNumber(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
    std::int64_t value = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    return value;
}

std::vector<std::string> TextsOf(sqlite3* db, const std::string& table, const std::string& column) {
    sqlite3_stmt* stmt = nullptr;
    const std::string sql = "SELECT " + Quote(column) + " FROM main." + Quote(table) + " WHERE " + Quote(column) +
                            " IS NOT NULL";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
    std::vector<std::string> texts;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        texts.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return texts;
}

// A value of the declared type, as the engine stores it.
std::string MadeUpValue(const std::string& declared) {
    if (const int width = TextWidth(declared)) return TextLiteral(std::string("Generata").substr(0, width));
    if (declared == "LONGTEXT") return "'Generata'";
    if (declared == "DATETIME") return "38247.0";   // serial day: 17 September 2004
    if (declared == "YESNO") return "0";
    if (declared == "DOUBLE" || declared == "SINGLE" || declared == "CURRENCY") return "1.0";
    if (declared == "BYTE" || declared == "SHORT" || declared == "LONG" || declared == "COUNTER") return "1";
    return "NULL";
}

void InsertMadeUpRow(sqlite3* db, const TablePlan& plan) {
    std::string columns, values;
    for (const ColumnPlan& c : plan.columns) {
        columns += (columns.empty() ? "" : ", ") + Quote(c.name);
        values += (values.empty() ? "" : ", ") + MadeUpValue(c.declared);
    }
    Exec(db, "INSERT INTO main." + Quote(plan.table) + " (" + columns + ") VALUES (" + values + ")");
}

// A power of ten above every renumbered demo value: copy k adds k times it.
std::int64_t Stride(sqlite3* db, const std::vector<TablePlan>& plans) {
    std::int64_t largest = 0;
    for (const TablePlan& plan : plans)
        for (const ColumnPlan& c : plan.columns)
            if (c.action == ColumnAction::Renumber)
                largest = std::max(largest, QueryNumber(db, "SELECT coalesce(max(abs(" + Quote(c.name) + ")), 0) FROM main." +
                                                                Quote(plan.table)));
    std::int64_t stride = 10;
    while (stride <= largest) stride *= 10;
    return stride;
}

// Copies a table can hold before its fresh codes run out.
long CopiesCap(const TablePlan& plan, long demoRows) {
    long cap = LONG_MAX;
    for (const ColumnPlan& c : plan.columns)
        if (c.action == ColumnAction::Fresh)
            cap = std::min(cap, 1 + (FreshCodes::Capacity(c.width) - demoRows) / demoRows);
    return std::max(cap, 1L);
}

long RowsWith(long copies, const std::vector<long>& demoRows, const std::vector<long>& caps) {
    long rows = 0;
    for (std::size_t i = 0; i < demoRows.size(); ++i) rows += demoRows[i] * std::min(copies, caps[i]);
    return rows;
}

// The fewest copies that give the wanted rows (caps spread the rest on the others).
long CopiesFor(long rowsWanted, long largest, const std::vector<long>& demoRows, const std::vector<long>& caps) {
    if (RowsWith(largest, demoRows, caps) < rowsWanted)
        throw std::runtime_error(std::to_string(rowsWanted) + " rows are more than the keys can number");
    long low = 1, high = largest;
    while (low < high) {
        const long middle = low + (high - low) / 2;
        if (RowsWith(middle, demoRows, caps) >= rowsWanted) high = middle;
        else low = middle + 1;
    }
    return low;
}

std::string CopyExpression(sqlite3* db, const TablePlan& plan, const ColumnPlan& c, std::int64_t stride,
                           FreshCodes& fresh) {
    switch (c.action) {
    case ColumnAction::Keep: return "d." + Quote(c.name);
    case ColumnAction::Renumber: return "d." + Quote(c.name) + " + copies.k * " + std::to_string(stride);
    case ColumnAction::Fresh:
        return "bench_fresh(" + std::to_string(fresh.AddSlot(c.width, TextsOf(db, plan.table, c.name))) + ")";
    }
    return "NULL";
}

// Copies 1 .. copies-1 of the demo rows, copy by copy in demo order.
void Multiply(sqlite3* db, const TablePlan& plan, long copies, std::int64_t stride, FreshCodes& fresh) {
    if (copies < 2) return;
    std::string columns, expressions;
    for (const ColumnPlan& c : plan.columns) {
        columns += (columns.empty() ? "" : ", ") + Quote(c.name);
        expressions += (expressions.empty() ? "" : ", ") + CopyExpression(db, plan, c, stride, fresh);
    }
    Exec(db, "CREATE TEMP TABLE bench_demo AS SELECT * FROM main." + Quote(plan.table));
    Exec(db, "INSERT INTO main." + Quote(plan.table) + " (" + columns +
                 ") WITH RECURSIVE copies(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM copies WHERE k < " +
                 std::to_string(copies - 1) + ") SELECT " + expressions +
                 " FROM copies CROSS JOIN temp.bench_demo AS d");
    Exec(db, "DROP TABLE temp.bench_demo");
}

} // namespace

SourceFill MultiplyDemoRows(const std::string& sourceFile, const std::string& targetTemplate, long rowsWanted) {
    sqlite3* db = OpenFile(sourceFile, false);
    Closer closer{db};
    Exec(db, "ATTACH DATABASE " + TextLiteral(targetTemplate) + " AS v7");
    const std::vector<TablePlan> plans = PlanTables(db);
    Exec(db, "PRAGMA synchronous = OFF");
    Exec(db, "BEGIN");

    SourceFill fill;
    std::vector<long> demoRows, caps;
    for (const TablePlan& plan : plans) {
        if (CountRows(db, "main", plan.table) == 0) {
            InsertMadeUpRow(db, plan);
            ++fill.madeUp;
        }
        demoRows.push_back(CountRows(db, "main", plan.table));
        caps.push_back(CopiesCap(plan, demoRows.back()));
    }
    const std::int64_t stride = Stride(db, plans);
    fill.copies = CopiesFor(rowsWanted, static_cast<long>(INT32_MAX / stride), demoRows, caps);

    FreshCodes fresh;
    fresh.Register(db);
    for (std::size_t i = 0; i < plans.size(); ++i) Multiply(db, plans[i], std::min(fill.copies, caps[i]), stride, fresh);
    Exec(db, "COMMIT");
    Exec(db, "DETACH DATABASE v7");

    for (const TablePlan& plan : plans) fill.rows += CountRows(db, "main", plan.table);
    fill.tables = static_cast<int>(plans.size());
    return fill;
}

} // namespace bench
