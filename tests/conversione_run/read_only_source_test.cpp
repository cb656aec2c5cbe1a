// A whole run on a version-6 file that another program left half-written (a
// journal beside it): the run must refuse it rather than roll it back, so the
// file and its journal stay exactly as the crash left them.
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "demo_archive.h"

namespace {

using run_testing::DemoArchive;
using run_testing::StampOf;

// Another program changes rows of `file` with a tiny cache, so that changed
// pages reach the file before the commit, and dies in the middle.
void CrashInTheMiddleOfAWrite(const std::string& file) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) _exit(2);
        sqlite3_exec(db, "PRAGMA cache_size=2; BEGIN IMMEDIATE; UPDATE versione SET numero = 'rotto'", nullptr,
                     nullptr, nullptr);
        for (int i = 0; i < 5000; ++i) {
            const std::string sql = "INSERT INTO clienti ([id tabella], nominativo) VALUES (" +
                                    std::to_string(100000 + i) + ", '" + std::string(40, 'z') + "')";
            if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) _exit(3);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
}

TEST(ReadOnlySource, AHalfWrittenSourceIsNeitherRolledBackNorWrittenAndTheRunEndsWithItsError) {
    DemoArchive archive;
    const auto clean = StampOf(archive.source);
    CrashInTheMiddleOfAWrite(archive.source);
    const std::string journal = archive.source + "-journal";
    ASSERT_TRUE(std::filesystem::exists(journal));
    const auto crashed = StampOf(archive.source);
    ASSERT_NE(crashed.bytes, clean.bytes) << "the crash left no half-written file to test with";
    const auto journalStamp = StampOf(journal);
    const auto target = StampOf(archive.target);

    archive.Run();
    ASSERT_FALSE(archive.view.log.empty());
    EXPECT_EQ(archive.view.log.back().rfind("PROCEDURA INTERROTTA Errore nr. 3049 - ", 0), 0u)
        << archive.view.log.back();
    EXPECT_EQ(StampOf(archive.source), crashed);
    ASSERT_TRUE(std::filesystem::exists(journal)) << "the journal was rolled back";
    EXPECT_EQ(StampOf(journal), journalStamp);
    EXPECT_EQ(StampOf(archive.target), target);
}

} // namespace
