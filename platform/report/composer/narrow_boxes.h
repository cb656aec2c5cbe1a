#pragma once
// Before printing: the boxes of a layout too narrow for the values their
// type holds in practice, which would print "###" even at the smallest size.
#include <string>
#include <vector>

#include "report/model/definitions.h"
#include "report/model/layout.h"

namespace report {

// One sentence per box, naming the value and the widest one that would not fit.
std::vector<std::string> NarrowBoxes(const Layout& layout, const DefinitionList& variables,
                                     const DefinitionList& fields);

// Warnings as lines of a message that fits the screen: at most ten, then
// "e altri N".
std::string ShortList(const std::vector<std::string>& warnings);

} // namespace report
