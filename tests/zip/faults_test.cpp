// Bad input and damaged archives: each ends with its number, and a failed
// restore never touches the database.
#include <functional>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <unistd.h>

#include "component_fixture.h"
#include "support/file_size_limit.h"
#include "zip/zip_errors.h"

namespace zip_testing {
namespace {

using namespace zipcomp;
using ZipFaults = ComponentTest;

TEST_F(ZipFaults, CompressReportsWhatIsMissing) {
    EXPECT_EQ(Backup("q:\\v7copia\\v7backup.zip"), kPathNotFound);  // no drive q
    EXPECT_FALSE(fs::exists(Drive('q')));
    EXPECT_EQ(Backup("c:\\v7copia\\v7backup.zip"), kPathNotFound);  // no folder v7copia

    fs::remove(DatabaseFile());
    EXPECT_EQ(Backup(), kFileNotFound);
    EXPECT_TRUE(Listing(Drive('a')).empty());

    zip.ZipFileSpec.clear();
    EXPECT_EQ(zip.ZipCompress(0), kNothingToDo);
}

TEST_F(ZipFaults, FullMediumIsDiskFullAndLeavesNoPartBehind) {
    int requests = 0;
    zip.DiskRequest = [&](std::int16_t) { ++requests; };
    zip.MediumCapacity = 40;  // not even a part's header
    EXPECT_EQ(Backup(), kDiskFull);
    EXPECT_EQ(requests, 0);
    EXPECT_TRUE(Listing(Drive('a')).empty());
}

// Removes each new file whose name starts with `prefix` from `folder` as soon
// as it appears there, while it lasts.
class RemovesWhatAppears {
public:
    RemovesWhatAppears(const fs::path& folder, std::string prefix)
        : watch_(::inotify_init1(IN_CLOEXEC)), folder_(folder), prefix_(std::move(prefix)) {
        ::inotify_add_watch(watch_, folder.c_str(), IN_CREATE);
        thread_ = std::thread([this] { Watch(); });
    }
    ~RemovesWhatAppears() {
        ::close(::open((folder_ / "stop").c_str(), O_CREAT | O_WRONLY, 0600));
        thread_.join();
        ::close(watch_);
        ::unlink((folder_ / "stop").c_str());
    }
    int removed = 0;

private:
    void Watch() {
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(watch_, buffer, sizeof buffer);
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                const std::string name = event->len ? event->name : "";
                if (name == "stop") return;
                if (name.rfind(prefix_, 0) == 0 && ::unlink((folder_ / name).c_str()) == 0) ++removed;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
            if (n <= 0) return;
        }
    }
    int watch_;
    fs::path folder_;
    std::string prefix_;
    std::thread thread_;
};

TEST_F(ZipFaults, BackupThatFailsKeepsThePreviousArchiveWhereThereIsRoomForBoth) {
    ASSERT_EQ(Backup(), 0);
    const fs::path archive = Drive('a') / "v7backup.zip";
    // Large enough that the new archive is seen before it could be put in place.
    WriteBytes(DatabaseFile(), DatabaseBytes(8000000, 8));
    std::string previous;
    std::int16_t result = 0;
    // The new archive, written beside the old one, is taken away before it
    // can take the old one's place (tried again where a busy machine let the
    // watcher see it too late).
    for (int attempt = 0; attempt < 5 && result == 0; ++attempt) {
        previous = ReadBytes(archive);
        RemovesWhatAppears taken(Drive('a'), ".v7backup.zip.");
        result = Backup();
    }
    EXPECT_NE(result, 0);
    EXPECT_TRUE(ReadBytes(archive) == previous);
    EXPECT_EQ(Backup(), 0);
    EXPECT_EQ(Listing(Drive('a')), std::vector<std::string>{"v7backup.zip"});
    EXPECT_EQ(Restore(), 0);
    EXPECT_TRUE(ReadBytes(DatabaseFile()) == DatabaseBytes(8000000, 8));
}

// Only the floppy drives span: on a hard disk a new archive that does not fit
// beside the previous one is disk full, asks for no disk and writes nothing.
TEST_F(ZipFaults, HardDiskWithoutRoomBesideThePreviousArchiveIsDiskFull) {
    const std::string onHardDisk = "c:\\v7copia\\v7backup.zip";
    fs::create_directories(Drive('c') / "v7copia");
    ASSERT_EQ(Backup(onHardDisk), 0);
    const fs::path archive = Drive('c') / "v7copia" / "v7backup.zip";
    const std::string previous = ReadBytes(archive);
    // A new archive that a killed backup left half written is cleared first.
    WriteBytes(archive.parent_path() / ".v7backup.zip.KILLED", "abandoned");
    int requests = 0;
    zip.DiskRequest = [&](std::int16_t) { ++requests; };
    for (const std::uint64_t capacity : {previous.size() / 2, 2 * previous.size() - 1}) {
        SCOPED_TRACE(capacity);
        zip.MediumCapacity = capacity;
        EXPECT_EQ(Backup(onHardDisk), kDiskFull);
        EXPECT_EQ(requests, 0);
        EXPECT_TRUE(ReadBytes(archive) == previous);
        EXPECT_EQ(Listing(archive.parent_path()), std::vector<std::string>{"v7backup.zip"});
    }
}

TEST_F(ZipFaults, FailedRestoreLeavesTheDatabaseAsItWas) {
    const fs::path archive = Drive('a') / "v7backup.zip";
    struct Case {
        const char* what;
        std::function<void()> make;
        std::int16_t extract;
        std::int16_t test;
    };
    const std::vector<Case> cases = {
        {"no archive", [&] { fs::remove(archive); }, kFileNotFound, kFileNotFound},
        {"not a zip", [&] { WriteBytes(archive, DatabaseBytes(5000, 3)); }, kNotAZip, kNotAZip},
        {"no entry vantorima7.mdb",
         [&] { MakeStoredZip(archive, {{"vantorima7a.mdb", "other"}, {"vantorima7.mdb.old", "x"}}); },
         kEntryNotFound, kSuccess},
        {"truncated",
         [&] {
             ASSERT_EQ(Backup(), 0);
             fs::resize_file(archive, fs::file_size(archive) / 2);
         },
         kDamagedArchive, kDamagedArchive},
        {"CRC fails",
         [&] {
             MakeStoredZip(archive, {{"vantorima7.mdb", "rows --spoil here-- more rows"}});
             SpoilAt(archive, "--spoil here--");
         },
         kCrcFailed, kCrcFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(DatabaseFile(), database);
        c.make();
        EXPECT_EQ(Test(), c.test);
        EXPECT_EQ(Restore(), c.extract);
        EXPECT_EQ(ReadBytes(DatabaseFile()), database);
        EXPECT_EQ(Listing(DatabaseFile().parent_path()), std::vector<std::string>{"vantorima7.mdb"});
    }
}

// Sets the size an archive's entry declares, in its local header and in the
// central directory (an archive of one entry, not zip64).
void DeclareSize(const fs::path& archive, std::uint32_t size) {
    std::string bytes = ReadBytes(archive);
    const auto put = [&](std::size_t at) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((size >> (8 * i)) & 0xff);
    };
    ASSERT_EQ(bytes.compare(0, 4, "PK\x03\x04"), 0);
    put(22);
    const std::size_t central = bytes.find("PK\x01\x02");
    ASSERT_NE(central, std::string::npos);
    put(central + 24);
    WriteBytes(archive, bytes);
}

TEST_F(ZipFaults, RestoreIsBoundedByTheRoomAndByTheSizeTheEntryDeclares) {
    ASSERT_EQ(Backup(), 0);
    // No room beside the database: refused before anything is written.
    zip.TargetRoom = database.size() - 1;
    EXPECT_EQ(Restore(), kDiskFull);
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
    EXPECT_EQ(Listing(DatabaseFile().parent_path()), std::vector<std::string>{"vantorima7.mdb"});
    // Room for it exactly: a backup of its own is restored.
    zip.TargetRoom = database.size();
    WriteBytes(DatabaseFile(), "changed since");
    EXPECT_EQ(Restore(), 0);
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
    zip.TargetRoom.reset();

    // An entry whose content runs on past what it declares stops there: no
    // more than that is written (under the limit, anything more would fail
    // on it as disk full).
    const fs::path archive = Drive('a') / "v7backup.zip";
    MakeStoredZip(archive, {{"vantorima7.mdb", DatabaseBytes(300000, 9)}});
    DeclareSize(archive, 1000);
    {
        const testing_support::FileSizeLimit limit(64 * 1024);
        EXPECT_EQ(Restore(), kDamagedArchive);
    }
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
    EXPECT_EQ(Listing(DatabaseFile().parent_path()), std::vector<std::string>{"vantorima7.mdb"});
}

TEST_F(ZipFaults, RestoreIntoAMissingFolderOrFromAMissingDrive) {
    ASSERT_EQ(Backup(), 0);
    EXPECT_EQ(Restore("q:\\v7copia\\v7backup.zip"), kPathNotFound);
    zip.ZipTargetFolder = "C:\\nowhere";
    EXPECT_EQ(zip.ZipExtract(0), kPathNotFound);
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
}

} // namespace
} // namespace zip_testing
