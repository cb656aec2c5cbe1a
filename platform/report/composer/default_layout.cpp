#include "report/composer/default_layout.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QString>

#include "report/composer/text_fit.h"
#include "report/composer/value_format.h"

namespace report {

namespace {

constexpr double kMargin = 10;
constexpr double kBlockTop = 12;
constexpr double kBlockFont = 9;
constexpr double kLastBlockRow = 190;     // the block may not push the table lower than this
constexpr double kCellRoom = 2.5;         // the cell's padding and a little air
constexpr double kNarrowestText = 12;     // a wrapping column is never squeezed below this
// No column is narrower: its title's word still fits at the smallest size
// when the layout goes onto A5 and its columns shrink in proportion.
constexpr double kNarrowestColumn = 12;
constexpr double kTotalsWidth = 90;
// A code column holds at least a code of ten characters on one line.
constexpr const char* kTenCharacterCode = "ABCDE12345";

// Codes (article, supplier's, lot): one word each, never broken.
bool IsCode(const Definition& field) {
    return field.name.rfind("cod", 0) == 0 || field.name.rfind("lott", 0) == 0;
}

// Money in the page part is the document's totals: they go to the footer.
bool IsTotal(const Definition& v) {
    return v.column == ColumnType::Currency;
}

// What a column needs: its title's longest word (titles wrap), the widest
// value seen, and for a number what real documents hold at full size (a
// number does not wrap, and a later document's amounts are larger than
// today's) with the widest its type holds at the smallest size; a code at
// least a code of ten characters.
double NeededWidth(const Definition& field, double fontSize) {
    double title = 0;
    for (const QString& word : QString::fromStdString(field.name).split(QLatin1Char(' ')))
        title = std::max(title, TextWidth(word, fontSize, true));
    Definition widest = field;
    widest.contents = field.widest;
    widest.value = {};
    const double seen = TextWidth(FormatValue(&widest, ValueFormat::Auto), fontSize, false);
    const double common = TextWidth(QString::fromUtf8(CommonOfType(field)), fontSize, false);
    const double extreme = TextWidth(QString::fromUtf8(WidestOfType(field)), kMinFontSize, false);
    const double code = IsCode(field) ? TextWidth(QString::fromLatin1(kTenCharacterCode), fontSize, false) : 0;
    return std::max(std::max({title, seen, common, extreme, code}) + kCellRoom, kNarrowestColumn);
}

} // namespace

std::vector<double> ColumnWidths(const std::vector<Definition>& fields, double fontSize, double usable) {
    std::vector<double> width;
    std::vector<std::size_t> texts;
    double room = usable;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        width.push_back(NeededWidth(fields[i], fontSize));
        if (ResolvedFormat(fields[i]) == ValueFormat::Text) texts.push_back(i);
        else room -= width.back();
    }
    std::sort(texts.begin(), texts.end(), [&](std::size_t a, std::size_t b) { return width[a] < width[b]; });
    const std::vector<double> needed = width;
    double textNeeds = 0;
    for (std::size_t n = 0; n < texts.size(); ++n) {
        const double share = std::max(kNarrowestText, room / static_cast<double>(texts.size() - n));
        width[texts[n]] = std::min(width[texts[n]], share);
        room -= width[texts[n]];
        textNeeds += needed[texts[n]];
    }
    double total = 0;
    for (double w : width) total += w;
    if (total > usable || texts.empty()) {
        for (double& w : width) w *= usable / std::max(total, 1.0);   // too many columns: all give way
    } else {
        // The room left over goes to the texts that wanted more (the description), not to short codes.
        double wanting = 0;
        for (std::size_t i : texts) wanting += needed[i] - width[i];
        for (std::size_t i : texts)
            width[i] += (usable - total) * (wanting > 0 ? (needed[i] - width[i]) / wanting : needed[i] / textNeeds);
    }
    return width;
}

