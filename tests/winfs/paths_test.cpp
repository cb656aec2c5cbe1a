#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "drives_fixture.h"
#include "winfs/paths.h"
#include "winfs/shown_path.h"

namespace fs = std::filesystem;
using winfs::Resolve;

namespace {

class PathsTest : public winfs_testing::DrivesTest {};

TEST_F(PathsTest, DriveLetterIsLowerCaseFolderInDrivesFolder) {
    EXPECT_EQ(Resolve("C:\\VanRete7.dat"), drives_ / "c" / "VanRete7.dat");
    EXPECT_EQ(Resolve("a:\\v7backup.zip"), drives_ / "a" / "v7backup.zip");
    EXPECT_EQ(Resolve("D:/dati/x.mdb"), drives_ / "d" / "dati" / "x.mdb");
    EXPECT_EQ(Resolve("E:"), drives_ / "e");
}

TEST_F(PathsTest, LeadingBackslashIsDriveC) {
    EXPECT_EQ(Resolve("\\VanReteAB.dat"), drives_ / "c" / "VanReteAB.dat");
}

TEST_F(PathsTest, UncPathLiesUnderUncFolder) {
    EXPECT_EQ(Resolve("\\\\server\\share\\arch\\vantorima7.mdb"),
              drives_ / "unc" / "server" / "share" / "arch" / "vantorima7.mdb");
}

TEST_F(PathsTest, PosixAbsolutePathPassesUnchanged) {
    EXPECT_EQ(Resolve("/tmp/Some\\Name"), fs::path("/tmp/Some\\Name"));
}

TEST_F(PathsTest, RelativePathStartsAtCurrentFolder) {
    fs::create_directories(drives_ / "c" / "work");
    fs::current_path(drives_ / "c" / "work");
    EXPECT_EQ(Resolve("sub\\file.txt"), drives_ / "c" / "work" / "sub" / "file.txt");
    EXPECT_EQ(Resolve("..\\other.txt"), drives_ / "c" / "other.txt");
}

TEST_F(PathsTest, DoubledAndTrailingSeparatorsAreIgnored) {
    EXPECT_EQ(Resolve("C:\\arch\\\\vantorima7.mdb"), drives_ / "c" / "arch" / "vantorima7.mdb");
    EXPECT_EQ(Resolve("C:\\arch\\"), drives_ / "c" / "arch");
    EXPECT_EQ(Resolve("C:\\.\\arch"), drives_ / "c" / "arch");
}

TEST_F(PathsTest, DotDotNeverLeavesTheDrive) {
    EXPECT_EQ(Resolve("C:\\arch\\..\\x.dat"), drives_ / "c" / "x.dat");
    EXPECT_EQ(Resolve("C:\\..\\..\\etc\\passwd"), drives_ / "c" / "etc" / "passwd");
    EXPECT_EQ(Resolve("\\\\..\\..\\x"), drives_ / "unc" / "x");
}

TEST_F(PathsTest, ExistingComponentsMatchWithoutRegardToCase) {
    Write("c/Archivi/Vantorima7.MDB", "");
    EXPECT_EQ(Resolve("C:\\ARCHIVI\\vantorima7.mdb"), drives_ / "c" / "Archivi" / "Vantorima7.MDB");
    // Below a missing component the spelling given is kept.
    EXPECT_EQ(Resolve("c:\\archivi\\Nuova\\Dati"), drives_ / "c" / "Archivi" / "Nuova" / "Dati");
}

TEST_F(PathsTest, AccentedNamesMatchWithoutRegardToCase) {
    Write("c/Utilità/QTÀ.txt", "");
    EXPECT_EQ(Resolve("C:\\UTILITÀ\\qtà.TXT"), drives_ / "c" / "Utilità" / "QTÀ.txt");
}

TEST_F(PathsTest, ExactSpellingWinsOverCaseVariant) {
    Write("c/Dati/a", "");
    Write("c/dati/b", "");
    EXPECT_EQ(Resolve("C:\\dati\\b"), drives_ / "c" / "dati" / "b");
    EXPECT_EQ(Resolve("C:\\Dati\\a"), drives_ / "c" / "Dati" / "a");
}

TEST_F(PathsTest, DrivesFolderDefaultsFollowXdg) {
    unsetenv("VANTORIMA_DRIVES");
    const char* oldXdg = std::getenv("XDG_DATA_HOME");
    std::string saved = oldXdg ? oldXdg : "";
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(winfs::DrivesFolder(), fs::path("/data/home/vantorima/drives"));
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(winfs::DrivesFolder(), fs::path(std::getenv("HOME")) / ".local/share/vantorima/drives");
    if (oldXdg) setenv("XDG_DATA_HOME", saved.c_str(), 1);
}

TEST(FoldCaseTest, FoldsAsciiAndLatin1CapitalsOnly) {
    EXPECT_EQ(winfs::FoldCase("QTÀ Èé ÙÒÌ ÇÑ"), "qtà èé ùòì çñ");
    EXPECT_EQ(winfs::FoldCase("%Listino Provv%"), "%listino provv%");
    EXPECT_EQ(winfs::FoldCase("×÷ß"), "×÷ß");  // signs and ß have no case here
    EXPECT_EQ(winfs::FoldCase("€ ǅ"), "€ ǅ");   // other letters pass unchanged
}

} // namespace

namespace {

// Counted in characters, cut between them: an accented letter is never split.
TEST(ShownPath, ShortPathsStayWholeLongOnesKeepTheirStartAndEnd) {
    std::string hundred;
    for (int i = 0; i < 100; ++i) hundred += "\xc3\xa0";   // à
    EXPECT_EQ(winfs::ShownPath("C:\\Vantorima7"), "C:\\Vantorima7");
    EXPECT_EQ(winfs::ShownPath(hundred), hundred);
    EXPECT_EQ(winfs::ShownPath("C:" + hundred + "x"), "C:" + hundred.substr(0, 46 * 2) + "..." + hundred.substr(200 - 48 * 2) + "x");
}

} // namespace
