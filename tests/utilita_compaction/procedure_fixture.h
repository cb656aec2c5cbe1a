#pragma once
// The procedure over an archive folder with two real databases, their rows
// and bytes taken before the run.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "compaction/procedure.h"
#include "dbengine/engine.h"
#include "utilita_compaction/archive_fixture.h"
#include "support/compaction_recording_view.h"

namespace compaction_testing {

using utilita::compaction::Outcome;
using utilita::compaction::Step;

// What the window sees of a run that stops before the third mark.
inline const std::vector<std::string> kStoppedBeforeThirdMark = {
    "status Attendere prego...", "hourglass", "cec(0)=1", "yield", "cec(1)=1", "yield",
    "message", "default pointer", "cec(0)=0", "cec(1)=0", "cec(2)=0", "status In attesa..."};

// ... and of one that gets past it.
inline const std::vector<std::string> kPastThirdMark = {
    "status Attendere prego...", "hourglass", "cec(0)=1", "yield", "cec(1)=1", "yield", "cec(2)=1", "yield",
    "message", "default pointer", "cec(0)=0", "cec(1)=0", "cec(2)=0", "status In attesa..."};

class ProcedureTest : public ::testing::Test {
protected:
    void SetUp() override {
        archive.BuildDatabase(kFirst, 1);
        archive.BuildDatabase(kSecond, 2);
        firstRows = ArchiveFolder::Rows(archive.Host(kFirst));
        secondRows = ArchiveFolder::Rows(archive.Host(kSecond));
        firstBytes = ArchiveFolder::Bytes(archive.Host(kFirst));
        secondBytes = ArchiveFolder::Bytes(archive.Host(kSecond));
    }

    Outcome Run() { return utilita::compaction::RunCompaction(kArchive, dao::DBEngine::Instance(), view); }

    // The file holds exactly the rows the database had before the run.
    void ExpectRowsOf(const TableRows& rows, const std::string& name) const {
        EXPECT_EQ(ArchiveFolder::Rows(archive.Host(name)), rows) << name;
    }
    void ExpectUntouched(const std::string& name, const std::string& bytes) const {
        EXPECT_TRUE(ArchiveFolder::Bytes(archive.Host(name)) == bytes) << name << " changed";
    }
    void ExpectFailure(const Outcome& outcome, Step step, int number) const {
        EXPECT_EQ(outcome.result, Outcome::Result::Failed);
        EXPECT_EQ(outcome.step, step);
        EXPECT_EQ(outcome.number, number);
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0].title, "Linea Vantorima 7  - Utilità");
        EXPECT_EQ(view.messages[0].icon, ui::Icon::Critical);
    }
    const std::string& Message() const { return view.messages.at(0).text; }

    ArchiveFolder archive;
    RecordingView view;
    TableRows firstRows, secondRows;
    std::string firstBytes, secondBytes;
};

} // namespace compaction_testing
