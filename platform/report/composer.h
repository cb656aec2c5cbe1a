#pragma once
// Lays out a print job's pages from a layout: the page part with the
// variables, then the table's lines one by one, page after page.
#include <vector>

#include "report/definitions.h"
#include "report/layout.h"
#include "report/page_content.h"

namespace report {

class Composer {
public:
    explicit Composer(Layout layout);

    // Opens a new page: the page part with the variables' values and the
    // table's column titles. The table of the page before is closed first.
    void OutputPageObjects(const DefinitionList& variables);

    // Places one line of the table from the fields' values. False when no
    // page is open or the line finds no room on this page; a line that does
    // not fit even on an empty page is placed all the same, so that a caller
    // repeating on a new page never loops for ever.
    bool OutputLine(const DefinitionList& fields);

    // Closes the table on the current page.
    void FinishLines();

    const std::vector<Page>& Pages() const { return pages_; }
    const Layout& GetLayout() const { return layout_; }

private:
    void CloseTable();
    double TableWidth() const;

    Layout layout_;
    std::vector<Page> pages_;
    double nextLine_ = 0;     // top of the next line on the current page
    int linesOnPage_ = 0;
    bool tableOpen_ = false;
};

} // namespace report
