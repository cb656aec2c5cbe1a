#include "verify.h"

#include <sqlite3.h>

#include "catalogue/catalogue.h"
#include "sqlite_names.h"

namespace bench {

std::vector<std::string> RowCountFailures(const std::string& sourceFile, const std::string& runTarget,
                                          const std::string& sqlTarget) {
    sqlite3* db = OpenFile(sourceFile, true);
    std::vector<std::string> failures;
    try {
        Exec(db, "ATTACH DATABASE " + TextLiteral(runTarget) + " AS run");
        Exec(db, "ATTACH DATABASE " + TextLiteral(sqlTarget) + " AS sqlcopy");
        for (const conversione::TableConverter& converter : conversione::ConvertersInRunOrder()) {
            if (converter.shape != conversione::ConverterShape::CopyRows) continue;
            const std::string source = StoredTable(db, "main", converter.sourceTable);
            const std::string target = StoredTable(db, "run", converter.targetTable);
            const long rows = source.empty() ? -1 : CountRows(db, "main", source);
            const long run = target.empty() ? -1 : CountRows(db, "run", target);
            const long sql = target.empty() ? -1 : CountRows(db, "sqlcopy", target);
            if (rows <= 0 || run != rows || sql != rows)
                failures.push_back(converter.name + ": source " + source + " " + std::to_string(rows) +
                                   " rows, run target " + target + " " + std::to_string(run) + ", SQL copy " +
                                   std::to_string(sql));
        }
    } catch (const std::exception& error) {
        failures.push_back(error.what());
    }
    sqlite3_close(db);
    return failures;
}

} // namespace bench
