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

// Writes the layout whole or not at all (a temporary file beside it, then a
// rename), so a crash never leaves half a layout; false with a reason on failure.
bool SaveLayout(const std::filesystem::path& file, const Layout& layout, std::string& error);

} // namespace report
