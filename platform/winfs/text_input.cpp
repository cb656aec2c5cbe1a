// Line Input and list Input on text files.
#include <string>
#include <vector>

#include "winfs/ansi_text.h"
#include "winfs/file_errors.h"
#include "winfs/files.h"
#include "winfs/input_file.h"

namespace winfs {

namespace {

using detail::InputFile;

bool IsBlank(int c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }

// After a value: drops what stands before the next comma or line end (text
// after a closing quote) and consumes that delimiter.
void SkipToDelimiter(InputFile& in) {
    for (;;) {
        int c = in.Peek();
        if (c == InputFile::kEnd) return;
        if (c == ',') {
            in.Get();
            return;
        }
        if (in.SkipLineEnd()) return;
        in.Get();
    }
}

// One list value, or false when the file ends before a value starts. Blanks
// and line ends before a value are skipped, so blank lines hold no value.
bool ReadListValue(InputFile& in, std::string& value) {
    value.clear();
    while (IsBlank(in.Peek()) || IsLineEnd(in.Peek())) in.Get();
    if (in.AtEnd()) return false;

    if (in.Peek() == '"') {
        in.Get();
        for (int c = in.Get(); c != InputFile::kEnd && c != '"'; c = in.Get()) value.push_back(static_cast<char>(c));
        SkipToDelimiter(in);
        return true;
    }
    for (int c = in.Peek(); c != InputFile::kEnd && c != ',' && !IsLineEnd(c); c = in.Peek())
        value.push_back(static_cast<char>(in.Get()));
    while (!value.empty() && IsBlank(static_cast<unsigned char>(value.back()))) value.pop_back();
    SkipToDelimiter(in);
    return true;
}

} // namespace

void OpenForReadingAndClose(const std::string& path) { InputFile file(path, 0); }

FirstLine ReadFirstLine(const std::string& path) {
    InputFile in(path, kTextReadLimit);
    if (in.AtEnd()) detail::Raise(vb::kInputPastEnd);
    std::string line;
    for (int c = in.Peek(); c != InputFile::kEnd && !IsLineEnd(c); c = in.Peek())
        line.push_back(static_cast<char>(in.Get()));
    return {AnsiToUtf8(line), !in.CutAtLimit()};
}

std::vector<std::string> ReadListValues(const std::string& path, std::size_t maxValues) {
    InputFile in(path, kTextReadLimit);
    std::vector<std::string> values;
    std::string value;
    while (values.size() < maxValues && ReadListValue(in, value)) values.push_back(AnsiToUtf8(value));
    // Values that ran to the limit are not the values the file holds.
    if (in.CutAtLimit()) detail::Raise(vb::kPathFileAccessError);
    return values;
}

std::vector<std::string> ReadListValuesExact(const std::string& path, std::size_t count) {
    std::vector<std::string> values = ReadListValues(path, count);
    if (values.size() < count) detail::Raise(vb::kInputPastEnd);
    return values;
}

} // namespace winfs
