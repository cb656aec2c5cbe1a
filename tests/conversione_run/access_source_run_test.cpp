// A whole run from a real Access 2000 version-6 archive of the demo rows: it
// logs what the run from the demo archive logs, line for line.
#include <gtest/gtest.h>

#include <filesystem>

#include "demo_archive.h"
#include "support/jet_files.h"

namespace {

TEST(AccessSourceRun, ARealAccessArchiveOfTheDemoLogsAsTheDemo) {
    const std::string real = testing_support::JetFile("VANTORIMA6_ACCESS.MDB");
    if (!std::filesystem::exists(real)) GTEST_SKIP() << "no " << real << ": the run from an Access archive is skipped";
    run_testing::DemoArchive archive;
    std::filesystem::create_directory(archive.dir.path() / "access");
    archive.view.source = archive.dir.file("access/VANTORIMA6.MDB");
    std::filesystem::copy_file(real, archive.view.source);
    archive.Run();
    EXPECT_EQ(archive.view.log, run_testing::DemoRunLog());
}

} // namespace