namespace {

void AddFooter(Layout& layout, const DefinitionList& variables, const DefinitionList& fields) {
    const double step = LineHeight(kBlockFont) + 0.5;
    const double right = layout.pageWidth - kMargin - kTotalsWidth;
    std::vector<HeaderItem>& footer = layout.table.footer;
    if (!fields.Empty()) footer.push_back({ItemKind::Count, "", "Righe: ", kMargin, 1, 50, kBlockFont});
    double y = 1;   // the right-hand column, one under the other
    // The sum of the lines' last money column (their amount), then the document's totals.
    for (auto f = fields.Items().rbegin(); f != fields.Items().rend(); ++f) {
        if (f->column != ColumnType::Currency) continue;
        footer.push_back({ItemKind::Sum, f->name, "Totale " + f->name + ": ", right, y, kTotalsWidth, kBlockFont,
                          true, ValueFormat::Auto, Align::Right});
        y += step;
        break;
    }
    for (const Definition& v : variables.Items()) {
        if (!IsTotal(v)) continue;
        footer.push_back({ItemKind::Variable, v.name, v.name + ": ", right, y, kTotalsWidth, kBlockFont, false,
                          ValueFormat::Auto, Align::Right});
        y += step;
    }
}

// A type's values as printed: what real documents hold, and the widest it
// holds in practice.
struct TypeSamples {
    const char* common;
    const char* widest;
};

TypeSamples SamplesOfType(const Definition& value) {
    switch (ResolvedFormat(value)) {
    case ValueFormat::Amount: return {"12.345.678,90", "999.999.999,99"};
    case ValueFormat::Number:
        if (value.column == ColumnType::Integer) return {"1.234.567", "9999999"};
        return {"1.234.567,5", "9.999.999,99999"};
    case ValueFormat::Date: return {"00/00/0000", "00/00/0000 00:00"};
    case ValueFormat::YesNo: return {"No", "No"};
    case ValueFormat::Text:
    case ValueFormat::Auto: break;
    }
    return {"", ""};
}

} // namespace

const char* CommonOfType(const Definition& value) { return SamplesOfType(value).common; }

const char* WidestOfType(const Definition& value) { return SamplesOfType(value).widest; }

Align SuggestedAlign(const Definition& value) {
    return AlignFor(ResolvedFormat(value));
}

Layout DefaultLayout(const DefinitionList& variables, const DefinitionList& fields) {
    Layout layout;
    const double usable = layout.pageWidth - 2 * kMargin;
    const double step = LineHeight(kBlockFont) + 0.5;

    std::vector<const Definition*> block;
    for (const Definition& v : variables.Items())
        if (!IsTotal(v)) block.push_back(&v);
    // As many columns as keep the block above the table's room.
    const auto count = static_cast<int>(block.size());
    int blockColumns = 2;
    while (blockColumns < 4 && kBlockTop + std::ceil(double(count) / blockColumns) * step > kLastBlockRow)
        ++blockColumns;
    const int rows = count == 0 ? 0 : static_cast<int>(std::ceil(double(count) / blockColumns));
    const double columnWidth = usable / blockColumns;
    for (int i = 0; i < count; ++i) {
        const Definition& v = *block[static_cast<std::size_t>(i)];
        HeaderItem item;
        item.kind = ItemKind::Variable;
        item.source = v.name;
        item.caption = v.name + ": ";
        item.x = kMargin + (i / std::max(rows, 1)) * columnWidth;
        item.y = kBlockTop + (i % std::max(rows, 1)) * step;
        item.width = columnWidth - 2;
        item.fontSize = kBlockFont;
        layout.header.push_back(item);
    }

    LineTable& table = layout.table;
    table.left = kMargin;
    table.top = kBlockTop + rows * step + 8;
    table.bottom = layout.pageHeight - 12;
    table.fontSize = fields.Items().size() > 8 ? 8 : 9;
    const std::vector<double> widths = ColumnWidths(fields.Items(), table.fontSize, usable);
    for (std::size_t i = 0; i < fields.Items().size(); ++i) {
        const Definition& f = fields.Items()[i];
        table.columns.push_back({f.name, f.name, widths[i], SuggestedAlign(f), ValueFormat::Auto});
    }
    AddFooter(layout, variables, fields);
    return layout;
}

} // namespace report
