#pragma once
// The variables (page part) and fields (table lines) a caller declared, each
// with its sample or current contents and its type code.
#include <cstdint>
#include <string>
#include <vector>

namespace report {

// The type of the database column a value comes from, when the caller
// knows it. It says what the type code cannot: money is declared as text.
enum class ColumnType { Unknown, Text, Integer, Number, Currency, Date, Boolean };

// A value with the type it has in the database, so that paper shows what is
// stored without a round trip through text. Unset when the caller gave the
// contents as text only.
struct FieldValue {
    enum class Kind { Unset, Null, Text, Integer, Number, Currency, Date, Boolean };
    Kind kind = Kind::Unset;
    std::string text;            // Text
    std::int64_t integer = 0;    // Integer; Currency in ten-thousandths; Boolean as 0 or 1
    double number = 0;           // Number; Date as serial days since 30 December 1899
    int digits = 15;             // the significant digits a Number holds (7 for a single)
};

struct Definition {
    std::string name;
    std::string contents;
    std::int32_t type = 0;
    ColumnType column = ColumnType::Unknown;
    // The longest contents declared under this name since the list was
    // cleared: a new layout's column gets room for it.
    std::string widest = {};
    FieldValue value = {};
};

class DefinitionList {
public:
    // Declares a name; declaring it again replaces its contents and type but
    // keeps its place, so a caller may refresh the values record by record.
    void Set(const std::string& name, const std::string& contents, std::int32_t type,
             ColumnType column = ColumnType::Unknown, const FieldValue& value = {});
    void Clear() { items_.clear(); }

    // By name, without regard to letter case; nullptr when not declared.
    const Definition* Find(const std::string& name) const;

    const std::vector<Definition>& Items() const { return items_; }
    bool Empty() const { return items_.empty(); }

private:
    std::vector<Definition> items_;
};

} // namespace report
