// Database::Execute: the statement subset the programs and schema scripts use,
// translated to SQLite with every name resolved and quoted as stored.
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "dbengine/connection.h"
#include "dbengine/errors.h"
#include "winfs/paths.h"

namespace dao {

namespace {

enum class Tok { End, Word, Name, String, Number, Date, Symbol };

struct Token {
    Tok kind = Tok::End;
    std::string text;   // word / name / string contents / number / date contents / symbol
};

[[noreturn]] void Unsupported(const std::string& detail = {}) { Raise(kStatementNotSupported, detail); }

bool IsWordChar(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c >= 0x80;
}

std::vector<Token> Tokenize(const std::string& s) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        Token t;
        if (c == '[') {
            auto close = s.find(']', i + 1);
            if (close == std::string::npos) Unsupported("[");
            t.kind = Tok::Name;
            t.text = s.substr(i + 1, close - i - 1);
            i = close + 1;
        } else if (c == '\'' || c == '"') {
            t.kind = Tok::String;
            std::size_t j = i + 1;
            for (;;) {
                if (j >= s.size()) Unsupported("testo non chiuso");
                if (s[j] == static_cast<char>(c)) {
                    if (j + 1 < s.size() && s[j + 1] == static_cast<char>(c)) {
                        t.text += s[j];
                        j += 2;
                        continue;
                    }
                    break;
                }
                t.text += s[j++];
            }
            i = j + 1;
        } else if (c == '#') {
            auto close = s.find('#', i + 1);
            if (close == std::string::npos) Unsupported("#");
            t.kind = Tok::Date;
            t.text = s.substr(i + 1, close - i - 1);
            i = close + 1;
        } else if ((c >= '0' && c <= '9') || (c == '.' && i + 1 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '9')) {
            t.kind = Tok::Number;
            std::size_t j = i;
            while (j < s.size() && ((s[j] >= '0' && s[j] <= '9') || s[j] == '.')) ++j;
            if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
                std::size_t k = j + 1;
                if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
                if (k < s.size() && s[k] >= '0' && s[k] <= '9') {
                    j = k;
                    while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
                }
            }
            t.text = s.substr(i, j - i);
            i = j;
        } else if (IsWordChar(c)) {
            t.kind = Tok::Word;
            std::size_t j = i;
            while (j < s.size() && IsWordChar(static_cast<unsigned char>(s[j]))) ++j;
            t.text = s.substr(i, j - i);
            i = j;
        } else {
            t.kind = Tok::Symbol;
            t.text = s.substr(i, 1);
            if (i + 1 < s.size()) {
                std::string two = s.substr(i, 2);
                if (two == "<=" || two == ">=" || two == "<>" || two == "!=") t.text = two;
            }
            i += t.text.size();
        }
        out.push_back(std::move(t));
    }
    out.push_back(Token{});
    return out;
}

std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

class Parser {
public:
    explicit Parser(const std::string& statement) : tokens_(Tokenize(statement)) {}

