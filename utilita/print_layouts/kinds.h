#pragma once
// The six document kinds of the print-layout window: the button that
// chooses each, the kind text and layout file it writes, and the header and
// line tables of the print database that the commands bind for it.
#include <array>
#include <string>

namespace utilita::print {

struct DocumentKind {
    const char* button;        // object name of the kind button
    const char* caption;
    const char* kindText;      // written into the kind box
    const char* layoutName;    // appended to the archive folder, leading backslash included
    const char* headerTable;   // headerData_
    const char* lineTable;     // lineData_
};

// In the order of the buttons Command3 to Command8.
const std::array<DocumentKind, 6>& DocumentKinds();

// The kind whose text is exactly this one (letter case counts); nullptr for none.
const DocumentKind* FindKind(const std::string& kindText);

// What both boxes show before a kind is chosen.
inline constexpr const char* kNoKind = "NESSUNO";

// The print database in the archive folder.
inline constexpr const char* kPrintDatabaseName = "\\vantorima7LL.mdb";

} // namespace utilita::print
