#pragma once
// Puts a job's pages on a printer (a real one or a PDF file).
#include <functional>
#include <vector>

#include "report/composer/page_content.h"

class QPrinter;

namespace report {

// The paper of the layout, written to from its very corner (the layout
// keeps its own margins).
void PreparePrinter(QPrinter& printer, const Layout& layout);

// One sheet per page; false when the printer or file cannot be opened.
// onPage, when given, hears of each page (from 1) before it is drawn.
bool PrintPages(QPrinter& printer, const std::vector<Page>& pages,
                const std::function<void(int page)>& onPage = {});

} // namespace report
