#include "source_rows.h"

#include <map>
#include <set>
#include <sqlite3.h>
#include <vector>

#include "dbengine/data_control.h"
#include "dbengine/engine.h"
#include "dbengine/recordset.h"
#include "run/catalogue.h"
#include "sqlite_names.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace bench {
namespace {

using Row = std::vector<dao::Variant>;

std::string Base36(long n) {
    const char* digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string text;
    do {
        text.insert(text.begin(), digits[n % 36]);
        n /= 36;
    } while (n > 0);
    return text;
}

// Folded source fields whose values either table keys on.
std::set<std::string> KeyedSourceFields(sqlite3* source, sqlite3* target,
                                        const conversione::TableConverter& converter) {
    std::set<std::string> keyed;
    const std::string sourceTable = StoredTable(source, "main", converter.sourceTable);
    if (!sourceTable.empty()) keyed = UniqueColumns(source, sourceTable);
    const std::string table = StoredTable(target, "main", converter.targetTable);
    if (table.empty()) return keyed;
    const std::set<std::string> unique = UniqueColumns(target, table);
    for (const conversione::FieldAssignment& a : converter.fields)
        if (a.kind == conversione::AssignmentKind::Copy && unique.count(winfs::FoldCase(a.target)))
            keyed.insert(winfs::FoldCase(a.source));
    return keyed;
}

// Sets a keyed field to a value no other copy has: the number moved by a
// large step, the text with a suffix (or the bare suffix when too long).
void SetFresh(dao::Field& field, const dao::Variant& value, long unique) {
    std::vector<dao::Variant> candidates;
    if (value.IsNumeric()) {
        candidates.push_back(dao::Variant::Double(value.ToDouble() + static_cast<double>(unique) * 100000.0));
    } else if (value.Type() == dao::VarType::String) {
        candidates.push_back(dao::Variant(value.ToString() + "~" + Base36(unique)));
        candidates.push_back(dao::Variant(Base36(unique)));
    }
    candidates.push_back(value);
    for (const dao::Variant& candidate : candidates) {
        try {
            field.SetValue(candidate);
            return;
        } catch (const vb::RuntimeError&) {
        }
    }
}

std::vector<Row> ReadRows(dao::Recordset& rows) {
    std::vector<Row> all;
    if (rows.RecordCount() == 0) return all;
    for (rows.MoveFirst(); !rows.AtEOF(); rows.MoveNext()) {
        Row row;
        for (int i = 0; i < rows.Fields().Count(); ++i) row.push_back(rows.Fields(i).Value());
        all.push_back(std::move(row));
    }
    return all;
}

} // namespace

SourceFill MultiplyDemoRows(const std::string& sourceFile, const std::string& targetTemplate, long rowsWanted) {
    sqlite3* target = nullptr;
    sqlite3_open_v2(targetTemplate.c_str(), &target, SQLITE_OPEN_READONLY, nullptr);
    sqlite3* sourceSchema = nullptr;
    sqlite3_open_v2(sourceFile.c_str(), &sourceSchema, SQLITE_OPEN_READONLY, nullptr);

    dao::DBEngine engine;
    dao::DataControl control(engine);
    control.SetDatabaseName(sourceFile);

    struct Table { const conversione::TableConverter* converter; std::vector<Row> demo; };
    std::vector<Table> tables;
    for (const conversione::TableConverter& converter : conversione::ConvertersInRunOrder()) {
        if (converter.shape != conversione::ConverterShape::CopyRows) continue;
        control.SetRecordSource(converter.sourceTable);
        control.Refresh();
        std::vector<Row> demo = ReadRows(control.GetRecordset());
        if (!demo.empty()) tables.push_back({&converter, std::move(demo)});
    }

    SourceFill fill;
    fill.tables = static_cast<int>(tables.size());
    for (const Table& table : tables) fill.rows += static_cast<long>(table.demo.size());
    if (tables.empty()) {
        sqlite3_close(target);
        sqlite3_close(sourceSchema);
        return fill;
    }
    const long share = rowsWanted / static_cast<long>(tables.size()) + 1;

    for (const Table& table : tables) {
        control.SetRecordSource(table.converter->sourceTable);
        control.Refresh();
        dao::Recordset& rows = control.GetRecordset();
        const std::set<std::string> keyed = KeyedSourceFields(sourceSchema, target, *table.converter);
        std::vector<bool> isKeyed;
        for (int i = 0; i < rows.Fields().Count(); ++i)
            isKeyed.push_back(keyed.count(winfs::FoldCase(rows.Fields(i).Name())) > 0);

        const long demoRows = static_cast<long>(table.demo.size());
        for (long unique = demoRows; unique < share; ++unique) {
            const Row& original = table.demo[unique % demoRows];
            rows.AddNew();
            for (int i = 0; i < rows.Fields().Count(); ++i) {
                if (original[i].IsNull()) continue;
                dao::Field& field = rows.Fields(i);
                try {
                    if (isKeyed[i]) SetFresh(field, original[i], unique);
                    else field.SetValue(original[i]);
                } catch (const vb::RuntimeError&) {
                    // A counter the engine numbers itself.
                }
            }
            try {
                rows.Update();
                ++fill.rows;
            } catch (const vb::RuntimeError&) {
                rows.CancelUpdate();
                ++fill.refused;
            }
        }
    }
    sqlite3_close(target);
    sqlite3_close(sourceSchema);
    return fill;
}

} // namespace bench
