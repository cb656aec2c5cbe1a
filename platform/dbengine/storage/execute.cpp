// Database::Execute: the statement subset the programs and schema scripts use,
// translated to SQLite with every name resolved and quoted as stored. One
// function per statement; Execute dispatches on the first words and runs the
// translation.
#include <sqlite3.h>

#include <algorithm>
#include <utility>

#include "dbengine/values/errors.h"
#include "dbengine/storage/statements.h"

namespace dao {

namespace statement {

namespace {

TranslatedStatement WholeSql(std::string sql, bool changesSchema) {
    TranslatedStatement out;
    out.sql = std::move(sql);
    out.changesSchema = changesSchema;
    return out;
}

// DELETE [*] FROM table
TranslatedStatement TranslateDelete(Parser& p, Connection& connection) {
    p.AcceptSymbol("*");
    p.ExpectWord("FROM");
    std::string name = p.ExpectName();
    p.ExpectEnd();
    return WholeSql("DELETE FROM " + connection.Table(name)->quoted, false);
}

// DROP TABLE table
TranslatedStatement TranslateDropTable(Parser& p, Connection& connection) {
    p.ExpectWord("TABLE");
    std::string name = p.ExpectName();
    p.ExpectEnd();
    return WholeSql("DROP TABLE " + connection.Table(name)->quoted, true);
}

// INSERT INTO table [(fields)] VALUES (literals)
TranslatedStatement TranslateInsert(Parser& p, Connection& connection) {
    p.ExpectWord("INTO");
    std::string name = p.ExpectName();
    TranslatedStatement out;
    out.insertInto = connection.Table(name);
    const TableInfo& table = *out.insertInto;
    std::vector<int>& columns = out.insertColumns;
    if (p.AcceptSymbol("(")) {
        do {
            std::string field = p.ExpectName();
            int index = table.Find(field);
            if (index < 0) Raise(kUnknownInsertField, field);
            for (int c : columns)
                if (c == index) Raise(kFieldDefinedTwice, field);
            columns.push_back(index);
        } while (p.AcceptSymbol(","));
        p.ExpectSymbol(")");
    } else {
        for (std::size_t i = 0; i < table.columns.size(); ++i) columns.push_back(static_cast<int>(i));
    }
    p.ExpectWord("VALUES");
    p.ExpectSymbol("(");
    do {
        out.values.push_back(p.ExpectLiteral());
    } while (p.AcceptSymbol(","));
    p.ExpectSymbol(")");
    p.ExpectEnd();
    if (out.values.size() != columns.size()) Unsupported("numero di valori diverso dal numero di campi");
    for (std::size_t i = 0; i < out.values.size(); ++i)
        out.values[i] = ConvertForColumn(table.columns[columns[i]], out.values[i]);
    return out;
}

// Index names are per table in the engine, per file in SQLite: stored with the table's name.
std::string StoredIndexName(const std::string& table, const std::string& index) { return table + "." + index; }

// CREATE [UNIQUE] INDEX index ON table (fields) [WITH PRIMARY | WITH DISALLOW NULL],
// after the word INDEX.
TranslatedStatement TranslateCreateIndex(Parser& p, Connection& connection, bool unique) {
    std::string index = p.ExpectName();
    p.ExpectWord("ON");
    std::string name = p.ExpectName();
    auto table = connection.Table(name);
    p.ExpectSymbol("(");
    std::string list;
    do {
        std::string field = p.ExpectName();
        int c = table->Find(field);
        if (c < 0) Raise(kFieldNotFound, field);
        if (!list.empty()) list += ", ";
        list += table->columns[c].quoted;
        if (p.AcceptWord("DESC")) list += " DESC";
        else p.AcceptWord("ASC");
    } while (p.AcceptSymbol(","));
    p.ExpectSymbol(")");
    if (p.AcceptWord("WITH")) {
        if (p.AcceptWord("PRIMARY")) unique = true;
        else if (!p.AcceptWord("DISALLOW") || !p.AcceptWord("NULL")) Unsupported("WITH");
    }
    p.ExpectEnd();
    return WholeSql(std::string("CREATE ") + (unique ? "UNIQUE " : "") + "INDEX " +
                        QuoteName(StoredIndexName(table->name, index)) + " ON " + table->quoted + " (" + list + ")",
                    true);
}

} // namespace

TranslatedStatement Translate(Parser& p, Connection& connection, const std::string& statement) {
    if (p.Peek().kind == Tok::End) Unsupported("istruzione vuota");
    if (p.AcceptWord("DELETE")) return TranslateDelete(p, connection);
    if (p.AcceptWord("DROP")) return TranslateDropTable(p, connection);
    if (p.AcceptWord("INSERT")) return TranslateInsert(p, connection);
    if (p.AcceptWord("CREATE")) {
        bool unique = p.AcceptWord("UNIQUE");
        if (p.AcceptWord("INDEX")) return TranslateCreateIndex(p, connection, unique);
        if (unique) Unsupported("CREATE UNIQUE");
        p.ExpectWord("TABLE");
        return TranslateCreateTable(p, connection);
    }
    Unsupported(statement);
}

void CompleteInsert(Connection& connection, TranslatedStatement& insert) {
    const TableInfo& table = *insert.insertInto;
    std::vector<int>& columns = insert.insertColumns;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (table.columns[c].kind != FieldKind::Counter) continue;
        auto at = std::find(columns.begin(), columns.end(), static_cast<int>(c));
        if (at == columns.end()) {
            columns.push_back(static_cast<int>(c));
            insert.values.push_back(
                Variant::Long(static_cast<std::int32_t>(connection.NextCounter(table, static_cast<int>(c)))));
        } else {
            Variant& v = insert.values[at - columns.begin()];
            if (v.IsNull()) v = Variant::Long(static_cast<std::int32_t>(connection.NextCounter(table, static_cast<int>(c))));
            else connection.NoteCounter(table, static_cast<int>(c), v.RawInt());
        }
    }
    std::string sql = "INSERT INTO " + table.quoted + " (";
    std::string params;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i) {
            sql += ", ";
            params += ", ";
        }
        sql += table.columns[columns[i]].quoted;
        params += "?";
    }
    insert.sql = sql + ") VALUES (" + params + ")";
}

} // namespace statement

void Connection::Execute(const std::string& statement) {
    statement::Parser p(statement);
    statement::TranslatedStatement translated = statement::Translate(p, *this, statement);
    // What the data controls wrote is committed before the statement runs.
    // Statements executed one after another share one transaction (a schema
    // script is not a sync per line), committed with the next commit of the
    // file: Database::Close or its end, a data control's new binding, the
    // engine's end, kRowsPerCommit writes. A failing statement undoes only itself.
    if (readOnly_) Raise(kReadOnly, path_.string());
    if (rowsPending_) Commit();
    ReleaseCursors();
    BeginWrite();
    if (translated.insertInto) statement::CompleteInsert(*this, translated);

    Statement stmt(db_, translated.sql);
    for (std::size_t i = 0; i < translated.values.size(); ++i)
        BindValue(stmt.get(), static_cast<int>(i + 1), translated.values[i]);
    int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) RaiseSqlite(db_, rc);
    ++generation_;
    CountWrite();
    if (translated.changesSchema) InvalidateSchema();
}

} // namespace dao
