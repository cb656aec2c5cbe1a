#include "context/app_context.h"

#include "desktop/default_printer.h"

namespace utilita {

std::string ArchiveFolder;
bool UserNotEnabled = false;
int LastAnswer = 0;

namespace {
std::function<bool()>& PrinterQuery() {
    static std::function<bool()> query;
    return query;
}
} // namespace

bool PrinterPresent() {
    const auto& query = PrinterQuery();
    return query ? query() : desktop::DefaultPrinterPresent();
}

void SetPrinterQuery(std::function<bool()> query) {
    PrinterQuery() = std::move(query);
}

} // namespace utilita
