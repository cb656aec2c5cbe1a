#include "report/composer/narrow_boxes.h"

#include <algorithm>

#include "report/composer/default_layout.h"
#include "report/composer/text_fit.h"
#include "report/composer/value_format.h"

namespace report {

namespace {

constexpr std::size_t kListed = 10;

QStringList Words(const QString& text) {
    return WithBlanks(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const HeaderItem* CaptionedItem(const Layout& layout, const std::string& box) {
    for (const HeaderItem& item : layout.header)
        if (item.kind == ItemKind::Variable && item.source == box && !item.caption.empty()) return &item;
    return nullptr;
}

std::string NumberSentence(const Layout& layout, const std::string& box, const QString& value) {
    std::string sentence = box + ": la casella è troppo stretta per valori come " + value.toStdString();
    // The mark takes the whole box: the caption before the value is lost too.
    if (const HeaderItem* item = CaptionedItem(layout, box))
        return sentence + " (stamperebbe ### anche al posto di \"" + QString::fromStdString(item->caption).trimmed().toStdString() +
               "\")";
    return sentence + " (stamperebbe ###)";
}

} // namespace

void NarrowBoxList::Add(const std::string& box, const std::string& sentence) {
    const auto listed = std::find_if(boxes_.begin(), boxes_.end(), [&](const NarrowBox& b) { return b.box == box; });
    if (listed == boxes_.end()) boxes_.push_back({box, sentence});
}

std::vector<std::string> NarrowBoxList::Sentences() const {
    std::vector<std::string> sentences;
    for (const NarrowBox& b : boxes_) sentences.push_back(b.sentence);
    return sentences;
}

FittedCell FitInColumn(const Composer& composer, std::size_t column, const QString& text, ValueFormat shown) {
    const LineTable& table = composer.GetLayout().table;
    double x = table.left;
    for (std::size_t i = 0; i < column; ++i) x += table.columns[i].width;
    const TableColumn& c = table.columns[column];
    const QRectF box(x + kCellPadding, table.top, c.width - 2 * kCellPadding, LineHeight(table.fontSize));
    return composer.FitValue(text, shown, box, 0, {table.fontSize, false, c.align});
}

FittedCell FitInItem(const Composer& composer, const HeaderItem& item, const QString& text, ValueFormat shown) {
    // A text of the page part wraps and grows; any other value keeps to its box.
    const double maxHeight = shown == ValueFormat::Text ? 0 : item.height > 0 ? item.height : -1;
    return composer.FitValue(text, shown, QRectF(item.x, item.y, item.width, ItemHeight(item)), maxHeight,
                             {item.fontSize, item.bold, item.align});
}

void AddNarrowForType(const Composer& composer, const DefinitionList& variables, const DefinitionList& fields,
                      NarrowBoxList& list) {
    const Layout& layout = composer.GetLayout();
    const auto widest = [](const Definition& value, ValueFormat shown) {
        return shown == ValueFormat::YesNo ? QString() : QString::fromUtf8(WidestOfType(value));
    };
    for (std::size_t i = 0; i < layout.table.columns.size(); ++i) {
        const TableColumn& column = layout.table.columns[i];
        const Definition* f = fields.Find(column.field);
        const ValueFormat shown = ShownFormat(f, column.format);
        const QString value = f ? widest(*f, shown) : QString();
        if (!value.isEmpty() && FitInColumn(composer, i, value, shown).overflow)
            list.Add(column.field, NumberSentence(layout, column.field, value));
    }
    for (const HeaderItem& item : layout.header) {
        const Definition* v = item.kind == ItemKind::Variable ? variables.Find(item.source) : nullptr;
        const ValueFormat shown = ShownFormat(v, item.format);
        const QString value = v ? widest(*v, shown) : QString();
        if (!value.isEmpty() && FitInItem(composer, item, QString::fromStdString(item.caption) + value, shown).overflow)
            list.Add(item.source, NumberSentence(layout, item.source, value));
    }
}

std::vector<std::string> NarrowBoxes(const Layout& layout, const DefinitionList& variables,
                                     const DefinitionList& fields) {
    NarrowBoxList list;
    AddNarrowForType(Composer(layout), variables, fields, list);
    return list.Sentences();
}

std::optional<std::string> TextProblem(const std::string& box, const QString& text, const FittedCell& cell) {
    for (const PageText& line : cell.texts)
        if (TextWidth(line.text, line.fontSize, line.bold) > line.rect.width() + 0.01)
            return box + ": la casella è troppo stretta anche per una sola lettera";
    if (cell.overflow) return std::nullopt;   // told of as a text cut
    // Every word of the value stands whole on one of its lines, or was broken.
    const QStringList words = Words(text);
    QStringList placed;
    for (const PageText& line : cell.texts) placed += Words(line.text);
    for (qsizetype i = 0; i < words.size(); ++i)
        if (i >= placed.size() || placed[i] != words[i])
            return box + ": la casella è troppo stretta per parole come " + words[i].toStdString() +
                   " (le stamperebbe spezzate)";
    return std::nullopt;
}

std::string OverflowSentence(const Layout& layout, const Composer::Overflow& overflow, bool number) {
    QString value = overflow.value;
    if (const HeaderItem* item = CaptionedItem(layout, overflow.name)) {
        const QString caption = QString::fromStdString(item->caption);
        if (value.startsWith(caption)) value.remove(0, caption.size());
    }
    if (number) return NumberSentence(layout, overflow.name, value);
    return overflow.name + ": la casella è troppo stretta per il testo \"" + value.toStdString() +
           "\" (lo stamperebbe tagliato)";
}

std::string ShortList(const std::vector<std::string>& warnings) {
    std::string text;
    for (std::size_t i = 0; i < warnings.size() && i < kListed; ++i) text += (i ? "\r\n" : "") + warnings[i];
    if (warnings.size() > kListed) text += "\r\ne altri " + std::to_string(warnings.size() - kListed);
    return text;
}

} // namespace report
