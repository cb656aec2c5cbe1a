#include "sql_copy.h"

#include <cstdio>
#include <sqlite3.h>
#include <stdexcept>

#include "catalogue/catalogue.h"
#include "dbengine/variant.h"
#include "run/empty_target_tables.h"
#include "sqlite_names.h"

namespace bench {
namespace {

std::string Literal(const dao::Variant& value) {
    char number[64];
    switch (value.Type()) {
    case dao::VarType::Empty:
    case dao::VarType::Null: return "NULL";
    case dao::VarType::Boolean: return value.ToBool() ? "-1" : "0";
    case dao::VarType::String: return TextLiteral(value.ToString());
    default:
        std::snprintf(number, sizeof number, "%.17g", value.ToDouble());
        return number;
    }
}

// The SELECT expression of one assignment, on the attached source.
std::string Expression(sqlite3* db, const conversione::TableConverter& converter,
                       const conversione::FieldAssignment& a, const std::string& sourceTable) {
    auto column = [&] {
        std::string stored = StoredColumn(db, "src", sourceTable, a.source);
        if (stored.empty()) throw std::runtime_error(converter.name + ": no source field " + a.source);
        return Quote(stored);
    };
    switch (a.kind) {
    case conversione::AssignmentKind::Copy: return column();
    case conversione::AssignmentKind::Constant: return Literal(a.constant);
    case conversione::AssignmentKind::RowCode: return Literal(dao::Variant(a.source)) + " || row_number() OVER ()";
    case conversione::AssignmentKind::MonthOf:   // dates are serial days from 30 December 1899
        return "strftime('%m', 2415018.5 + " + column() + ")";
    }
    return "NULL";
}

void CopyTable(sqlite3* db, const conversione::TableConverter& converter) {
    const std::string source = StoredTable(db, "src", converter.sourceTable);
    const std::string target = StoredTable(db, "main", converter.targetTable);
    if (source.empty() || target.empty()) throw std::runtime_error(converter.name + ": table missing");
    std::string columns, expressions;
    for (const conversione::FieldAssignment& a : converter.fields) {
        std::string stored = StoredColumn(db, "main", target, a.target);
        if (stored.empty()) throw std::runtime_error(converter.name + ": no target field " + a.target);
        if (!columns.empty()) {
            columns += ", ";
            expressions += ", ";
        }
        columns += Quote(stored);
        expressions += Expression(db, converter, a, source);
    }
    // Counters the converter does not set are numbered on, as the engine does.
    for (const std::string& counter : CounterColumns(db, target)) {
        if (columns.find(Quote(counter)) != std::string::npos) continue;
        columns += ", " + Quote(counter);
        expressions += ", (SELECT coalesce(max(" + Quote(counter) + "), 0) FROM main." + Quote(target) +
                       ") + row_number() OVER ()";
    }
    Exec(db, "INSERT INTO main." + Quote(target) + " (" + columns + ") SELECT " + expressions + " FROM src." +
                 Quote(source));
}

} // namespace

void CopyWithSql(const std::string& sourceFile, const std::string& targetFile) {
    sqlite3* db = OpenFile(targetFile, false);
    try {
        Exec(db, "ATTACH DATABASE " + TextLiteral(sourceFile) + " AS src");
        Exec(db, "BEGIN");
        for (const std::string& table : conversione::EmptiedTables()) {
            std::string stored = StoredTable(db, "main", table);
            if (!stored.empty()) Exec(db, "DELETE FROM main." + Quote(stored));
        }
        for (const conversione::TableConverter& converter : conversione::ConvertersInRunOrder())
            if (converter.shape == conversione::ConverterShape::CopyRows) CopyTable(db, converter);
        Exec(db, "COMMIT");
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
}

} // namespace bench
