#include "context/app_context.h"

#include "desktop/default_printer.h"

namespace utilita {

bool AppContext::PrinterPresent() const {
    return printerQuery ? printerQuery() : desktop::DefaultPrinterPresent();
}

} // namespace utilita
