#include "report/composer/cell_fit.h"

#include <algorithm>

#include "report/composer/text_fit.h"

namespace report {

FittedCell WrapIntoBox(const QString& text, QPointF topLeft, double width, double maxHeight, const CellStyle& style) {
    FittedCell cell;
    // A smaller size before a word breaks inside (a code, a number with its unit).
    const double size = WholeWordsSize(text, width, style.fontSize, style.bold).value_or(kMinFontSize);
    const double lineHeight = LineHeight(size);
    double y = topLeft.y();
    for (const QString& line : WrapLines(text, width, size, style.bold)) {
        if (maxHeight > 0 && !cell.texts.empty() && y + lineHeight > topLeft.y() + maxHeight + 0.01) {
            cell.overflow = true;
            break;
        }
        cell.texts.push_back({QRectF(topLeft.x(), y, width, lineHeight), line, size, style.bold, style.align});
        y += lineHeight;
    }
    cell.height = y - topLeft.y();
    return cell;
}

FittedCell ShrinkIntoBox(const QString& text, const QRectF& box, const CellStyle& style, bool number) {
    FittedCell cell;
    cell.height = box.height();
    QString shown = WithBlanks(text);
    double size = style.fontSize;
    if (const std::optional<double> fitting = FittingSize(shown, box.width(), style.fontSize, style.bold)) {
        size = *fitting;
    } else {
        cell.overflow = true;
        size = kMinFontSize;
        if (number) {
            shown = QString::fromLatin1(kOverflowMark);
        } else {
            const QString ellipsis = QString::fromUtf8("…");
            while (!shown.isEmpty() && TextWidth(shown + ellipsis, size, style.bold) > box.width()) shown.chop(1);
            shown += ellipsis;
        }
    }
    cell.texts.push_back({box, shown, size, style.bold, style.align});
    return cell;
}

} // namespace report
