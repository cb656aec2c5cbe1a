#include "report/text_fit.h"

#include <algorithm>

#include <QFontMetricsF>

namespace report {

namespace {

// Measured at a large size and scaled: unhinted glyphs grow in proportion.
constexpr int kMeasurePixels = 200;
// Room for the rounding of pixel sizes on coarse devices (a preview).
constexpr double kSafety = 1.03;

double MmPerPoint() { return 25.4 / 72.0; }

} // namespace

QFont PrintFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    // Without shaping there are no ligatures: the PDF's text reads back and
    // searches as it was written ("fi", not one joined glyph). Without
    // hinting widths scale exactly, so measured text fits on every device.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    return font;
}

double TextWidth(const QString& text, double fontSize, bool bold) {
    static const QFontMetricsF regular(PrintFont(kMeasurePixels, false));
    static const QFontMetricsF heavy(PrintFont(kMeasurePixels, true));
    const double advance = (bold ? heavy : regular).horizontalAdvance(text);
    return advance / kMeasurePixels * fontSize * MmPerPoint() * kSafety;
}

QString WithBlanks(const QString& text) {
    QString blanks = text;
    blanks.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar c : {QLatin1Char('\t'), QLatin1Char('\r'), QLatin1Char('\n')}) blanks.replace(c, QLatin1Char(' '));
    return blanks;
}

namespace {

// One paragraph (no line break in it) in lines of at most width.
void WrapParagraph(const QString& paragraph, double width, double fontSize, bool bold, QStringList& lines) {
    const auto fits = [&](const QString& s) { return TextWidth(s, fontSize, bold) <= width; };
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (fits(joined)) {
            line = joined;
            continue;
        }
        if (!line.isEmpty()) lines.append(line);
        line = word;
        // A word wider than the line goes in pieces, at least a letter each.
        while (line.size() > 1 && !fits(line)) {
            qsizetype cut = line.size() - 1;
            while (cut > 1 && !fits(line.left(cut))) --cut;
            lines.append(line.left(cut));
            line = line.mid(cut);
        }
    }
    lines.append(line);
}

} // namespace

QStringList WrapLines(const QString& text, double width, double fontSize, bool bold) {
    QString breaks = text;
    breaks.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    breaks.replace(QLatin1Char('\t'), QLatin1Char(' '));
    // Breaks at the end would only add empty lines under the text.
    while (breaks.endsWith(QLatin1Char('\n'))) breaks.chop(1);
    QStringList lines;
    for (const QString& paragraph : breaks.split(QLatin1Char('\n'))) WrapParagraph(paragraph, width, fontSize, bold, lines);
    return lines;
}

std::optional<double> FittingSize(const QString& text, double width, double fontSize, bool bold) {
    const double full = TextWidth(text, fontSize, bold);
    if (full <= width) return fontSize;
    const double size = fontSize * width / full * 0.999;   // width grows in proportion to the size
    if (size < kMinFontSize) return std::nullopt;
    return size;
}

} // namespace report
