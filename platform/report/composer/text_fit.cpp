#include "report/composer/text_fit.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include <QFontMetricsF>
#include <QRegularExpression>

namespace report {

namespace {

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

int PrintPixels(double fontSize) {
    return static_cast<int>(std::lround(fontSize * MmPerPoint() * kPrintPxPerMm));
}

double TextWidth(const QString& text, double fontSize, bool bold) {
    // Measured as the printer lays it out.
    static std::map<std::pair<int, bool>, QFontMetricsF> metrics;
    const int pixels = PrintPixels(fontSize);
    auto found = metrics.find({pixels, bold});
    if (found == metrics.end())
        found = metrics.emplace(std::pair(pixels, bold), QFontMetricsF(PrintFont(pixels, bold))).first;
    return found->second.horizontalAdvance(text) / kPrintPxPerMm * kSafety;
}

QString WithBlanks(const QString& text) {
    QString blanks = text;
    blanks.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar c : {QLatin1Char('\t'), QLatin1Char('\r'), QLatin1Char('\n')}) blanks.replace(c, QLatin1Char(' '));
    return blanks;
}

namespace {

bool IsNumber(const QString& word) {
    static const QRegularExpression number(QStringLiteral("^[-+]?[0-9][0-9.,]*$"));
    return number.match(word).hasMatch();
}

// A unit after a number: a few letters or a sign (kg, l, V, %, €).
bool IsUnit(const QString& word) {
    static const QRegularExpression unit(QStringLiteral("^(\\p{L}{1,3}\\.?|%|€)$"));
    return unit.match(word).hasMatch();
}

// One paragraph (no line break in it) in lines of at most width.
void WrapParagraph(const QString& paragraph, double width, double fontSize, bool bold, QStringList& lines) {
    const auto fits = [&](const QString& s) { return TextWidth(s, fontSize, bold) <= width; };
    QString line;
    for (const QString& word : UnbrokenWords(paragraph)) {
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

QStringList UnbrokenWords(const QString& paragraph) {
    QStringList words;
    for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!words.isEmpty() && IsNumber(words.back()) && IsUnit(word)) words.back() += QLatin1Char(' ') + word;
        else words.append(word);
    }
    return words;
}

std::optional<double> WholeWordsSize(const QString& text, double width, double fontSize, bool bold) {
    double size = fontSize;
    for (const QString& word : UnbrokenWords(WithBlanks(text))) {
        if (TextWidth(word, size, bold) <= width) continue;
        const std::optional<double> smaller = FittingSize(word, width, size, bold);
        if (!smaller) return std::nullopt;
        size = *smaller;
    }
    return size;
}

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
    // Width grows in proportion to the size, but for the rounding of sizes to
    // the printer's pixels: a pixel less until it fits.
    const double pixel = 1 / (MmPerPoint() * kPrintPxPerMm);
    double size = fontSize * width / full * 0.999;
    while (size >= kMinFontSize && TextWidth(text, size, bold) > width) size -= pixel;
    if (size < kMinFontSize) return std::nullopt;
    return size;
}

} // namespace report
