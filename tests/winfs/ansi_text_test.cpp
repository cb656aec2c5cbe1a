// Files written by Windows programs: ANSI (Windows-1252) or UTF-8 with or without BOM.
#include <gtest/gtest.h>

#include "drives_fixture.h"
#include "winfs/ansi_text.h"
#include "winfs/files.h"
#include "winfs/paths.h"

namespace {

class AnsiFiles : public winfs_testing::DrivesTest {};

TEST_F(AnsiFiles, ConfigurationAndUserFilesInEveryEncoding) {
    const std::pair<const char*, const char*> files[] = {
        {"ansi", "C:\\Contabilit\xe0\r\n\"NICOL\xd2 F\xc0\",\"x\x80\"\r\n"},
        {"utf8", "C:\\Contabilit\xc3\xa0\r\n\"NICOL\xc3\x92 F\xc3\x80\",\"x\xe2\x82\xac\"\r\n"},
        {"bom", "\xEF\xBB\xBF" "C:\\Contabilit\xc3\xa0\r\n\"NICOL\xc3\x92 F\xc3\x80\",\"x\xe2\x82\xac\"\r\n"}};
    for (const auto& [name, content] : files) {
        Write(std::string("c/") + name + ".dat", content);
        const std::string path = std::string("C:\\") + name + ".dat";
        EXPECT_EQ(winfs::ReadFirstLine(path).text, "C:\\Contabilit\xc3\xa0") << name;
        const std::vector<std::string> values = winfs::ReadListValues(path, 3);
        ASSERT_EQ(values.size(), 3u) << name;
        EXPECT_EQ(values[1], "NICOL\xc3\x92 F\xc3\x80") << name;
        EXPECT_EQ(values[2], "x\xe2\x82\xac") << name;
    }
}

TEST_F(AnsiFiles, OnlyValidUtf8IsTakenAsUtf8) {
    EXPECT_TRUE(winfs::IsValidUtf8("ab\xc3\xa0\xf0\x9f\x98\x80"));
    for (const char* bad : {"\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xe0\x80\xaf", "a\xe0z"}) EXPECT_FALSE(winfs::IsValidUtf8(bad)) << bad;
    EXPECT_EQ(winfs::AnsiToUtf8("\xc0\xaf"), "\xc3\x80\xc2\xaf");
}

TEST_F(AnsiFiles, HostPathsUnderTheDrivesShowInDriveForm) {
    EXPECT_EQ(winfs::WindowsForm((drives_ / "c/Vantorima6/VANTORIMA6.MDB").string()), "C:\\Vantorima6\\VANTORIMA6.MDB");
    EXPECT_EQ(winfs::WindowsForm((drives_ / "unc/server/dati/a.mdb").string()), "\\\\server\\dati\\a.mdb");
    EXPECT_EQ(winfs::WindowsForm((drives_ / "d").string()), "D:\\");
    EXPECT_EQ(winfs::WindowsForm("/tmp/a.mdb"), "/tmp/a.mdb");
    // Already a drive path, wherever the current folder is.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::create_directories(drives_ / "c" / "lavoro");
    std::filesystem::current_path(drives_ / "c" / "lavoro");
    EXPECT_EQ(winfs::WindowsForm("C:\\Vantorima6\\X.MDB"), "C:\\Vantorima6\\X.MDB");
    std::filesystem::current_path(before);
    std::filesystem::current_path(temp_.path());
    setenv("VANTORIMA_DRIVES", "drives", 1);
    winfs::MakeDrivesFolderAbsolute();
    std::filesystem::current_path("/");
    EXPECT_EQ(winfs::Resolve("C:\\x.dat"), drives_ / "c/x.dat");
}

} // namespace
