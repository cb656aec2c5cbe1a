#pragma once
// What makes the timings mean something: every table a converter copies has
// source rows, and the run's target and the SQL copy hold as many.
#include <string>
#include <vector>

namespace bench {

// One line per table that breaks that; empty when all hold.
std::vector<std::string> RowCountFailures(const std::string& sourceFile, const std::string& runTarget,
                                          const std::string& sqlTarget);

} // namespace bench
