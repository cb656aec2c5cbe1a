#pragma once
// Lays out a print job's pages from a layout: the page part with the
// variables, then the table's lines one by one, page after page, and the
// table's footer once after the last line. A text that grows past its box
// (a note) prints whole and once, continuing on the next page when longer
// than the room left; nothing is placed below the table's bottom but the
// page's foot.
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
    // A text of the page part that grows past its box prints on the first
    // pages only, where it pushes down what stands below it; a page it fills
    // takes no line.
    void OutputPageObjects(const DefinitionList& variables);

    // Places one line of the table from the fields' values; text wraps, so
    // a line may take several rows of text. False when no page is open or the
    // line finds no room on this page; a line too tall even for an empty page
    // places the rows that fit and answers false, and the next call (after a
    // new page) places the rest, whatever fields it is given.
    bool OutputLine(const DefinitionList& fields);

    // Closes the table and places its footer (sums, line count, variables)
    // under the last line. False when the footer, or the page part still
    // growing, needs another page: the next call opens it with the page part
    // and goes on there. A footer taller than a page continues page after
    // page. The fields declared give a sum over no line its column's type.
    bool FinishLines(const DefinitionList& variables, const DefinitionList& fields = {});

    const std::vector<Page>& Pages() const { return pages_; }
    const Layout& GetLayout() const { return layout_; }

    // What did not print as it is, one sentence each: values that do not fit
    // their box (each box once, with its first such value), names the
    // declared data does not have, a layout with nothing on it.
    std::vector<std::string> Warnings() const;

    // Why the pages do not hold the document whole (a table with no room for
    // a line, a text with no room on any page), one sentence; empty when they
    // do. Such pages must not be printed.
    const std::string& Failure() const { return failure_; }

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

    // How a text of the page part that wraps whole fared on the pages so far.
    enum class Growth { Unknown, Fits, Continues, Done };

    // A new page with the page part, and the table's titles when withTable
    // (a page that only carries on the footer has none).
    void OpenPage(const DefinitionList& variables, bool withTable);
    void CloseTable();
    double TableWidth() const;
    std::vector<PageText> Titles(double& height) const;
    // The lines of an item at top; wraps tells that it is a text that grows.
    FittedCell FitItem(const HeaderItem& item, double top, const DefinitionList& variables, bool grows,
                       bool* wraps = nullptr);
    void PlaceHeader(Page& page, const DefinitionList& variables);
    bool PlaceRows(std::vector<PageText> rows, double height);
    // The footer's lines from its top, each item pushed down by the growing
    // texts above it; head: what stands above the first growing text, kept
    // with the last line.
    std::vector<PageText> LayOutFooter(const DefinitionList& variables, double& head);
    bool PlaceFooter(double top, bool freshPage);
    void Fail(const std::string& why);
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
    // The table has its titles on this page and takes lines.
    bool tableDrawn_ = false;
    // Where the first line starts on a page whose page part did not grow.
    double fullPageFirstLine_ = 0;
    // The page part's growing texts: how far each got, and the lines each
    // still has to print (from the box's top).
    std::vector<Growth> growth_;
    std::vector<std::vector<PageText>> headerRest_;
    bool pagePartContinues_ = false;
    // The footer's lines not placed yet, from their top.
    std::vector<PageText> footerRest_;
    double footerHead_ = 0;
    bool footerLaidOut_ = false;
    bool newPageNext_ = false;
    bool finished_ = false;
    std::string failure_;
    // Over the whole document, for the footer.
    int lineCount_ = 0;
    std::vector<Sum> sums_;
    std::vector<Overflow> overflows_;
    std::vector<std::string> missing_;
};

} // namespace report