    const Token& Peek(std::size_t ahead = 0) const {
        std::size_t i = std::min(pos_ + ahead, tokens_.size() - 1);
        return tokens_[i];
    }
    Token Next() {
        Token t = Peek();
        if (pos_ < tokens_.size() - 1) ++pos_;
        return t;
    }
    bool IsWord(const char* word, std::size_t ahead = 0) const {
        const Token& t = Peek(ahead);
        return t.kind == Tok::Word && UpperAscii(t.text) == word;
    }
    bool IsSymbol(const char* symbol, std::size_t ahead = 0) const {
        const Token& t = Peek(ahead);
        return t.kind == Tok::Symbol && t.text == symbol;
    }
    bool AcceptWord(const char* word) {
        if (!IsWord(word)) return false;
        Next();
        return true;
    }
    bool AcceptSymbol(const char* symbol) {
        if (!IsSymbol(symbol)) return false;
        Next();
        return true;
    }
    void ExpectWord(const char* word) {
        if (!AcceptWord(word)) Unsupported(std::string("atteso ") + word);
    }
    void ExpectSymbol(const char* symbol) {
        if (!AcceptSymbol(symbol)) Unsupported(std::string("atteso ") + symbol);
    }
    // A name: bracketed, or a bare word.
    std::string ExpectName() {
        const Token& t = Peek();
        if (t.kind != Tok::Name && t.kind != Tok::Word) Unsupported("atteso un nome");
        return Next().text;
    }
    void ExpectEnd() {
        AcceptSymbol(";");
        if (Peek().kind != Tok::End) Unsupported("testo in più: " + Peek().text);
    }
    // A literal: 'text', number (with sign), #date#, NULL, TRUE, FALSE.
    Variant ExpectLiteral() {
        bool negative = false;
        if (IsSymbol("-") || IsSymbol("+")) negative = Next().text == "-";
        Token t = Next();
        switch (t.kind) {
        case Tok::String:
            if (negative) Unsupported();
            return Variant(t.text);
        case Tok::Number: {
            std::string text = (negative ? "-" : "") + t.text;
            if (text.find_first_of(".eE") == std::string::npos && text.size() < 10) return Variant(std::stoi(text));
            return Variant::Double(std::strtod(text.c_str(), nullptr));
        }
        case Tok::Date: {
            if (negative) Unsupported();
            try {
                return Variant::Date(Variant(t.text).ToDate());
            } catch (const vb::RuntimeError&) {
                Unsupported("#" + t.text + "#");
            }
        }
        case Tok::Word: {
            std::string w = UpperAscii(t.text);
            if (!negative && w == "NULL") return Variant::Null();
            if (!negative && w == "TRUE") return Variant(true);
            if (!negative && w == "FALSE") return Variant(false);
            break;
        }
        default: break;
        }
        Unsupported("valore non valido: " + t.text);
    }
    // The tokens of a parenthesized expression (the parentheses excluded).
    std::vector<Token> ExpectParenthesized() {
        ExpectSymbol("(");
        std::vector<Token> out;
        int depth = 1;
        for (;;) {
            const Token& t = Peek();
            if (t.kind == Tok::End) Unsupported("parentesi non chiusa");
            if (t.kind == Tok::Symbol && t.text == "(") ++depth;
            if (t.kind == Tok::Symbol && t.text == ")" && --depth == 0) {
                Next();
                return out;
            }
            out.push_back(Next());
        }
    }

private:
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
};

std::string SqlLiteral(const Variant& v) {
    char buffer[40];
    switch (v.Type()) {
    case VarType::Empty: case VarType::Null: return "NULL";
    case VarType::Boolean: return v.RawBool() ? "-1" : "0";
    case VarType::Byte: case VarType::Integer: case VarType::Long: return std::to_string(v.RawInt());
    case VarType::Currency:
        std::snprintf(buffer, sizeof buffer, "%.17g", static_cast<double>(v.RawInt()) / 10000.0);
        return buffer;
    case VarType::Single: case VarType::Double: case VarType::Date:
        std::snprintf(buffer, sizeof buffer, "%.17g", v.RawDouble());
        return buffer;
    case VarType::String: {
        std::string out = "'";
        for (char c : v.RawString()) {
            if (c == '\'') out += '\'';
            out += c;
        }
        return out + "'";
    }
    }
    return "NULL";
}

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

// Index names are per table in the engine, per file in SQLite: stored with the table's name.
std::string StoredIndexName(const std::string& table, const std::string& index) { return table + "." + index; }

} // namespace

