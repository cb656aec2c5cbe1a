#pragma once
// Lays out a print job's pages from a layout: the page part with the
// variables, then the table's lines one by one, page after page, and the
// table's footer once after the last line.
#include <string>
#include <vector>

#include "report/composer/cell_fit.h"
#include "report/composer/column_sum.h"
#include "report/composer/page_content.h"
#include "report/model/definitions.h"
#include "report/model/layout.h"

namespace report {

class Composer {
public:
    explicit Composer(Layout layout);

    // Opens a new page: the page part with the variables' values and the
    // table's column titles. The table of the page before is closed first.
    void OutputPageObjects(const DefinitionList& variables);

    // Places one line of the table from the fields' values; text wraps, so
    // a line may take several rows of text. False when no page is open or the
    // line finds no room on this page; a line too tall even for an empty page
    // places the rows that fit and answers false, and the next call (after a
    // new page) places the rest, whatever fields it is given.
    bool OutputLine(const DefinitionList& fields);

    // Closes the table and places its footer (sums, line count, variables)
    // under the last line. False when the footer finds no room on this page:
    // the next call opens a new page with the page part and places it there.
    // The fields declared give a sum over no line its column's type.
    bool FinishLines(const DefinitionList& variables, const DefinitionList& fields = {});

    const std::vector<Page>& Pages() const { return pages_; }
    const Layout& GetLayout() const { return layout_; }

    // What did not print as it is, one sentence each: values that do not fit
    // their box (each box once, with its first such value), names the
    // declared data does not have, a layout with nothing on it.
    std::vector<std::string> Warnings() const;

    // A box whose value did not print whole, as it was met.
    struct Overflow {
        std::string name;
        QString value;
    };
    const std::vector<Overflow>& Overflows() const { return overflows_; }

    // How a value goes into a box of this layout, as every page puts it there.
    FittedCell FitValue(const QString& text, ValueFormat shown, const QRectF& box, double maxHeight,
                        const CellStyle& style) const;

private:
    struct Sum {
        std::string field;
        ColumnSum total;
        ColumnType column = ColumnType::Unknown;
    };

    void CloseTable();
    double TableWidth() const;
    double PlaceTitles(Page& page);
    // The extra height a growing box took beyond its own.
    double PlaceItem(Page& page, const HeaderItem& item, double top, const DefinitionList& variables,
                     bool grows = false);
    void PlaceHeader(Page& page, const DefinitionList& variables);
    bool PlaceRows(std::vector<PageText> rows, double height);
    void PlaceFooter(const DefinitionList& variables, double top);
    Definition FooterValue(const HeaderItem& item) const;
    const Definition* Lookup(const DefinitionList& list, const std::string& name);
    void CountLine(const DefinitionList& fields);

    Layout layout_;
    std::vector<Page> pages_;
    double nextLine_ = 0;     // top of the next line on the current page
    double tableTop_ = 0;     // the table's top on this page, below a grown page part
    double firstLine_ = 0;    // where the first line of this page starts
    // The rows of a line that continue on the next page, from its top.
    std::vector<PageText> rest_;
    double restHeight_ = 0;
    int linesOnPage_ = 0;
    bool tableOpen_ = false;
    bool footerOnNextPage_ = false;
    // Over the whole document, for the footer.
    int lineCount_ = 0;
    std::vector<Sum> sums_;
    std::vector<Overflow> overflows_;
    std::vector<std::string> missing_;
};

} // namespace report
