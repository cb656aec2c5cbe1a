#include "key_plan.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "catalogue/catalogue.h"
#include "sqlite_names.h"
#include "winfs/paths.h"

namespace bench {
namespace {

using Key = std::set<std::string>;   // folded column names

bool IsWholeNumber(const std::string& declared) { return declared == "LONG" || declared == "COUNTER"; }

// Whole-number fields that name a registry row without being a key: renumbered
// with the keys, so that a copy of a document names the same copy of its customer.
const std::set<std::string> kReferences{"id_paziente", "codeagente", "fornitore"};

// A version-7 key in source names. Empty when the run itself keeps it unique
// (a row code, or a counter the converter leaves to the engine).
Key SourceKeyOf(const Key& targetKey, const conversione::TableConverter& converter,
                const std::vector<ColumnType>& targetColumns) {
    Key sourceKey;
    for (const std::string& column : targetKey) {
        bool assigned = false;
        for (const conversione::FieldAssignment& a : converter.fields) {
            if (winfs::FoldCase(a.target) != column) continue;
            assigned = true;
            if (a.kind == conversione::AssignmentKind::RowCode) return {};
            if (a.kind == conversione::AssignmentKind::Copy) sourceKey.insert(winfs::FoldCase(a.source));
        }
        if (!assigned)
            for (const ColumnType& c : targetColumns)
                if (winfs::FoldCase(c.name) == column && c.declared == "COUNTER") return {};
    }
    if (sourceKey.empty()) throw std::runtime_error(converter.name + ": a version-7 key no source field feeds");
    return sourceKey;
}

struct TableKeys {
    TablePlan plan;
    std::vector<Key> keys;
    std::vector<ColumnType> targetColumns;
};

TableKeys ReadTable(sqlite3* db, const conversione::TableConverter& converter) {
    TableKeys t;
    t.plan.converter = &converter;
    t.plan.table = StoredTable(db, "main", converter.sourceTable);
    const std::string target = StoredTable(db, "v7", converter.targetTable);
    if (t.plan.table.empty() || target.empty()) throw std::runtime_error(converter.name + ": table missing");
    for (const ColumnType& c : Columns(db, "main", t.plan.table)) t.plan.columns.push_back({c.name, c.declared});
    t.keys = UniqueKeys(db, "main", t.plan.table);
    t.targetColumns = Columns(db, "v7", target);
    for (const Key& key : UniqueKeys(db, "v7", target)) {
        Key sourceKey = SourceKeyOf(key, converter, t.targetColumns);
        if (!sourceKey.empty()) t.keys.push_back(std::move(sourceKey));
    }
    return t;
}

// The longest text both the source field and every target field it feeds take.
int FreshWidth(const TableKeys& t, const ColumnPlan& column) {
    int width = TextWidth(column.declared);
    for (const conversione::FieldAssignment& a : t.plan.converter->fields) {
        if (a.kind != conversione::AssignmentKind::Copy || winfs::FoldCase(a.source) != winfs::FoldCase(column.name))
            continue;
        for (const ColumnType& c : t.targetColumns)
            if (winfs::FoldCase(c.name) == winfs::FoldCase(a.target)) width = std::min(width, TextWidth(c.declared));
    }
    return width;
}

void MakeKeyUnique(TableKeys& t, const Key& key) {
    for (const ColumnPlan& c : t.plan.columns)
        if (key.count(winfs::FoldCase(c.name)) && c.action != ColumnAction::Keep) return;
    for (ColumnPlan& c : t.plan.columns) {
        if (!key.count(winfs::FoldCase(c.name)) || TextWidth(c.declared) == 0) continue;
        c.action = ColumnAction::Fresh;
        c.width = FreshWidth(t, c);
        return;
    }
    throw std::runtime_error(t.plan.converter->name + ": a key with neither a whole number nor a text");
}

} // namespace

int TextWidth(const std::string& declared) {
    if (declared.rfind("TEXT", 0) != 0) return 0;
    const std::size_t open = declared.find('(');
    return open == std::string::npos ? 255 : std::stoi(declared.substr(open + 1));
}

std::vector<TablePlan> PlanTables(sqlite3* db) {
    std::vector<TableKeys> tables;
    for (const conversione::TableConverter& converter : conversione::ConvertersInRunOrder())
        if (converter.shape == conversione::ConverterShape::CopyRows) tables.push_back(ReadTable(db, converter));

    // A whole-number key field is renumbered in every table that has it.
    std::set<std::string> renumbered = kReferences;
    for (const TableKeys& t : tables)
        for (const Key& key : t.keys)
            for (const ColumnPlan& c : t.plan.columns)
                if (key.count(winfs::FoldCase(c.name)) && IsWholeNumber(c.declared))
                    renumbered.insert(winfs::FoldCase(c.name));

    std::vector<TablePlan> plans;
    for (TableKeys& t : tables) {
        for (ColumnPlan& c : t.plan.columns)
            if (IsWholeNumber(c.declared) && renumbered.count(winfs::FoldCase(c.name))) c.action = ColumnAction::Renumber;
        for (const Key& key : t.keys) MakeKeyUnique(t, key);
        plans.push_back(std::move(t.plan));
    }
    return plans;
}

} // namespace bench
