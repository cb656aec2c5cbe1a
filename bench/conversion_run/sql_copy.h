#pragma once
// The same conversion as plain SQL: the emptying, then one
// INSERT INTO ... SELECT per converter from the attached version-6 file, in
// one transaction. The yardstick the run is measured against.
#include <string>

namespace bench {

void CopyWithSql(const std::string& sourceFile, const std::string& targetFile);

} // namespace bench