void Connection::Execute(const std::string& statement) {
    Parser p(statement);
    if (p.Peek().kind == Tok::End) Unsupported("istruzione vuota");
    // What the data controls wrote is committed before the statement runs.
    // Statements executed one after another share one transaction (a schema
    // script is not a sync per line), committed with the next commit of the
    // file: Database::Close or its end, a data control's new binding, the
    // engine's end, kRowsPerCommit writes. A failing statement undoes only itself.
    auto beginStatement = [&] {
        if (readOnly_) Raise(kReadOnly, path_.string());
        if (rowsPending_) Commit();
        ReleaseCursors();
        BeginWrite();
    };
    auto run = [&](const std::string& sql, const std::vector<Variant>& values = {}) {
        Statement stmt(db_, sql);
        for (std::size_t i = 0; i < values.size(); ++i) BindValue(stmt.get(), static_cast<int>(i + 1), values[i]);
        int rc = sqlite3_step(stmt.get());
        if (rc != SQLITE_DONE && rc != SQLITE_ROW) RaiseSqlite(db_, rc);
        ++generation_;
        CountWrite();
    };

    if (p.AcceptWord("DELETE")) {
        p.AcceptSymbol("*");
        p.ExpectWord("FROM");
        std::string name = p.ExpectName();
        p.ExpectEnd();
        auto table = Table(name);
        beginStatement();
        run("DELETE FROM " + table->quoted);
        return;
    }

    if (p.AcceptWord("DROP")) {
        p.ExpectWord("TABLE");
        std::string name = p.ExpectName();
        p.ExpectEnd();
        auto table = Table(name);
        beginStatement();
        run("DROP TABLE " + table->quoted);
        InvalidateSchema();
        return;
    }

    if (p.AcceptWord("INSERT")) {
        p.ExpectWord("INTO");
        std::string name = p.ExpectName();
        auto table = Table(name);
        std::vector<int> columns;
        if (p.AcceptSymbol("(")) {
            do {
                std::string field = p.ExpectName();
                int index = table->Find(field);
                if (index < 0) Raise(3127, field);
                for (int c : columns)
                    if (c == index) Raise(3191, field);
                columns.push_back(index);
            } while (p.AcceptSymbol(","));
            p.ExpectSymbol(")");
        } else {
            for (std::size_t i = 0; i < table->columns.size(); ++i) columns.push_back(static_cast<int>(i));
        }
        p.ExpectWord("VALUES");
        p.ExpectSymbol("(");
        std::vector<Variant> values;
        do {
            values.push_back(p.ExpectLiteral());
        } while (p.AcceptSymbol(","));
        p.ExpectSymbol(")");
        p.ExpectEnd();
        if (values.size() != columns.size()) Unsupported("numero di valori diverso dal numero di campi");
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = ConvertForColumn(table->columns[columns[i]], values[i]);
        beginStatement();
        // Counters left out (or given Null) are numbered here.
        for (std::size_t c = 0; c < table->columns.size(); ++c) {
            if (table->columns[c].kind != FieldKind::Counter) continue;
            auto at = std::find(columns.begin(), columns.end(), static_cast<int>(c));
            if (at == columns.end()) {
                columns.push_back(static_cast<int>(c));
                values.push_back(Variant::Long(static_cast<std::int32_t>(NextCounter(*table, static_cast<int>(c)))));
            } else {
                Variant& v = values[at - columns.begin()];
                if (v.IsNull()) v = Variant::Long(static_cast<std::int32_t>(NextCounter(*table, static_cast<int>(c))));
                else NoteCounter(*table, static_cast<int>(c), v.RawInt());
            }
        }
        std::string sql = "INSERT INTO " + table->quoted + " (";
        std::string params;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i) {
                sql += ", ";
                params += ", ";
            }
            sql += table->columns[columns[i]].quoted;
            params += "?";
        }
        sql += ") VALUES (" + params + ")";
        run(sql, values);
        return;
    }

    if (p.AcceptWord("CREATE")) {
        bool unique = p.AcceptWord("UNIQUE");
        if (p.AcceptWord("INDEX")) {
            std::string index = p.ExpectName();
            p.ExpectWord("ON");
            std::string name = p.ExpectName();
            auto table = Table(name);
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
            beginStatement();
            run(std::string("CREATE ") + (unique ? "UNIQUE " : "") + "INDEX " +
                QuoteName(StoredIndexName(table->name, index)) + " ON " + table->quoted + " (" + list + ")");
            InvalidateSchema();
            return;
        }
        if (unique) Unsupported("CREATE UNIQUE");
        p.ExpectWord("TABLE");
        std::string name = p.ExpectName();
        if (FindTable(name)) Raise(3010, name);
        p.ExpectSymbol("(");
        std::vector<ColumnDef> columns;
        std::vector<std::vector<Token>> tableChecks;
        auto columnList = [&](Parser& q) {
            q.ExpectSymbol("(");
            std::vector<std::string> names;
            do {
                names.push_back(q.ExpectName());
                q.AcceptWord("ASC") || q.AcceptWord("DESC");
            } while (q.AcceptSymbol(","));
            q.ExpectSymbol(")");
            return names;
        };
        std::vector<std::pair<std::string, std::vector<std::string>>> keys;  // "PRIMARY KEY"/"UNIQUE", names
        do {
            if (p.IsWord("CONSTRAINT") || p.IsWord("PRIMARY") || (p.IsWord("UNIQUE") && p.IsSymbol("(", 1)) ||
                (p.IsWord("CHECK") && p.IsSymbol("(", 1))) {
                if (p.AcceptWord("CONSTRAINT")) p.ExpectName();
                if (p.AcceptWord("PRIMARY")) {
                    p.ExpectWord("KEY");
                    keys.emplace_back("PRIMARY KEY", columnList(p));
                } else if (p.AcceptWord("UNIQUE")) {
                    keys.emplace_back("UNIQUE", columnList(p));
                } else if (p.AcceptWord("CHECK")) {
                    tableChecks.push_back(p.ExpectParenthesized());
                } else {
                    Unsupported("vincolo");
                }
                continue;
            }
            ColumnDef c;
            c.info.name = p.ExpectName();
            c.info.quoted = QuoteName(c.info.name);
            for (const auto& other : columns)
                if (winfs::FoldCase(other.info.name) == winfs::FoldCase(c.info.name)) Raise(3191, c.info.name);
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
                    break;
                }
            }
            columns.push_back(std::move(c));
        } while (p.AcceptSymbol(","));
        p.ExpectSymbol(")");
        p.ExpectEnd();
        if (columns.empty()) Unsupported("tabella senza campi");

        // Key fields, resolved; primary key fields never hold Null (as in Access).
        std::vector<std::pair<std::string, std::vector<int>>> resolvedKeys;
        for (const auto& [kind, names] : keys) {
            std::vector<int> indexes;
            for (const auto& n : names) {
                int found = -1;
                for (std::size_t c = 0; c < columns.size(); ++c)
                    if (winfs::FoldCase(columns[c].info.name) == winfs::FoldCase(n)) found = static_cast<int>(c);
                if (found < 0) Raise(kFieldNotFound, n);
                if (kind == "PRIMARY KEY") columns[found].info.notNull = true;
                indexes.push_back(found);
            }
            resolvedKeys.emplace_back(kind, std::move(indexes));
        }
        for (auto& c : columns)
            if (c.primaryKey) c.info.notNull = true;

        std::string sql = "CREATE TABLE " + QuoteName(name) + " (";
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
        for (const auto& [kind, indexes] : resolvedKeys) {
            if (kind == "PRIMARY KEY" && ++primaryKeys > 1) Raise(3283, name);
            sql += ", " + kind + " (";
            for (std::size_t i = 0; i < indexes.size(); ++i) {
                if (i) sql += ", ";
                sql += columns[indexes[i]].info.quoted;
            }
            sql += ")";
        }
        for (const auto& check : tableChecks) sql += ", CHECK (" + TranslateCheck(check, columns) + ")";
        sql += ")";
        beginStatement();
        run(sql);
        InvalidateSchema();
        return;
    }

    Unsupported(statement);
}

} // namespace dao
