#pragma once
// Runs db_holder as a second program that holds a database until Release.
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace testing_support {

class HolderProcess {
public:
    // mode: "engine" (open through our engine) or "sqlite" (a foreign writer in a transaction).
    HolderProcess(const char* mode, const std::filesystem::path& database) {
        ::signal(SIGPIPE, SIG_IGN);  // a holder that ended already must not end the test
        int toChild[2], fromChild[2];
        if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(toChild[0], 0);
            ::dup2(fromChild[1], 1);
            ::execl(DB_HOLDER, DB_HOLDER, mode, database.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(toChild[0]);
        ::close(fromChild[1]);
        in_ = toChild[1];
        out_ = ::fdopen(fromChild[0], "r");
        char line[32] = {};
        ready_ = out_ && std::fgets(line, sizeof line, out_) && std::string(line) == "ready\n";
    }
    ~HolderProcess() { Release(); }
    HolderProcess(const HolderProcess&) = delete;
    HolderProcess& operator=(const HolderProcess&) = delete;

    bool Ready() const { return ready_; }

    // Lets the holder write its row and end: its exit status (0: the row is saved).
    int Release() {
        if (pid_ <= 0) return status_;
        (void)!::write(in_, "\n", 1);
        ::close(in_);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        if (out_) std::fclose(out_);
        pid_ = 0;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return status_;
    }

    // Rows the holder saved in the file.
    static int HeldRows(const std::filesystem::path& database) {
        sqlite3* db = nullptr;
        int rows = -1;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db, "SELECT count(*) FROM held_by_holder", -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW)
            rows = sqlite3_column_int(stmt, 0);
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return rows;
    }

private:
    pid_t pid_ = -1;
    int in_ = -1;
    FILE* out_ = nullptr;
    bool ready_ = false;
    int status_ = -1;
};

} // namespace testing_support
