#pragma once
// Text measured as the pages draw it, in millimetres, so that the layout can
// decide before any printer exists whether a value fits its cell.
#include <optional>

#include <QFont>
#include <QString>
#include <QStringList>

namespace report {

// Below this size (points) a value is no longer legible: it overflows instead.
inline constexpr double kMinFontSize = 6;

// Texts are laid out at the printer's resolution, on every device: a screen
// draws them so and scales them down, so that each word lies where it prints.
inline constexpr double kPrintPxPerMm = 1200 / 25.4;

// The font every page is drawn with, at a size in device pixels.
QFont PrintFont(int pixelSize, bool bold);
// A font size in points as pixels at the printer's resolution.
int PrintPixels(double fontSize);

double TextWidth(const QString& text, double fontSize, bool bold);

// The text in lines of at most width, broken at its own line breaks and
// between words (a tab is a blank); a word longer than a line is broken
// between its letters, so nothing is left out (WholeWordsSize first finds
// the size that spares it).
QStringList WrapLines(const QString& text, double width, double fontSize, bool bold);

// A paragraph's words, split at blanks; a number keeps the unit after it
// ("25 kg", "0,75 l"): a line never breaks between them.
QStringList UnbrokenWords(const QString& paragraph);

// The largest size from fontSize down to kMinFontSize at which every word of
// the text fits width, so that lines break only between words; nullopt when
// a word is too wide even at the smallest.
std::optional<double> WholeWordsSize(const QString& text, double width, double fontSize, bool bold);

// The text on one line: tabs and line breaks become blanks.
QString WithBlanks(const QString& text);

// The largest size from fontSize down to kMinFontSize at which the text fits
// width on one line; nullopt when even the smallest is too wide.
std::optional<double> FittingSize(const QString& text, double width, double fontSize, bool bold);

} // namespace report
