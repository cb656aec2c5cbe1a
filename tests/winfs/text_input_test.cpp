#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "drives_fixture.h"
#include "support/passes_in_a_child.h"
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
        EXPECT_EQ(winfs::ReadFirstLine(std::string("C:\\") + name + ".dat").text, "C:\\Arch") << name;
}

TEST_F(FirstLineTest, KeepsTheLineUnchanged) {
    Write("c/VanRete7.dat", "  \\\\Server\\Dati\\ \r\n");
    EXPECT_EQ(winfs::ReadFirstLine("c:\\vanrete7.DAT").text, "  \\\\Server\\Dati\\ ");
    Write("c/empty-line.dat", "\r\nC:\\x\r\n");
    EXPECT_EQ(winfs::ReadFirstLine("C:\\empty-line.dat").text, "");
    Write("c/bom.dat", "\xEF\xBB\xBF" "C:\\Arch\n");
    EXPECT_EQ(winfs::ReadFirstLine("C:\\bom.dat").text, "C:\\Arch");
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

// A FIFO or a device is never opened to find out, and no more than the read
// limit of a file is read; in a child, so that a wait fails instead of hanging.
TEST_F(FirstLineTest, SpecialFilesAreRefusedAndOnlyTheFirstBytesRead) {
    ASSERT_EQ(::mkfifo((drives_ / "c" / "fifo.dat").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", drives_ / "c" / "zero.dat");
    const std::string tenMegabytes(10 << 20, 'x');
    Write("c/long.dat", tenMegabytes + "\r\n");
    Write("c/user.dat", "\"MARIO\",\"x\",\"y\"," + tenMegabytes);
    EXPECT_TRUE(testing_support::PassesInAChildWithin(10, [] {
        for (const char* special : {"C:\\fifo.dat", "C:\\zero.dat"}) {
            if (ErrorNumberOf([&] { winfs::ReadFirstLine(special); }) != 75) return false;
            if (ErrorNumberOf([&] { winfs::ReadListValues(special, 4); }) != 75) return false;
            if (ErrorNumberOf([&] { winfs::OpenForReadingAndClose(special); }) != 75) return false;
        }
        return true;
    }));
    const winfs::FirstLine line = winfs::ReadFirstLine("C:\\long.dat");
    EXPECT_FALSE(line.whole);
    EXPECT_EQ(line.text.size(), winfs::kTextReadLimit);
    EXPECT_EQ(ErrorNumberOf([] { winfs::ReadListValuesExact("C:\\user.dat", 4); }), 75);
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
