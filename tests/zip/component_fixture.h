#pragma once
// A component, a database file "C:\archivi\vantorima7.mdb" of known bytes,
// and the backup and restore calls as the program makes them.
#include "zip/zip_component.h"
#include "support/zip_files.h"

namespace zip_testing {

class ComponentTest : public DrivesTest {
protected:
    ComponentTest() : database(DatabaseBytes(150000, 7)) { WriteBytes(DatabaseFile(), database); }

    fs::path DatabaseFile() const { return Drive('c') / "archivi" / "vantorima7.mdb"; }

    std::int16_t Backup(const std::string& archive = "a:\\v7backup.zip") {
        zip.ZipFileSpec = "C:\\archivi\\vantorima7.mdb";
        zip.ZipArchiveName = archive;
        return zip.ZipCompress(0);
    }
    std::int16_t Restore(const std::string& archive = "a:\\v7backup.zip") {
        zip.ZipFileSpec = "vantorima7.mdb";
        zip.ZipTargetFolder = "C:\\archivi";
        zip.ZipArchiveName = archive;
        return zip.ZipExtract(0);
    }
    std::int16_t Test(const std::string& archive = "a:\\v7backup.zip") {
        zip.ZipArchiveName = archive;
        return zip.ZipTest();
    }

    std::string database;
    zipcomp::ZipComponent zip;
};

} // namespace zip_testing
