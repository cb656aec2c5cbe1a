#include "dbengine/storage/statement_parser.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "dbengine/values/errors.h"

namespace dao::statement {

namespace {

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

} // namespace

std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

void Unsupported(const std::string& detail) { Raise(kStatementNotSupported, detail); }

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

Parser::Parser(const std::string& statement) : tokens_(Tokenize(statement)) {}

const Token& Parser::Peek(std::size_t ahead) const {
    std::size_t i = std::min(pos_ + ahead, tokens_.size() - 1);
    return tokens_[i];
}

Token Parser::Next() {
    Token t = Peek();
    if (pos_ < tokens_.size() - 1) ++pos_;
    return t;
}

bool Parser::IsWord(const char* word, std::size_t ahead) const {
    const Token& t = Peek(ahead);
    return t.kind == Tok::Word && UpperAscii(t.text) == word;
}

bool Parser::IsSymbol(const char* symbol, std::size_t ahead) const {
    const Token& t = Peek(ahead);
    return t.kind == Tok::Symbol && t.text == symbol;
}

bool Parser::AcceptWord(const char* word) {
    if (!IsWord(word)) return false;
    Next();
    return true;
}

bool Parser::AcceptSymbol(const char* symbol) {
    if (!IsSymbol(symbol)) return false;
    Next();
    return true;
}

void Parser::ExpectWord(const char* word) {
    if (!AcceptWord(word)) Unsupported(std::string("atteso ") + word);
}

void Parser::ExpectSymbol(const char* symbol) {
    if (!AcceptSymbol(symbol)) Unsupported(std::string("atteso ") + symbol);
}

std::string Parser::ExpectName() {
    const Token& t = Peek();
    if (t.kind != Tok::Name && t.kind != Tok::Word) Unsupported("atteso un nome");
    return Next().text;
}

void Parser::ExpectEnd() {
    AcceptSymbol(";");
    if (Peek().kind != Tok::End) Unsupported("testo in più: " + Peek().text);
}

Variant Parser::ExpectLiteral() {
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

std::vector<Token> Parser::ExpectParenthesized() {
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

} // namespace dao::statement
