#include "tools/schema_loader.h"

#include <algorithm>
#include <fstream>

#include "dbengine/engine.h"
#include "dbengine/errors.h"
#include "winfs/error_numbers.h"
#include "winfs/runtime_error.h"

namespace schema {
namespace fs = std::filesystem;

namespace {

std::string TrimRight(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.pop_back();
    return text;
}

bool IsComment(const std::string& line) {
    std::size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line.compare(first, 2, "--") == 0;
}

std::vector<fs::path> ScriptsIn(const fs::path& folder) {
    std::vector<fs::path> scripts;
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return scripts;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".sql") scripts.push_back(entry.path());
    }
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

void RunStatement(dao::Database& database, const std::string& statement, const fs::path& script, int line) {
    try {
        database.Execute(statement);
    } catch (const vb::RuntimeError& error) {
        throw vb::RuntimeError(error.Number(), error.Description() + " (" + script.filename().string() + ", riga " +
                                                   std::to_string(line) + ")");
    }
}

} // namespace

fs::path SchemaRoot() {
    return fs::path(SCHEMA_ROOT);
}

void RunScript(dao::Database& database, const fs::path& script) {
    std::ifstream in(script);
    if (!in) throw vb::RuntimeError(vb::kFileNotFound, "script non trovato: " + script.string());
    std::string statement;
    int statementLine = 0;
    int lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        line = TrimRight(line);
        if (statement.empty() && IsComment(line)) continue;
        if (statement.empty()) statementLine = lineNumber;
        else statement += '\n';
        statement += line;
        if (!line.empty() && line.back() == ';') {
            statement.pop_back();
            RunStatement(database, statement, script, statementLine);
            statement.clear();
        }
    }
    if (TrimRight(statement).find_first_not_of(" \t\n") != std::string::npos)
        RunStatement(database, statement, script, statementLine);
}

void BuildDatabase(const std::string& fileName, const std::vector<fs::path>& scriptFolders) {
    // An engine of its own: the file is complete and closed when this returns.
    dao::DBEngine engine;
    std::unique_ptr<dao::Database> database = engine.CreateDatabase(fileName);
    for (const fs::path& folder : scriptFolders)
        for (const fs::path& script : ScriptsIn(folder)) RunScript(*database, script);
    database->Close();
}

void BuildVersion6(const std::string& fileName, bool withDemoRows) {
    std::vector<fs::path> folders{SchemaRoot() / "v6"};
    if (withDemoRows) folders.push_back(SchemaRoot() / "demo" / "v6");
    BuildDatabase(fileName, folders);
}

void BuildVersion7(const std::string& fileName) {
    BuildDatabase(fileName, {SchemaRoot() / "v7", SchemaRoot() / "demo" / "v7"});
}

void BuildPrintDatabase(const std::string& fileName, bool withDemoRows) {
    std::vector<fs::path> folders{SchemaRoot() / "print"};
    if (withDemoRows) folders.push_back(SchemaRoot() / "demo" / "print");
    BuildDatabase(fileName, folders);
}

} // namespace schema
