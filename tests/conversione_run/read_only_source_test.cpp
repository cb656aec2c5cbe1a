// A whole run on a version-6 file that another program left half-written (a
// journal beside it): the run must refuse it rather than roll it back, so the
// file and its journal stay exactly as the crash left them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "demo_archive.h"
#include "support/crashed_write.h"

namespace {

using run_testing::DemoArchive;
using run_testing::StampOf;

TEST(ReadOnlySource, AHalfWrittenSourceIsNeitherRolledBackNorWrittenAndTheRunEndsWithItsError) {
    DemoArchive archive;
    const auto clean = StampOf(archive.source);
    testing_support::CrashInTheMiddleOfAWrite(archive.source, "UPDATE versione SET numero = 'rotto'", [](int i) {
        return "INSERT INTO clienti ([id tabella], nominativo) VALUES (" + std::to_string(100000 + i) + ", '" +
               std::string(40, 'z') + "')";
    });
    const std::string journal = archive.source + "-journal";
    ASSERT_TRUE(std::filesystem::exists(journal));
    const auto crashed = StampOf(archive.source);
    ASSERT_NE(crashed.bytes, clean.bytes) << "the crash left no half-written file to test with";
    const auto journalStamp = StampOf(journal);
    const auto target = StampOf(archive.target);

    archive.Run();
    ASSERT_FALSE(archive.view.log.empty());
    EXPECT_EQ(archive.view.log.back().rfind("PROCEDURA INTERROTTA Errore nr. 3049 - ", 0), 0u)
        << archive.view.log.back();
    EXPECT_EQ(StampOf(archive.source), crashed);
    ASSERT_TRUE(std::filesystem::exists(journal)) << "the journal was rolled back";
    EXPECT_EQ(StampOf(journal), journalStamp);
    EXPECT_EQ(StampOf(archive.target), target);
}

} // namespace
