#pragma once
// Layout files: JSON text of our own ({"format": "vantorima-layout", ...}),
// whatever the name ends in (.LST).
#include <filesystem>
#include <string>

#include "report/model/layout.h"

namespace report {

// Newer: a layout of a later format than this program knows; it is neither
// shown nor overwritten.
enum class LayoutLoad { Loaded, Missing, Unreadable, Newer };

// Reads a host file into layout; layout is untouched unless Loaded. A file
// that is ours but cannot be printed (a paper side outside 50-1000 mm) is
// Unreadable, with the reason left in reason.
LayoutLoad LoadLayout(const std::filesystem::path& file, Layout& layout, std::string* reason = nullptr);

// Whether a file that does not load is a layout of ours all the same (it
// names our format, or is empty): a damaged layout, not another program's file.
bool IsDamagedLayout(const std::filesystem::path& file);

// Writes the layout whole or not at all (a temporary file beside it, then a
// rename), so a crash never leaves half a layout; false with the system's
// reason in the operator's words ("Permesso negato.", "Disco pieno.") on failure.
// stamp, when given, receives the FileStamp of what was written.
bool SaveLayout(const std::filesystem::path& file, const Layout& layout, std::string& error,
                std::string* stamp = nullptr);

// What tells one state of a file from another: its size and a hash of its
// bytes; empty when the file does not exist.
std::string FileStamp(const std::filesystem::path& file);

} // namespace report
