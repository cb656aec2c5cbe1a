#pragma once
// Internal to Execute: the tokens and the parser of the statement subset, and
// values written back as SQL literals.
#include <cstddef>
#include <string>
#include <vector>

#include "dbengine/values/variant.h"

namespace dao::statement {

enum class Tok { End, Word, Name, String, Number, Date, Symbol };

struct Token {
    Tok kind = Tok::End;
    std::string text;   // word / name / string contents / number / date contents / symbol
};

// Raises 3129 (statement not supported) with an optional detail.
[[noreturn]] void Unsupported(const std::string& detail = {});

std::string UpperAscii(std::string s);

// A value as an SQLite literal.
std::string SqlLiteral(const Variant& v);

class Parser {
public:
    explicit Parser(const std::string& statement);

    const Token& Peek(std::size_t ahead = 0) const;
    Token Next();
    bool IsWord(const char* word, std::size_t ahead = 0) const;
    bool IsSymbol(const char* symbol, std::size_t ahead = 0) const;
    bool AcceptWord(const char* word);
    bool AcceptSymbol(const char* symbol);
    void ExpectWord(const char* word);
    void ExpectSymbol(const char* symbol);
    // A name: bracketed, or a bare word.
    std::string ExpectName();
    void ExpectEnd();
    // A literal: 'text', number (with sign), #date#, NULL, TRUE, FALSE.
    Variant ExpectLiteral();
    // The tokens of a parenthesized expression (the parentheses excluded).
    std::vector<Token> ExpectParenthesized();

private:
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
};

} // namespace dao::statement
