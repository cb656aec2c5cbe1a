// Runs that go through: both databases compacted in place with every row,
// the window's marks, yields and messages in their order, and one run at a
// time over a folder.
#include <filesystem>
#include <optional>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

#include "dbengine/engine.h"
#include "utilita_compaction/procedure_fixture.h"

namespace compaction_testing {
namespace {

namespace fs = std::filesystem;

using NormalRun = ProcedureTest;

TEST_F(NormalRun, CompactsBothDatabasesInPlaceKeepingExactlyTheirRows) {
    const auto firstSize = fs::file_size(archive.Host(kFirst));
    const auto secondSize = fs::file_size(archive.Host(kSecond));
    std::vector<std::set<std::string>> folderAtYield;
    view.onYield = [&](int) { folderAtYield.push_back(archive.Names()); };

    const Outcome outcome = Run();

    EXPECT_EQ(outcome.result, Outcome::Result::Completed);
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond}));
    ExpectRowsOf(firstRows, kFirst);
    ExpectRowsOf(secondRows, kSecond);
    EXPECT_LE(fs::file_size(archive.Host(kFirst)), firstSize);
    EXPECT_LE(fs::file_size(archive.Host(kSecond)), secondSize);
    EXPECT_LT(fs::file_size(archive.Host(kFirst)), firstSize) << "the free pages of deleted rows are gone";
    // The engine takes the results for databases again.
    EXPECT_NO_THROW(dao::DBEngine::Instance().OpenDatabase(std::string(kArchive) + "\\vantorima7.mdb")->Close());
    EXPECT_NO_THROW(dao::DBEngine::Instance().OpenDatabase(std::string(kArchive) + "\\vantorima7a.mdb")->Close());

    EXPECT_EQ(view.events, kPastThirdMark);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Procedura terminata !");
    EXPECT_EQ(view.messages[0].title, "Conferma");
    EXPECT_EQ(view.messages[0].icon, ui::Icon::Information);
    // Nothing is touched before the first two marks; the third comes once
    // both copies are written and before either database goes.
    ASSERT_EQ(folderAtYield.size(), 3u);
    // The run's claims on both databases are their companions ".ldb".
    EXPECT_EQ(folderAtYield[1], (std::set<std::string>{kFirst, kSecond}));
    EXPECT_EQ(folderAtYield[2], (std::set<std::string>{kFirst, kSecond, kFirstCopy, kSecondCopy, "vantorima7.ldb",
                                                       "vantorima7a.ldb"}));
}

TEST_F(NormalRun, SecondRunBehavesLikeTheFirst) {
    const Outcome first = Run();
    const auto eventsOfFirst = view.events;
    view = RecordingView();
    const Outcome second = Run();

    EXPECT_EQ(first.result, Outcome::Result::Completed);
    EXPECT_EQ(second.result, Outcome::Result::Completed);
    EXPECT_EQ(view.events, eventsOfFirst);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Procedura terminata !");
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond}));
    ExpectRowsOf(firstRows, kFirst);
    ExpectRowsOf(secondRows, kSecond);
}

TEST_F(NormalRun, RunOverTheSameFolderWhileOneIsGoingIsRefused) {
    RecordingView inner;
    std::optional<Outcome> innerOutcome;
    std::set<std::string> folderAfterInner;
    view.onYield = [&](int yield) {
        if (yield != 3) return;
        // Same folder, spelled another way, with both copies already written.
        innerOutcome = utilita::compaction::RunCompaction("c:\\ARCHIVI", dao::DBEngine::Instance(), inner);
        folderAfterInner = archive.Names();
    };

    const Outcome outcome = Run();

    ASSERT_TRUE(innerOutcome);
    EXPECT_EQ(innerOutcome->result, Outcome::Result::Refused);
    EXPECT_TRUE(inner.events.empty()) << "a refused run leaves the window alone";
    EXPECT_EQ(folderAfterInner, (std::set<std::string>{kFirst, kSecond, kFirstCopy, kSecondCopy, "vantorima7.ldb",
                                                       "vantorima7a.ldb"}));
    EXPECT_EQ(outcome.result, Outcome::Result::Completed);
    ExpectRowsOf(firstRows, kFirst);
    ExpectRowsOf(secondRows, kSecond);

    // The folder is free again once the run ended.
    RecordingView later;
    EXPECT_EQ(utilita::compaction::RunCompaction(kArchive, dao::DBEngine::Instance(), later).result, Outcome::Result::Completed);
}

// Compacting changes no one's access to the data, and follows no link
// planted at a lock companion's name.
TEST_F(NormalRun, EachDatabaseKeepsItsModeAndOwnerAndNoCompanionLinkIsFollowed) {
    const mode_t mask = ::umask(022);
    ASSERT_EQ(::chmod(archive.Host(kFirst).c_str(), 0600), 0);
    ASSERT_EQ(::chmod(archive.Host(kSecond).c_str(), 0640), 0);
    // Another owner can only be given by root; as any other user the
    // owner is the runner's own anyway.
    const uid_t owner = ::geteuid() == 0 ? 12345 : ::geteuid();
    ASSERT_EQ(::chown(archive.Host(kSecond).c_str(), owner, static_cast<gid_t>(-1)), 0);
    fs::create_symlink(archive.Host("elsewhere"), archive.Host("vantorima7.ldb"));

    const Outcome outcome = Run();
    ::umask(mask);
    EXPECT_EQ(outcome.result, Outcome::Result::Completed);
    struct stat first {}, second {};
    ASSERT_EQ(::stat(archive.Host(kFirst).c_str(), &first), 0);
    ASSERT_EQ(::stat(archive.Host(kSecond).c_str(), &second), 0);
    EXPECT_EQ(first.st_mode & 07777, 0600u);
    EXPECT_EQ(second.st_mode & 07777, 0640u);
    EXPECT_EQ(second.st_uid, owner);
    EXPECT_FALSE(fs::exists(fs::symlink_status(archive.Host("elsewhere"))));
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond}));
}

} // namespace
} // namespace compaction_testing
