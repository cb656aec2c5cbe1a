#pragma once
// Text written by Windows programs in the ANSI code page (Windows-1252), or
// by newer ones in UTF-8, brought to the UTF-8 the programs work in.
#include <string>
#include <string_view>

namespace winfs {

bool IsValidUtf8(std::string_view bytes);

// Appends the UTF-8 form of Windows-1252 bytes.
void AppendWindows1252(std::string_view bytes, std::string& out);

// UTF-8 as it is (a leading byte order mark dropped) when the bytes are valid
// UTF-8, otherwise read as Windows-1252.
std::string AnsiToUtf8(std::string_view bytes);

// Appends the UTF-8 form of one code point.
void AppendUtf8(char32_t code, std::string& out);

} // namespace winfs
