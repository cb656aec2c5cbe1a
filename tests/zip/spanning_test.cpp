// A backup larger than its medium, over several media, and back.
#include "component_fixture.h"
#include "winfs/runtime_error.h"
#include "zip/zip_errors.h"

namespace zip_testing {
namespace {

using namespace zipcomp;

class ZipSpanning : public ComponentTest {
protected:
    void ChangeToBlankMedia() {
        zip.DiskRequest = [this](std::int16_t disk) { drive.InsertBlank(disk); };
    }
    void ChangeToAskedDisks() {
        drive.requests.clear();
        zip.DiskRequest = [this](std::int16_t disk) { drive.Insert(disk); };
    }
    std::uintmax_t PartSize(int disk) const { return fs::file_size(drive.DiskFile(disk, "v7backup.zip")); }

    SwappableDrive drive{Drive('a'), Root() / "shelf"};
};

TEST_F(ZipSpanning, BackupOverTwoMediaIsTestedAndRestored) {
    zip.MediumCapacity = 100000;  // the archive is some 150 kB
    ChangeToBlankMedia();
    ASSERT_EQ(Backup(), 0);
    EXPECT_EQ(drive.requests, std::vector<int>{2});
    EXPECT_EQ(PartSize(1), 100000u);
    EXPECT_LE(PartSize(2), 100000u);

    // Disk 2 is in the drive: it is read first, then disk 1 is asked for.
    ChangeToAskedDisks();
    ASSERT_EQ(Test(), 0);
    EXPECT_EQ(drive.requests, std::vector<int>{1});

    WriteBytes(DatabaseFile(), "changed");
    ChangeToAskedDisks();
    ASSERT_EQ(Restore(), 0);
    EXPECT_EQ(drive.requests, std::vector<int>{2});
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
}

TEST_F(ZipSpanning, EachFurtherDiskIsAskedForInTurn) {
    zip.MediumCapacity = 60000;
    ChangeToBlankMedia();
    ASSERT_EQ(Backup(), 0);
    EXPECT_EQ(drive.requests, (std::vector<int>{2, 3}));

    drive.Insert(2);  // a disk from the middle is in the drive
    ChangeToAskedDisks();
    WriteBytes(DatabaseFile(), "changed");
    ASSERT_EQ(Restore(), 0);
    EXPECT_EQ(drive.requests, (std::vector<int>{1, 3}));
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
}

// A nearly full first floppy in drive B (40 kB free), then a blank one with
// room for the rest.
TEST_F(ZipSpanning, DriveBSpansAsDriveADoes) {
    fs::create_directories(Drive('b'));
    SwappableDrive driveB{Drive('b'), Root() / "shelf-b"};
    zip.MediumCapacity = 40000;
    zip.DiskRequest = [&](std::int16_t disk) {
        driveB.InsertBlank(disk);
        zip.MediumCapacity = 1000000;
    };
    ASSERT_EQ(Backup("b:\\v7backup.zip"), 0);
    EXPECT_EQ(driveB.requests, std::vector<int>{2});
    EXPECT_EQ(fs::file_size(driveB.DiskFile(1, "v7backup.zip")), 40000u);

    WriteBytes(DatabaseFile(), "changed");
    driveB.requests.clear();
    zip.DiskRequest = [&](std::int16_t disk) { driveB.Insert(disk); };
    ASSERT_EQ(Restore("b:\\v7backup.zip"), 0);
    EXPECT_EQ(driveB.requests, std::vector<int>{1});
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
}

TEST_F(ZipSpanning, ArchiveThatFitsItsMediumIsOnePlainZip) {
    ChangeToBlankMedia();
    zip.MediumCapacity = 1000000;
    ASSERT_EQ(Backup(), 0);
    EXPECT_TRUE(drive.requests.empty());
    EXPECT_EQ(ReadBytes(Drive('a') / "v7backup.zip").substr(0, 4), std::string("PK\x03\x04", 4));
}

TEST_F(ZipSpanning, UnchangedMediumIsAskedForAgainThenRefused) {
    zip.MediumCapacity = 100000;
    std::vector<int> requests;
    zip.DiskRequest = [&](std::int16_t disk) { requests.push_back(disk); };
    EXPECT_EQ(Backup(), kWrongDisk);
    EXPECT_EQ(requests, (std::vector<int>{2, 2, 2}));
    // Disk 1 was not overwritten with the second part.
    EXPECT_EQ(PartSize(1), 100000u);
}

TEST_F(ZipSpanning, FurtherMediumWithoutRoomIsDiskFull) {
    zip.MediumCapacity = 100000;
    zip.DiskRequest = [this](std::int16_t disk) {
        drive.InsertBlank(disk);
        zip.MediumCapacity = 10;
    };
    EXPECT_EQ(Backup(), kDiskFull);
    EXPECT_TRUE(Listing(Drive('a')).empty());
}

TEST_F(ZipSpanning, DiskOfAnotherBackupIsRefusedAndTheDatabaseKept) {
    zip.MediumCapacity = 100000;
    ChangeToBlankMedia();
    ASSERT_EQ(Backup(), 0);
    const std::string otherDisk1 = ReadBytes(drive.DiskFile(1, "v7backup.zip"));

    WriteBytes(DatabaseFile(), DatabaseBytes(150000, 8));
    drive.Insert(1);
    drive.requests.clear();
    ChangeToBlankMedia();
    ASSERT_EQ(Backup(), 0);
    WriteBytes(drive.DiskFile(1, "v7backup.zip"), otherDisk1);  // disk 1 swapped for the old backup's

    ChangeToAskedDisks();
    WriteBytes(DatabaseFile(), database);
    EXPECT_EQ(Restore(), kWrongDisk);
    EXPECT_EQ(drive.requests, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
}

TEST_F(ZipSpanning, DamagedPartIsADamagedArchive) {
    zip.MediumCapacity = 100000;
    ChangeToBlankMedia();
    ASSERT_EQ(Backup(), 0);
    const std::string first = ReadBytes(drive.DiskFile(1, "v7backup.zip")), second = ReadBytes(drive.DiskFile(2, "v7backup.zip"));
    std::string early = second;
    --early[24];   // the second part says it starts one byte before the first one ends
    // Cut short, one byte more than its header says, not following the first part.
    for (const auto& [disk, bytes] : {std::pair{1, first.substr(0, 5000)}, {1, first + "x"}, {2, early}}) {
        SCOPED_TRACE(disk);
        WriteBytes(drive.DiskFile(1, "v7backup.zip"), first);
        WriteBytes(drive.DiskFile(2, "v7backup.zip"), second);
        WriteBytes(drive.DiskFile(disk, "v7backup.zip"), bytes);
        ChangeToAskedDisks();
        EXPECT_EQ(Restore(), kDamagedArchive);
        EXPECT_EQ(ReadBytes(DatabaseFile()), database);
    }
}

TEST_F(ZipSpanning, ErrorOfTheDiskRequestHandlerIsTheResult) {
    zip.MediumCapacity = 100000;
    zip.DiskRequest = [](std::int16_t) { throw vb::RuntimeError(vb::kDeviceIoError, "device"); };
    EXPECT_EQ(Backup(), vb::kDeviceIoError);
    EXPECT_EQ(zip.HandlerDescription(), "device");

    ChangeToBlankMedia();
    ASSERT_EQ(Backup(), 0);
    WriteBytes(DatabaseFile(), "kept");
    zip.DiskRequest = [](std::int16_t) { throw vb::RuntimeError(vb::kDeviceIoError, "device"); };
    EXPECT_EQ(Restore(), vb::kDeviceIoError);
    EXPECT_EQ(ReadBytes(DatabaseFile()), "kept");
}

} // namespace
} // namespace zip_testing
