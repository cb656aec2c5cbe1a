#pragma once
// How a common-dialog request becomes a QFileDialog, apart from showing it.
#include <string>

#include <QFileDialog>
#include <QStringList>

namespace ui {

// "File Dati (*.mdb)|*.mdb|Tutti (*.*)|*.*" -> {"File Dati (*.mdb)", "Tutti (*)"}.
// Patterns separated by ';' become Qt's blank-separated list and "*.*" (every
// file on Windows) becomes "*". Qt reads the patterns from the bracket that
// ends the description, so that bracket is written (or replaced) in Qt's form.
QStringList QtNameFilters(const std::string& filter);

// An open dialog for one existing file: name filters, the filter at the
// 1-based index selected (the first when out of range), and the folder and
// name of currentName preselected.
void ConfigureFileDialog(QFileDialog& dialog, const std::string& filter, int filterIndex,
                         const std::string& currentName);

} // namespace ui
