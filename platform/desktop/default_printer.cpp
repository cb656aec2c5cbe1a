#include "desktop/default_printer.h"

#include <QPrinterInfo>

namespace desktop {

bool DefaultPrinterPresent() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

} // namespace desktop
