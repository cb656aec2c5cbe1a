#pragma once
// Program-wide state of Utilita, set once by the start-up and read by every
// window the menu opens.
#include <functional>
#include <string>

namespace utilita {

// The archive folder: the whole first line of "C:\VanRete7.dat". File names
// are appended with their leading backslash ("\vantorima7.mdb").
extern std::string ArchiveFolder;

// True exactly when the user file's rights flag is "S": restore, compaction
// and print layouts are then refused.
extern bool UserNotEnabled;

// The answer of the last exit question (ui::kYes or ui::kNo).
extern int LastAnswer;

// True when the system has a default printer.
bool PrinterPresent();

// Replaces the query behind PrinterPresent (tests); an empty function puts the
// system's query back.
void SetPrinterQuery(std::function<bool()> query);

} // namespace utilita
