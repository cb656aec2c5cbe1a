#pragma once
// The system's default printer, as the programs test for it.

namespace desktop {

// True when the system names a default printer (Qt's print support finds one).
bool DefaultPrinterPresent();

} // namespace desktop
