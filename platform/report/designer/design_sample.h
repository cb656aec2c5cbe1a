#pragma once
// What the designer shows on its page: the layout laid out with the declared
// sample contents, the page part once and a few lines of the table.
#include <string>
#include <vector>

#include "report/composer/page_content.h"
#include "report/model/definitions.h"
#include "report/model/layout.h"

namespace report {

// The first line carries the declared contents; in the next ones the text
// fields show their names and the others their value again, so that every
// column shows once per line what it prints.
std::vector<DefinitionList> SampleLines(const DefinitionList& fields, int count);

// The first page of the layout over the sample lines, numbered; warnings,
// when given, receives what does not print as it is (a value wider than its column).
Page SamplePage(const Layout& layout, const DefinitionList& variables, const DefinitionList& fields,
                std::vector<std::string>* warnings = nullptr);

} // namespace report
