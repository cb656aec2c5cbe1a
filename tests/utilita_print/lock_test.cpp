// The print database belongs to the program that fills it as well: the
// window holds no read on it between commands, and a lock of the other
// program is told quickly and truthfully.
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "print_fixture.h"

namespace print_testing {
namespace {

using PrintDatabaseSharing = PrintWindowTest;

// Runs sql in a child process, as another program; its exit code says
// whether the statements went through (0).
int AsOtherProgram(const fs::path& file, const std::string& sql) {
    const pid_t child = fork();
    if (child == 0) {
        sqlite3* db = nullptr;
        if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) _exit(2);
        _exit(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(PrintDatabaseSharing, AnotherProgramWritesBetweenCommandsAndItsLockIsToldWithinTheBound) {
    DemoPrintDatabase();
    const fs::path file = Archive("vantorima7LL.mdb");
    DesignDefaultLayout("Command3");
    EXPECT_EQ(AsOtherProgram(file, "INSERT INTO [FATTURAV_VOCI] ([id voce], [id fattura]) VALUES (900, 2)"), 0);
    Click("Command2");
    EXPECT_EQ(AsOtherProgram(file, "DELETE FROM [FATTURAV_VOCI] WHERE [id voce] = 900"), 0);

    // The other program holds the file locked, says so, and holds it until the pipe closes.
    int pipeEnds[2], locked[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    ASSERT_EQ(pipe(locked), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        close(pipeEnds[1]);
        close(locked[0]);
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        sqlite3_exec(db, "BEGIN EXCLUSIVE; DELETE FROM [FATTURAV_VOCI] WHERE [id voce] = 5;", nullptr, nullptr, nullptr);
        (void)!write(locked[1], "L", 1);
        char nothing;
        while (read(pipeEnds[0], &nothing, 1) > 0) {
        }
        _exit(0);
    }
    close(pipeEnds[0]);
    close(locked[1]);
    char lockTaken = 0;
    ASSERT_EQ(read(locked[0], &lockTaken, 1), 1);
    close(locked[0]);
    const auto start = std::chrono::steady_clock::now();
    Click("Command2");
    const auto waited = std::chrono::steady_clock::now() - start;
    close(pipeEnds[1]);
    waitpid(holder, nullptr, 0);

    // The window waits a second for the lock; the engine's own wait is ten.
    EXPECT_LT(waited, std::chrono::milliseconds(8000));
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1].text, Lines({"Archivio di stampa in uso da un altro programma, riprovare :",
                                         "C:\\archivi\\vantorima7LL.mdb"}));
    EXPECT_FALSE(form->ReportEngine().JobOpen());
}

} // namespace
} // namespace print_testing
