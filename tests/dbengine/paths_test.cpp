// File names: Windows paths through the drives folder, one connection per file
// whatever the spelling, and a file replaced under the engine.
#include <cstdlib>
#include <filesystem>

#include "engine_fixture.h"

namespace dbtest {
namespace {

using dao::Variant;

class PathsTest : public EngineTest {
protected:
    void SetUp() override {
        const char* old = std::getenv("VANTORIMA_DRIVES");
        if (old) saved_ = old;
        hadDrives_ = old != nullptr;
        setenv("VANTORIMA_DRIVES", dir_.path().c_str(), 1);
        std::filesystem::create_directories(dir_.path() / "c" / "Archivio");
    }
    void TearDown() override {
        if (hadDrives_) setenv("VANTORIMA_DRIVES", saved_.c_str(), 1);
        else unsetenv("VANTORIMA_DRIVES");
    }
    std::string saved_;
    bool hadDrives_ = false;
};

TEST_F(PathsTest, WindowsNamesReachTheFileOnTheDrivesFolderWhateverTheirCase) {
    {
        auto db = engine_.CreateDatabase("C:\\ARCHIVIO\\vantorima7.mdb");
        db->Execute("CREATE TABLE [t] ([a] TEXT(5))");
        db->Execute("INSERT INTO [t] ([a]) VALUES ('x')");
    }
    const auto onDisk = dir_.path() / "c" / "Archivio" / "vantorima7.mdb";
    ASSERT_TRUE(std::filesystem::exists(onDisk));
    EXPECT_EQ(QueryFile(onDisk.string(), "SELECT count(*) FROM t"), 1);
    auto data = Bind("c:\\archivio\\VANTORIMA7.MDB", "T");
    EXPECT_EQ(data->GetRecordset().Fields("a").Value(), Variant("x"));
    EXPECT_EQ(ErrorOf([&] { engine_.OpenDatabase("C:\\Archivio\\vantorima7a.mdb"); }), dao::kFileNotFound);
    engine_.CompactDatabase("C:\\Archivio\\Vantorima7.mdb", "\\Archivio\\vantorima7a.mdb");
    EXPECT_TRUE(std::filesystem::exists(dir_.path() / "c" / "Archivio" / "vantorima7a.mdb"));
    EXPECT_EQ(ErrorOf([&] { engine_.CompactDatabase("C:\\Archivio\\vantorima7.mdb", "C:\\ARCHIVIO\\VANTORIMA7A.MDB"); }),
              dao::kCompactTargetExists);
}

TEST_F(PathsTest, TwoSpellingsOfOneFileShareOneConnection) {
    MakeDatabase((dir_.path() / "c" / "Archivio" / "v7.mdb").string(), {"CREATE TABLE [t] ([a] TEXT(5))"});
    auto data = Bind("C:\\Archivio\\V7.mdb", "t");
    data->GetRecordset().AddNew();
    data->GetRecordset().Fields("a").SetValue(Variant("x"));
    data->GetRecordset().Update();
    // Pending rows of the data control do not lock the database opened under
    // another spelling, nor one opened by a second engine object.
    dao::DBEngine other;
    auto db = other.OpenDatabase("c:\\ARCHIVIO\\v7.MDB");
    db->Execute("INSERT INTO [t] ([a]) VALUES ('y')");
    db->Close();
    EXPECT_EQ(QueryFile((dir_.path() / "c" / "Archivio" / "v7.mdb").string(), "SELECT count(*) FROM t"), 2);
}

TEST_F(PathsTest, AFileReplacedUnderTheEngineIsOpenedAnewAtTheNextBinding) {
    const std::string path = (dir_.path() / "c" / "Archivio" / "v7.mdb").string();
    MakeDatabase(path, {"CREATE TABLE [t] ([a] TEXT(5))", "INSERT INTO [t] ([a]) VALUES ('old')"});
    MakeDatabase(File("backup.mdb"), {"CREATE TABLE [t] ([a] TEXT(5))", "INSERT INTO [t] ([a]) VALUES ('new')"});
    auto data = Bind("C:\\Archivio\\v7.mdb", "t");
    auto held = engine_.OpenDatabase(path);   // keeps the first file's connection alive
    EXPECT_EQ(data->GetRecordset().Fields("a").Value(), Variant("old"));
    // A restore puts another file in its place.
    std::filesystem::remove(path);
    std::filesystem::copy_file(File("backup.mdb"), path);
    data->Refresh();
    EXPECT_EQ(data->GetRecordset().Fields("a").Value(), Variant("new"));
}

} // namespace
} // namespace dbtest
