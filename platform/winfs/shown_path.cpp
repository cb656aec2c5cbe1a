#include "winfs/shown_path.h"

namespace winfs {

namespace {

constexpr const char* kGap = "...";
constexpr std::size_t kGapChars = 3;

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// Byte offset where the character after the first n characters starts.
std::size_t AfterFirst(const std::string& text, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t seen = 0; i < text.size(); ++i)
        if (StartsCharacter(text[i]) && seen++ == n) break;
    return i;
}

// Byte offset where the last n characters start.
std::size_t LastStart(const std::string& text, std::size_t n) {
    std::size_t i = text.size();
    for (std::size_t seen = 0; i > 0 && seen < n;)
        if (StartsCharacter(text[--i])) ++seen;
    return i;
}

} // namespace

std::string ShownPath(const std::string& utf8Path) {
    if (AfterFirst(utf8Path, kShownPathChars) == utf8Path.size()) return utf8Path;
    // The start names the drive, the end the file: both are kept.
    const std::size_t kept = kShownPathChars - kGapChars;
    const std::size_t head = kept / 2;
    return utf8Path.substr(0, AfterFirst(utf8Path, head)) + kGap + utf8Path.substr(LastStart(utf8Path, kept - head));
}

} // namespace winfs
