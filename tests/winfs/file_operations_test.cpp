#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "drives_fixture.h"
#include "winfs/files.h"

namespace fs = std::filesystem;
using winfs_testing::ErrorNumberOf;

namespace {

class FileOperationsTest : public winfs_testing::DrivesTest {
protected:
    std::string Content(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(FileOperationsTest, ExistsSeesFilesAndFoldersInAnyCase) {
    Write("c/Arch/vantorima7.mdb", "");
    EXPECT_TRUE(winfs::Exists("C:\\ARCH\\VANTORIMA7.MDB"));
    EXPECT_TRUE(winfs::Exists("c:\\arch"));
    EXPECT_FALSE(winfs::Exists("C:\\Arch\\vantorima7a.mdb"));
    EXPECT_FALSE(winfs::Exists("Z:\\x"));
    EXPECT_FALSE(winfs::Exists(""));
}

TEST_F(FileOperationsTest, MakeFolder) {
    winfs::MakeFolder("C:\\v7copia");
    EXPECT_TRUE(fs::is_directory(drives_ / "c" / "v7copia"));
    EXPECT_EQ(ErrorNumberOf([] { winfs::MakeFolder("C:\\V7COPIA"); }), 75);
    EXPECT_EQ(ErrorNumberOf([] { winfs::MakeFolder("A:\\v7copia"); }), 76);  // no disk in A
    EXPECT_EQ(ErrorNumberOf([] { winfs::MakeFolder("AB:\\v7copia"); }), 76);
}

TEST_F(FileOperationsTest, DeleteFile) {
    Write("c/Arch/vantorima7.mdb", "x");
    Folder("c/Arch/sub");
    winfs::DeleteFile("C:\\arch\\VANTORIMA7.mdb");
    EXPECT_FALSE(fs::exists(drives_ / "c" / "Arch" / "vantorima7.mdb"));
    EXPECT_EQ(ErrorNumberOf([] { winfs::DeleteFile("C:\\Arch\\vantorima7.mdb"); }), 53);
    EXPECT_EQ(ErrorNumberOf([] { winfs::DeleteFile("C:\\Nowhere\\vantorima7.mdb"); }), 76);
    EXPECT_EQ(ErrorNumberOf([] { winfs::DeleteFile("C:\\Arch\\sub"); }), 75);
    EXPECT_TRUE(fs::is_directory(drives_ / "c" / "Arch" / "sub"));
}

TEST_F(FileOperationsTest, DeleteInLockedFolderIsPermissionDenied) {
    Write("c/ro/x.mdb", "x");
    fs::permissions(drives_ / "c" / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    if (::access((drives_ / "c" / "ro").c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore file modes";
    EXPECT_EQ(ErrorNumberOf([] { winfs::DeleteFile("C:\\ro\\x.mdb"); }), 70);
    EXPECT_TRUE(fs::exists(drives_ / "c" / "ro" / "x.mdb"));
}

TEST_F(FileOperationsTest, RenameMovesTheFile) {
    Write("c/Arch/vantorima7save.mdb", "compacted");
    winfs::RenameFile("C:\\Arch\\vantorima7save.mdb", "C:\\Arch\\vantorima7.mdb");
    EXPECT_EQ(Content(drives_ / "c" / "Arch" / "vantorima7.mdb"), "compacted");
    EXPECT_FALSE(fs::exists(drives_ / "c" / "Arch" / "vantorima7save.mdb"));
}

TEST_F(FileOperationsTest, RenameNeverReplacesTheTarget) {
    Write("c/Arch/new.mdb", "new");
    Write("c/Arch/old.mdb", "old");
    EXPECT_EQ(ErrorNumberOf([] { winfs::RenameFile("C:\\Arch\\new.mdb", "C:\\Arch\\OLD.MDB"); }), 58);
    EXPECT_EQ(Content(drives_ / "c" / "Arch" / "old.mdb"), "old");
    EXPECT_EQ(Content(drives_ / "c" / "Arch" / "new.mdb"), "new");
}

TEST_F(FileOperationsTest, RenameFailures) {
    Write("c/Arch/a.mdb", "a");
    EXPECT_EQ(ErrorNumberOf([] { winfs::RenameFile("C:\\Arch\\missing.mdb", "C:\\Arch\\b.mdb"); }), 53);
    EXPECT_EQ(ErrorNumberOf([] { winfs::RenameFile("C:\\Nowhere\\a.mdb", "C:\\Arch\\b.mdb"); }), 76);
    EXPECT_EQ(ErrorNumberOf([] { winfs::RenameFile("C:\\Arch\\a.mdb", "C:\\Nowhere\\b.mdb"); }), 76);
    EXPECT_TRUE(fs::exists(drives_ / "c" / "Arch" / "a.mdb"));
}

TEST_F(FileOperationsTest, RenameChangingOnlyCaseRenames) {
    Write("c/Arch/dati.mdb", "d");
    winfs::RenameFile("C:\\Arch\\dati.mdb", "C:\\Arch\\DATI.mdb");
    EXPECT_TRUE(fs::exists(drives_ / "c" / "Arch" / "DATI.mdb"));
    EXPECT_FALSE(fs::exists(drives_ / "c" / "Arch" / "dati.mdb"));
}

TEST_F(FileOperationsTest, ChangeFolder) {
    Folder("c/Programmi/Vantorima");
    winfs::ChangeFolder("C:\\programmi\\vantorima");
    EXPECT_EQ(fs::current_path(), drives_ / "c" / "Programmi" / "Vantorima");
    EXPECT_EQ(ErrorNumberOf([] { winfs::ChangeFolder("C:\\Nowhere"); }), 76);
}

} // namespace

#include <cerrno>

#include "winfs/file_errors.h"

namespace {

// Refusals by file mode cannot be provoked when the tests run as root; the
// mapping of the refusal itself is checked here.
TEST(FileErrorNumbersTest, ErrnoMapsToBasicNumbers) {
    using winfs::detail::NumberForFileErrno;
    testing_support::TempDir dir;
    EXPECT_EQ(NumberForFileErrno(ENOENT, dir.path() / "x"), 53);
    EXPECT_EQ(NumberForFileErrno(ENOENT, dir.path() / "missing" / "x"), 76);
    EXPECT_EQ(NumberForFileErrno(ENOTDIR, dir.path() / "x"), 76);
    EXPECT_EQ(NumberForFileErrno(EACCES, dir.path() / "x"), 70);
    EXPECT_EQ(NumberForFileErrno(EPERM, dir.path() / "x"), 70);
    EXPECT_EQ(NumberForFileErrno(EISDIR, dir.path() / "x"), 75);
    EXPECT_EQ(NumberForFileErrno(EROFS, dir.path() / "x"), vb::kWriteProtected);  // a read-only medium says so
}

} // namespace
