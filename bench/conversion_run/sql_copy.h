#pragma once
// The same conversion as plain SQL: the emptying, then one
// INSERT INTO ... SELECT per converter from the attached version-6 file, in
// one transaction. The yardstick the run is measured against.
#include <string>
#include <vector>

namespace bench {

void CopyWithSql(const std::string& sourceFile, const std::string& targetFile);

// Target tables whose row counts differ between the two files ("" when none),
// so that the two copies are known to have done the same work.
std::string RowCountDifferences(const std::string& firstFile, const std::string& secondFile);

} // namespace bench
