#pragma once
// Puts a job's pages on a printer (a real one or a PDF file).
#include <vector>

#include "report/composer/page_content.h"

class QPrinter;

namespace report {

// The paper of the layout, written to from its very corner (the layout
// keeps its own margins).
void PreparePrinter(QPrinter& printer, const Layout& layout);

// One sheet per page; false when the printer or file cannot be opened.
bool PrintPages(QPrinter& printer, const std::vector<Page>& pages);

} // namespace report
