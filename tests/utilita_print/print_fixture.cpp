#include "print_fixture.h"

#include <sqlite3.h>

#include "dbengine/engine.h"
#include "report/model/layout_file.h"
#include "support/qt_application.h"
#include "tools/schema_loader.h"

namespace print_testing {

PrintWindowTest::PrintWindowTest() {
    testing_support::EnsureQtApplication();
    drives.LayOutArchive();
    context.archiveFolder = "C:\\archivi";
    form = std::make_unique<utilita::print::PrintLayoutWindow>(context, dao::DBEngine::Instance());
}

PrintWindowTest::~PrintWindowTest() {
    form.reset();
}

fs::path PrintWindowTest::Archive(const std::string& name) const {
    return drives.path() / "c" / "archivi" / name;
}

void PrintWindowTest::DemoPrintDatabase() const {
    schema::BuildPrintDatabase(Archive("vantorima7LL.mdb").string(), true);
}

void PrintWindowTest::PrintDatabase(const std::vector<std::string>& statements) const {
    dao::DBEngine engine;
    std::unique_ptr<dao::Database> database = engine.CreateDatabase(Archive("vantorima7LL.mdb").string());
    for (const std::string& statement : statements) database->Execute(statement);
    database->Close();
}

void PrintWindowTest::SaveInDesigner() {
    screens.designer = [](report::DesignRequest& request) {
        std::string error;
        ASSERT_TRUE(report::SaveLayout(request.file, request.layout, error)) << error;
    };
}

void PrintWindowTest::DesignDefaultLayout(const char* button) {
    SaveInDesigner();
    Click(button);
    Click("Command1");
    screens.designer = nullptr;
}

void Fill(const fs::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

} // namespace print_testing
