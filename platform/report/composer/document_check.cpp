#include "report/composer/document_check.h"

#include "report/composer/value_format.h"

namespace report {

namespace {

// A composer that asks again more often than this has stopped moving on.
constexpr int kMostRepeats = 10000;

} // namespace

void DocumentCheck::Start(const DefinitionList& variables) {
    if (started_) return;
    started_ = true;
    trial_.OutputPageObjects(variables);
    const Layout& layout = trial_.GetLayout();
    for (const HeaderItem& item : layout.header) {
        const Definition* v = item.kind == ItemKind::Variable ? variables.Find(item.source) : nullptr;
        if (!v || ShownFormat(v, item.format) != ValueFormat::Text) continue;
        const QString text = QString::fromStdString(item.caption) + FormatValue(v, item.format);
        if (const auto problem = TextProblem(item.source, text, FitInItem(trial_, item, text, ValueFormat::Text)))
            texts_.Add(item.source, *problem);
    }
}

void DocumentCheck::Line(const DefinitionList& variables, const DefinitionList& fields) {
    Start(variables);
    for (int i = 0; i < kMostRepeats && !trial_.OutputLine(fields); ++i) trial_.OutputPageObjects(variables);
    const std::vector<TableColumn>& columns = trial_.GetLayout().table.columns;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Definition* f = fields.Find(columns[i].field);
        if (!f || ShownFormat(f, columns[i].format) != ValueFormat::Text) continue;
        const QString text = FormatValue(f, columns[i].format);
        if (const auto problem = TextProblem(columns[i].field, text, FitInColumn(trial_, i, text, ValueFormat::Text)))
            texts_.Add(columns[i].field, *problem);
    }
}

bool DocumentCheck::ShownAsNumber(const std::string& box, const DefinitionList& variables,
                                  const DefinitionList& fields) const {
    const Layout& layout = trial_.GetLayout();
    for (const TableColumn& c : layout.table.columns)
        if (c.field == box) return ShownFormat(fields.Find(box), c.format) != ValueFormat::Text;
    for (const std::vector<HeaderItem>* items : {&layout.header, &layout.table.footer})
        for (const HeaderItem& item : *items) {
            if (item.kind == ItemKind::Count && box == "righe") return true;
            if (item.source != box) continue;
            if (item.kind == ItemKind::Sum) return true;
            if (item.kind == ItemKind::Variable) return ShownFormat(variables.Find(box), item.format) != ValueFormat::Text;
        }
    return false;
}

std::vector<std::string> DocumentCheck::Finish(const DefinitionList& variables, const DefinitionList& fields) {
    Start(variables);
    for (int i = 0; i < kMostRepeats && !trial_.FinishLines(variables, fields); ++i) {
    }
    NarrowBoxList list;
    for (const Composer::Overflow& o : trial_.Overflows())
        list.Add(o.name, OverflowSentence(trial_.GetLayout(), o, ShownAsNumber(o.name, variables, fields)));
    for (const NarrowBox& b : texts_.Boxes()) list.Add(b.box, b.sentence);
    AddNarrowForType(trial_, variables, fields, list);
    return list.Sentences();
}

} // namespace report
