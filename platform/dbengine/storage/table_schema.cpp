// The schema of an open file as the engine sees it: its tables and their
// columns with the field types and defaults, read again when another
// connection (another program) changed it.
#include <sqlite3.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "dbengine/storage/connection.h"
#include "dbengine/values/errors.h"
#include "winfs/paths.h"

namespace dao {

void Connection::LoadSchema() {
    tables_.clear();
    {
        Statement version(db_, "PRAGMA schema_version");
        int rc = sqlite3_step(version.get());
        if (rc != SQLITE_ROW) RaiseSqlite(db_, rc, path_.string());
        schemaVersion_ = sqlite3_column_int(version.get(), 0);
    }
    std::vector<std::string> names;
    {
        Statement list(db_, "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
        int rc;
        while ((rc = sqlite3_step(list.get())) == SQLITE_ROW)
            names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(list.get(), 0)));
        if (rc != SQLITE_DONE) RaiseSqlite(db_, rc, path_.string());
    }
    Statement info(db_, "SELECT name, type, \"notnull\", dflt_value FROM pragma_table_info(?1)");
    for (const auto& name : names) {
        auto table = std::make_shared<TableInfo>();
        table->name = name;
        table->quoted = QuoteName(name);
        sqlite3_reset(info.get());
        sqlite3_bind_text(info.get(), 1, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
        int rc;
        while ((rc = sqlite3_step(info.get())) == SQLITE_ROW) {
            ColumnInfo c;
            c.name = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 0));
            c.quoted = QuoteName(c.name);
            auto declared = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1));
            c.kind = KindOfDeclaredType(declared ? declared : "", c.size);
            c.notNull = sqlite3_column_int(info.get(), 2) != 0;
            if (c.kind == FieldKind::Counter) c.counterKey = winfs::FoldCase(name) + '\x1f' + winfs::FoldCase(c.name);
            if (sqlite3_column_type(info.get(), 3) != SQLITE_NULL) {
                std::string d = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 3));
                Variant raw = Variant::Null();
                if (d.size() >= 2 && d.front() == '\'' && d.back() == '\'') {
                    std::string text;
                    for (std::size_t i = 1; i + 1 < d.size(); ++i) {
                        text += d[i];
                        if (d[i] == '\'' && d[i + 1] == '\'') ++i;
                    }
                    raw = Variant(text);
                } else if (!d.empty() && d != "NULL" && d != "null") {
                    char* end = nullptr;
                    double value = std::strtod(d.c_str(), &end);
                    if (end && *end == 0) raw = Variant::Double(value);
                }
                try {
                    if (c.kind == FieldKind::Currency && raw.Type() == VarType::Double)
                        c.defaultValue = Variant::Currency(raw.RawDouble());
                    else if (c.kind == FieldKind::DateTime && raw.Type() == VarType::Double)
                        c.defaultValue = Variant::Date(raw.RawDouble());
                    else
                        c.defaultValue = ConvertForColumn(c, raw);
                } catch (const vb::RuntimeError&) {
                    c.defaultValue = Variant::Null();
                }
            }
            table->byFolded.emplace(winfs::FoldCase(c.name), static_cast<int>(table->columns.size()));
            table->columns.push_back(std::move(c));
        }
        if (rc != SQLITE_DONE) RaiseSqlite(db_, rc, path_.string());
        tables_[winfs::FoldCase(name)] = std::move(table);
    }
    schemaLoaded_ = true;
}

void Connection::InvalidateSchema() {
    schemaLoaded_ = false;
    counters_.clear();
}

std::shared_ptr<const TableInfo> Connection::FindTable(std::string_view name) {
    if (schemaLoaded_) {
        // Another connection (another program) may have changed the schema.
        Statement version(db_, "PRAGMA schema_version");
        if (sqlite3_step(version.get()) == SQLITE_ROW && sqlite3_column_int(version.get(), 0) != schemaVersion_)
            schemaLoaded_ = false;
    }
    if (!schemaLoaded_) LoadSchema();
    auto it = tables_.find(winfs::FoldCase(std::string(name)));
    return it == tables_.end() ? nullptr : it->second;
}

std::shared_ptr<const TableInfo> Connection::Table(std::string_view name) {
    auto table = FindTable(name);
    if (!table) Raise(kTableNotFound, std::string(name));
    return table;
}

} // namespace dao
