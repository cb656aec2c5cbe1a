// CREATE TABLE: column definitions, keys and validation rules translated to
// SQLite's, with every name resolved and quoted as stored.
#include <set>
#include <utility>

#include "dbengine/values/errors.h"
#include "dbengine/storage/statements.h"
#include "winfs/paths.h"

namespace dao::statement {

namespace {

struct ColumnDef {
    ColumnInfo info;
    bool primaryKey = false;
    bool unique = false;
    std::string defaultSql;
    std::vector<std::vector<Token>> checks;
};

// Translates a validation expression: names to the table's columns, Basic
// literals and operators to SQLite's.
std::string TranslateCheck(const std::vector<Token>& tokens, const std::vector<ColumnDef>& columns) {
    auto findColumn = [&](const std::string& name) -> const ColumnDef* {
        std::string folded = winfs::FoldCase(name);
        for (const auto& c : columns)
            if (winfs::FoldCase(c.info.name) == folded) return &c;
        return nullptr;
    };
    static const std::set<std::string> keywords = {"AND", "OR", "NOT", "IS", "NULL", "IN", "BETWEEN", "LIKE", "MOD"};
    std::string out;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        out += ' ';
        switch (t.kind) {
        case Tok::Name: {
            const ColumnDef* c = findColumn(t.text);
            if (!c) Raise(kFieldNotFound, t.text);
            out += c->info.quoted;
            break;
        }
        case Tok::Word: {
            std::string w = UpperAscii(t.text);
            if (const ColumnDef* c = findColumn(t.text)) {
                out += c->info.quoted;
            } else if (w == "TRUE") {
                out += "-1";
            } else if (w == "FALSE") {
                out += "0";
            } else if (w == "MOD") {
                out += "%";
            } else if (w == "LEN" && i + 1 < tokens.size() && tokens[i + 1].text == "(") {
                out += "length";
            } else if (keywords.count(w)) {
                out += w;
            } else {
                Unsupported("regola: " + t.text);
            }
            break;
        }
        case Tok::String:
            if (i > 0 && tokens[i - 1].kind == Tok::Word && UpperAscii(tokens[i - 1].text) == "LIKE") {
                // Basic wildcards * and ? are SQL's % and _.
                std::string pattern = t.text;
                for (char& c : pattern) c = c == '*' ? '%' : c == '?' ? '_' : c;
                out += SqlLiteral(Variant(pattern));
            } else {
                out += SqlLiteral(Variant(t.text));
            }
            break;
        case Tok::Number: out += t.text; break;
        case Tok::Date:
            try {
                out += SqlLiteral(Variant::Date(Variant(t.text).ToDate()));
            } catch (const vb::RuntimeError&) {
                Unsupported("#" + t.text + "#");
            }
            break;
        case Tok::Symbol:
            if (t.text == "&") out += "||";
            else if (t.text == "(" || t.text == ")" || t.text == "," || t.text == "=" || t.text == "<" ||
                     t.text == ">" || t.text == "<=" || t.text == ">=" || t.text == "<>" || t.text == "+" ||
                     t.text == "-" || t.text == "*" || t.text == "/")
                out += t.text;
            else
                Unsupported("regola: " + t.text);
            break;
        case Tok::End: break;
        }
    }
    return out;
}

FieldKind ParseFieldType(Parser& p, int& size) {
    Token t = p.Next();
    if (t.kind != Tok::Word) Unsupported("tipo atteso");
    std::string w = UpperAscii(t.text);
    FieldKind kind;
    if (w == "INTEGER" || w == "SHORT" || w == "SMALLINT") {
        kind = FieldKind::Integer;   // this engine's INTEGER is the 16-bit Integer
    } else if (w == "INT") {
        kind = FieldKind::Long;
    } else if (w == "FLOAT") {
        kind = FieldKind::Double;
    } else if (w == "DOUBLE") {
        p.AcceptWord("PRECISION");
        kind = FieldKind::Double;
    } else {
        kind = KindOfDeclaredType(w, size);
        if (kind == FieldKind::Other) Unsupported("tipo " + t.text);
    }
    size = 0;
    if (kind == FieldKind::Text) {
        size = 255;
        if (p.IsSymbol("(")) {
            p.Next();
            Token n = p.Next();
            if (n.kind != Tok::Number) Unsupported("dimensione");
            size = std::atoi(n.text.c_str());
            if (size <= 0 || size > 255) Unsupported("dimensione " + n.text);
            p.ExpectSymbol(")");
        }
    } else if (p.IsSymbol("(") && kind != FieldKind::Memo) {
        // DECIMAL(p,s) and the like: size ignored.
        p.ExpectParenthesized();
    }
    return kind;
}

// "PRIMARY KEY" or "UNIQUE" over the names of its fields.
using KeyNames = std::pair<std::string, std::vector<std::string>>;
using KeyIndexes = std::pair<std::string, std::vector<int>>;

struct TableDefinition {
    std::string name;
    std::vector<ColumnDef> columns;
    std::vector<KeyNames> keys;
    std::vector<std::vector<Token>> checks;
};

std::vector<std::string> ColumnList(Parser& p) {
    p.ExpectSymbol("(");
    std::vector<std::string> names;
    do {
        names.push_back(p.ExpectName());
        p.AcceptWord("ASC") || p.AcceptWord("DESC");
    } while (p.AcceptSymbol(","));
    p.ExpectSymbol(")");
    return names;
}

// A column: its name, type and options.
ColumnDef ParseColumn(Parser& p, const std::vector<ColumnDef>& before) {
    ColumnDef c;
    c.info.name = p.ExpectName();
    c.info.quoted = QuoteName(c.info.name);
    for (const auto& other : before)
        if (winfs::FoldCase(other.info.name) == winfs::FoldCase(c.info.name)) Raise(kFieldDefinedTwice, c.info.name);
    c.info.kind = ParseFieldType(p, c.info.size);
    for (;;) {
        if (p.AcceptWord("NOT")) {
            p.ExpectWord("NULL");
            c.info.notNull = true;
        } else if (p.AcceptWord("NULL")) {
        } else if (p.AcceptWord("DEFAULT")) {
            bool parenthesized = p.AcceptSymbol("(");
            Variant v = p.ExpectLiteral();
            if (parenthesized) p.ExpectSymbol(")");
            c.info.defaultValue = ConvertForColumn(c.info, v);
            c.defaultSql = SqlLiteral(c.info.defaultValue);
        } else if (p.IsWord("CHECK")) {
            p.Next();
            c.checks.push_back(p.ExpectParenthesized());
        } else if (p.AcceptWord("CONSTRAINT")) {
            p.ExpectName();
        } else if (p.AcceptWord("PRIMARY")) {
            p.ExpectWord("KEY");
            c.primaryKey = true;
        } else if (p.AcceptWord("UNIQUE")) {
            c.unique = true;
        } else {
            return c;
        }
    }
}

// The parenthesized list of columns and table constraints.
void ParseElements(Parser& p, TableDefinition& table) {
    p.ExpectSymbol("(");
    do {
        if (p.IsWord("CONSTRAINT") || p.IsWord("PRIMARY") || (p.IsWord("UNIQUE") && p.IsSymbol("(", 1)) ||
            (p.IsWord("CHECK") && p.IsSymbol("(", 1))) {
            if (p.AcceptWord("CONSTRAINT")) p.ExpectName();
            if (p.AcceptWord("PRIMARY")) {
                p.ExpectWord("KEY");
                table.keys.emplace_back("PRIMARY KEY", ColumnList(p));
            } else if (p.AcceptWord("UNIQUE")) {
                table.keys.emplace_back("UNIQUE", ColumnList(p));
            } else if (p.AcceptWord("CHECK")) {
                table.checks.push_back(p.ExpectParenthesized());
            } else {
                Unsupported("vincolo");
            }
            continue;
        }
        table.columns.push_back(ParseColumn(p, table.columns));
    } while (p.AcceptSymbol(","));
    p.ExpectSymbol(")");
}

// Key fields, resolved; primary key fields never hold Null (as in Access).
std::vector<KeyIndexes> ResolveKeys(TableDefinition& table) {
    std::vector<KeyIndexes> resolved;
    for (const auto& [kind, names] : table.keys) {
        std::vector<int> indexes;
        for (const auto& n : names) {
            int found = -1;
            for (std::size_t c = 0; c < table.columns.size(); ++c)
                if (winfs::FoldCase(table.columns[c].info.name) == winfs::FoldCase(n)) found = static_cast<int>(c);
            if (found < 0) Raise(kFieldNotFound, n);
            if (kind == "PRIMARY KEY") table.columns[found].info.notNull = true;
            indexes.push_back(found);
        }
        resolved.emplace_back(kind, std::move(indexes));
    }
    for (auto& c : table.columns)
        if (c.primaryKey) c.info.notNull = true;
    return resolved;
}

std::string CreateTableSql(const TableDefinition& table, const std::vector<KeyIndexes>& keys) {
    const std::vector<ColumnDef>& columns = table.columns;
    std::string sql = "CREATE TABLE " + QuoteName(table.name) + " (";
    int primaryKeys = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnDef& c = columns[i];
        if (i) sql += ", ";
        sql += c.info.quoted + " " + DeclaredTypeOf(c.info.kind, c.info.size);
        if (c.info.notNull) sql += " NOT NULL";
        if (!c.defaultSql.empty()) sql += " DEFAULT " + c.defaultSql;
        for (const auto& check : c.checks) sql += " CHECK (" + TranslateCheck(check, columns) + ")";
        if (c.primaryKey) {
            ++primaryKeys;
            sql += " PRIMARY KEY";
        }
        if (c.unique) sql += " UNIQUE";
    }
    for (const auto& [kind, indexes] : keys) {
        if (kind == "PRIMARY KEY" && ++primaryKeys > 1) Raise(kPrimaryKeyExists, table.name);
        sql += ", " + kind + " (";
        for (std::size_t i = 0; i < indexes.size(); ++i) {
            if (i) sql += ", ";
            sql += columns[indexes[i]].info.quoted;
        }
        sql += ")";
    }
    for (const auto& check : table.checks) sql += ", CHECK (" + TranslateCheck(check, columns) + ")";
    return sql + ")";
}

} // namespace

TranslatedStatement TranslateCreateTable(Parser& p, Connection& connection) {
    TableDefinition table;
    table.name = p.ExpectName();
    if (connection.FindTable(table.name)) Raise(kTableExists, table.name);
    ParseElements(p, table);
    p.ExpectEnd();
    if (table.columns.empty()) Unsupported("tabella senza campi");
    const std::vector<KeyIndexes> keys = ResolveKeys(table);
    TranslatedStatement out;
    out.sql = CreateTableSql(table, keys);
    out.changesSchema = true;
    return out;
}

} // namespace dao::statement
