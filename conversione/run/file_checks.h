#pragma once
// The checks the run driver makes on the two chosen files.
#include <string>
#include <string_view>

#include "run/data_bindings.h"

namespace conversione {

// The last 14 characters of the name (the whole name when shorter), in upper
// case, equal the expected tail ("VANTORIMA6.MDB").
bool NameEndsWith(const std::string& fileName, std::string_view expectedTail);

// Both names lead to one file on disk (a link, another spelling of the path).
bool SameFile(const std::string& first, const std::string& second);

// "numero", one blank, "data" of the first row of the table "versione" of the
// source file (a Null contributes nothing). Binds the source; engine errors rise.
std::string ReadSourceRelease(DataBindings& bindings, const std::string& sourceFile);

// The release a source must record.
inline constexpr std::string_view kExpectedRelease = "VERSIONE 6.0.13 DEL 17 SETTEMBRE 2004";

bool IsExpectedRelease(const std::string& release);

} // namespace conversione
