#pragma once
// A drives folder of the test's own whose archive folder "C:\archivi" holds
// two real version-7 databases with rows of their own and free pages left by
// deleted rows, and the means to look at the folder: its file names, a
// file's bytes, every row of a database file.
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace compaction_testing {

inline constexpr const char* kArchive = "C:\\archivi";
inline constexpr const char* kFirst = "vantorima7.mdb";
inline constexpr const char* kSecond = "vantorima7a.mdb";
inline constexpr const char* kFirstCopy = "vantorima7save.mdb";
inline constexpr const char* kSecondCopy = "vantorima7asave.mdb";

// Every row of every table, in storage order, each row as one text.
using TableRows = std::map<std::string, std::vector<std::string>>;

class ArchiveFolder {
public:
    ArchiveFolder();
    ~ArchiveFolder();
    ArchiveFolder(const ArchiveFolder&) = delete;
    ArchiveFolder& operator=(const ArchiveFolder&) = delete;

    std::filesystem::path Folder() const;
    std::filesystem::path Host(const std::string& name) const { return Folder() / name; }
    // A place outside the archive folder for files the test takes away.
    std::filesystem::path Aside(const std::string& name) const;

    // A version-7 database under name; seed makes its rows differ from the other's.
    void BuildDatabase(const std::string& name, int seed) const;
    void Write(const std::string& name, const std::string& bytes) const;

    std::set<std::string> Names() const;

    static std::string Bytes(const std::filesystem::path& file);
    static TableRows Rows(const std::filesystem::path& file);

private:
    testing_support::TempDir drives_;
    std::optional<std::string> previous_;
};

} // namespace compaction_testing
