#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "drives_fixture.h"
#include "winfs/files.h"

namespace fs = std::filesystem;
using winfs_testing::ErrorNumberOf;
using Values = std::vector<std::string>;

namespace {

class FirstLineTest : public winfs_testing::DrivesTest {};

TEST_F(FirstLineTest, ReadsUpToAnyLineEnd) {
    Write("c/crlf.dat", "C:\\Arch\r\nsecond\r\n");
    Write("c/lf.dat", "C:\\Arch\nsecond");
    Write("c/cr.dat", "C:\\Arch\rsecond");
    Write("c/none.dat", "C:\\Arch");
    for (const char* name : {"crlf", "lf", "cr", "none"})
        EXPECT_EQ(winfs::ReadFirstLine(std::string("C:\\") + name + ".dat"), "C:\\Arch") << name;
}

TEST_F(FirstLineTest, KeepsTheLineUnchanged) {
    Write("c/VanRete7.dat", "  \\\\Server\\Dati\\ \r\n");
    EXPECT_EQ(winfs::ReadFirstLine("c:\\vanrete7.DAT"), "  \\\\Server\\Dati\\ ");
    Write("c/empty-line.dat", "\r\nC:\\x\r\n");
    EXPECT_EQ(winfs::ReadFirstLine("C:\\empty-line.dat"), "");
    Write("c/bom.dat", "\xEF\xBB\xBF" "C:\\Arch\n");
    EXPECT_EQ(winfs::ReadFirstLine("C:\\bom.dat"), "C:\\Arch");
}

TEST_F(FirstLineTest, FailuresCarryBasicNumbers) {
    Write("c/empty.dat", "");
    Folder("c/folder");
    EXPECT_EQ(ErrorNumberOf([] { winfs::ReadFirstLine("C:\\empty.dat"); }), 62);
    EXPECT_EQ(ErrorNumberOf([] { winfs::ReadFirstLine("C:\\VanRete7.dat"); }), 53);
    EXPECT_EQ(ErrorNumberOf([] { winfs::ReadFirstLine("C:\\nowhere\\VanRete7.dat"); }), 76);
    EXPECT_EQ(ErrorNumberOf([] { winfs::ReadFirstLine("Q:\\VanRete7.dat"); }), 76);  // no such drive
    EXPECT_EQ(ErrorNumberOf([] { winfs::ReadFirstLine("C:\\folder"); }), 75);
}

TEST_F(FirstLineTest, UnreadableFileIsPermissionDenied) {
    fs::path p = Write("c/secret.dat", "x\n");
    fs::permissions(p, fs::perms::none);
    if (::access(p.c_str(), R_OK) == 0) GTEST_SKIP() << "running with rights that ignore file modes";
    EXPECT_EQ(ErrorNumberOf([] { winfs::ReadFirstLine("C:\\secret.dat"); }), 70);
    EXPECT_EQ(ErrorNumberOf([] { winfs::OpenForReadingAndClose("C:\\secret.dat"); }), 70);
}

TEST_F(FirstLineTest, OpenForReadingAndCloseProvesReachability) {
    Write("c/Arch/VanReteAB.dat", "");
    Folder("c/Arch/Sub");
    EXPECT_EQ(ErrorNumberOf([] { winfs::OpenForReadingAndClose("C:\\ARCH\\vanreteab.dat"); }), 0);
    EXPECT_EQ(ErrorNumberOf([] { winfs::OpenForReadingAndClose("C:\\Arch\\\\VanReteAB.dat"); }), 0);
    EXPECT_EQ(ErrorNumberOf([] { winfs::OpenForReadingAndClose("C:\\Arch\\Other.dat"); }), 53);
    EXPECT_EQ(ErrorNumberOf([] { winfs::OpenForReadingAndClose("\\\\srv\\share\\VanReteAB.dat"); }), 76);
    EXPECT_EQ(ErrorNumberOf([] { winfs::OpenForReadingAndClose("C:\\Arch\\Sub"); }), 75);
    EXPECT_EQ(ErrorNumberOf([] { winfs::OpenForReadingAndClose("C:\\Arch\\VanReteAB.dat\\x"); }), 76);
}

class ListInputTest : public winfs_testing::DrivesTest {
protected:
    Values Read(const std::string& content, std::size_t max = 4) {
        Write("c/VanRete7Ute.dat", content);
        return winfs::ReadListValues("C:\\VanRete7Ute.dat", max);
    }
};

TEST_F(ListInputTest, QuotedValuesLoseTheirQuotes) {
    EXPECT_EQ(Read("\"MARIO ROSSI\",\"x\",\"y\",\"S\"\r\n"), (Values{"MARIO ROSSI", "x", "y", "S"}));
    EXPECT_EQ(Read("\"a, b\",\" c \"\r\n"), (Values{"a, b", " c "}));
    EXPECT_EQ(Read("\"\",\"S\""), (Values{"", "S"}));
}

TEST_F(ListInputTest, UnquotedValuesAreTrimmed) {
    EXPECT_EQ(Read("  MARIO ROSSI ,\tx\t, y,S  \r\n"), (Values{"MARIO ROSSI", "x", "y", "S"}));
    EXPECT_EQ(Read("a,,b"), (Values{"a", "", "b"}));
}

TEST_F(ListInputTest, LineEndsSeparateLikeCommas) {
    EXPECT_EQ(Read("MARIO\r\nx\ny\rS\r\n"), (Values{"MARIO", "x", "y", "S"}));
    EXPECT_EQ(Read("\"MARIO\",\"x\"\r\n\r\n\"y\",\"S\""), (Values{"MARIO", "x", "y", "S"}));
    EXPECT_EQ(Read("a,\r\nb"), (Values{"a", "b"}));
}

TEST_F(ListInputTest, StopsAtMaxOrAtEnd) {
    EXPECT_EQ(Read("a,b,c,d,e,f"), (Values{"a", "b", "c", "d"}));
    EXPECT_EQ(Read("MARIO"), (Values{"MARIO"}));
    EXPECT_EQ(Read("a,b\r\n"), (Values{"a", "b"}));
    EXPECT_EQ(Read("a,b,c\r\n"), (Values{"a", "b", "c"}));
    EXPECT_EQ(Read(""), Values{});
    EXPECT_EQ(Read(" \r\n\r\n"), Values{});
}

TEST_F(ListInputTest, TextAfterClosingQuoteIsDropped) {
    EXPECT_EQ(Read("\"a\"junk,b"), (Values{"a", "b"}));
}

TEST_F(ListInputTest, ExactReadFailsPastEnd) {
    Write("c/one.dat", "\"MARIO\"\r\n");
    Write("c/empty.dat", "");
    Write("c/four.dat", "a,b,c,d\r\n");
    EXPECT_EQ(ErrorNumberOf([] { winfs::ReadListValuesExact("C:\\one.dat", 4); }), 62);
    EXPECT_EQ(ErrorNumberOf([] { winfs::ReadListValuesExact("C:\\empty.dat", 4); }), 62);
    EXPECT_EQ(ErrorNumberOf([] { winfs::ReadListValuesExact("C:\\VanRete7Ute.dat", 4); }), 53);
    EXPECT_EQ(winfs::ReadListValuesExact("C:\\four.dat", 4), (Values{"a", "b", "c", "d"}));
}

} // namespace
