#pragma once
// A half-written database for tests: another program changes rows with a tiny
// cache, so that changed pages reach the file before the commit, and dies in
// the middle, leaving the file and its rollback journal as a crash does.
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace testing_support {

// Runs firstStatement, then 5000 inserts made by insertRow(0..4999), in one
// transaction that a child process never commits.
inline void CrashInTheMiddleOfAWrite(const std::string& file, const std::string& firstStatement,
                                     const std::function<std::string(int)>& insertRow) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) _exit(2);
        const std::string begin = "PRAGMA cache_size=2; BEGIN IMMEDIATE; " + firstStatement;
        sqlite3_exec(db, begin.c_str(), nullptr, nullptr, nullptr);
        for (int i = 0; i < 5000; ++i)
            if (sqlite3_exec(db, insertRow(i).c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) _exit(3);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
}

} // namespace testing_support
