#pragma once
// The two databases of the archive folder and the compacted copies written
// beside them.
#include <string>

namespace utilita::compaction {

inline constexpr const char* kFirstDatabaseName = "\\vantorima7.mdb";
inline constexpr const char* kFirstCopyName = "\\vantorima7save.mdb";
inline constexpr const char* kSecondDatabaseName = "\\vantorima7a.mdb";
inline constexpr const char* kSecondCopyName = "\\vantorima7asave.mdb";

struct ArchiveFiles {
    explicit ArchiveFiles(const std::string& folder)
        : firstDatabase(folder + kFirstDatabaseName), firstCopy(folder + kFirstCopyName),
          secondDatabase(folder + kSecondDatabaseName), secondCopy(folder + kSecondCopyName) {}

    std::string firstDatabase;
    std::string firstCopy;
    std::string secondDatabase;
    std::string secondCopy;
};

} // namespace utilita::compaction
