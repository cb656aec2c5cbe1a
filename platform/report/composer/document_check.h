#pragma once
// The document looked at before the print options: its page part and every
// line laid out on pages of their own, as the job will lay them out, so that
// the options warn of each box that would not print a value whole.
#include <string>
#include <vector>

#include "report/composer/composer.h"
#include "report/composer/narrow_boxes.h"

namespace report {

class DocumentCheck {
public:
    explicit DocumentCheck(const Layout& layout) : trial_(layout) {}

    // One line of the document, under the page part of the variables.
    void Line(const DefinitionList& variables, const DefinitionList& fields);

    // Each box that would not print whole, once: first what the document's
    // own values do (the page part, every line, the totals), then what the
    // widest value of a box's type would do.
    std::vector<std::string> Finish(const DefinitionList& variables, const DefinitionList& fields);

    // Why the layout's pages cannot hold the document whole; empty when they can.
    const std::string& Failure() const { return trial_.Failure(); }

private:
    void Start(const DefinitionList& variables);
    bool ShownAsNumber(const std::string& box, const DefinitionList& variables, const DefinitionList& fields) const;

    Composer trial_;
    bool started_ = false;
    NarrowBoxList texts_;   // text boxes that break a word or cannot hold a letter
};

} // namespace report
