#pragma once
// What the windows of Utilita share: set by the start-up of the menu, read by
// every window the menu opens. The program makes one and hands it, with the
// database engine, to the menu, which hands it on.
#include <functional>
#include <string>

namespace utilita {

struct AppContext {
    // The archive folder: the whole first line of "C:\VanRete7.dat". File
    // names are appended with their leading backslash ("\vantorima7.mdb").
    std::string archiveFolder;

    // True exactly when the user file's rights flag is "S": restore,
    // compaction and print layouts are then refused.
    bool userNotEnabled = false;

    // The answer of the last exit question (ui::kYes or ui::kNo).
    int lastAnswer = 0;

    // Answers whether a printer is present in place of the system (tests);
    // empty: the system's default printer is asked.
    std::function<bool()> printerQuery;

    // True when the system has a default printer.
    bool PrinterPresent() const;
};

} // namespace utilita
