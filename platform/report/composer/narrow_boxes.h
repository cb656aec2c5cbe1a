#pragma once
// Before printing: the boxes of a layout that would not print a value whole
// (a number as ###, a text cut, a word broken inside), each decided by the
// composer's own fitting of the value into the box.
#include <optional>
#include <string>
#include <vector>

#include "report/composer/composer.h"
#include "report/model/definitions.h"
#include "report/model/layout.h"

namespace report {

// One box and why it would not print whole, in a sentence that names it.
struct NarrowBox {
    std::string box;
    std::string sentence;
};

// Boxes in the order first met, each once: a box already listed keeps its
// first sentence.
class NarrowBoxList {
public:
    void Add(const std::string& box, const std::string& sentence);
    const std::vector<NarrowBox>& Boxes() const { return boxes_; }
    std::vector<std::string> Sentences() const;

private:
    std::vector<NarrowBox> boxes_;
};

// A value fitted as the pages fit it into a table column (by its index) or
// into an item of the page part.
FittedCell FitInColumn(const Composer& composer, std::size_t column, const QString& text, ValueFormat shown);
FittedCell FitInItem(const Composer& composer, const HeaderItem& item, const QString& text, ValueFormat shown);

// The boxes too narrow for the widest value their type holds in practice
// (money to 999.999.999,99, quantities, dates with their time), which would
// print "###" even at the smallest size, whatever the document holds.
void AddNarrowForType(const Composer& composer, const DefinitionList& variables, const DefinitionList& fields,
                      NarrowBoxList& list);

// The same as sentences, for a layout on its own.
std::vector<std::string> NarrowBoxes(const Layout& layout, const DefinitionList& variables,
                                     const DefinitionList& fields);

// A text as the composer fitted it into its box: why it does not print
// whole (a box too narrow for one letter, a word broken inside), or nullopt.
std::optional<std::string> TextProblem(const std::string& box, const QString& text, const FittedCell& cell);

// The sentence of a value the composer reported as not printed whole.
std::string OverflowSentence(const Layout& layout, const Composer::Overflow& overflow, bool number);

// Warnings as lines of a message that fits the screen: at most ten, then
// "e altri N".
std::string ShortList(const std::vector<std::string>& warnings);

} // namespace report
