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

struct Definition {
    std::string name;
    std::string contents;
    std::int32_t type = 0;
    ColumnType column = ColumnType::Unknown;
    // The longest contents declared under this name since the list was
    // cleared: a new layout's column gets room for it.
    std::string widest = {};
};

class DefinitionList {
public:
    // Declares a name; declaring it again replaces its contents and type but
    // keeps its place, so a caller may refresh the values record by record.
    void Set(const std::string& name, const std::string& contents, std::int32_t type,
             ColumnType column = ColumnType::Unknown);
    void Clear() { items_.clear(); }

    // By name, without regard to letter case; nullptr when not declared.
    const Definition* Find(const std::string& name) const;

    const std::vector<Definition>& Items() const { return items_; }
    bool Empty() const { return items_.empty(); }

private:
    std::vector<Definition> items_;
};

} // namespace report
