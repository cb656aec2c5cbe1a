#pragma once
// How a common-dialog request becomes a QFileDialog, apart from showing it.
#include <string>

#include <QStringList>

#include "ui/drive_file_dialog.h"

namespace ui {

// "File Dati (*.mdb)|*.mdb|Tutti (*.*)|*.*" -> {"File Dati (*.mdb)", "Tutti (*)"}.
// Patterns separated by ';' become Qt's blank-separated list and "*.*" (every
// file on Windows) becomes "*". Qt reads the patterns from the bracket that
// ends the description, so that bracket is written (or replaced) in Qt's form.
QStringList QtNameFilters(const std::string& filter);

// An open dialog for one existing file: name filters, the filter at the
// 1-based index selected (the first when out of range); it opens in initDir,
// or without one in the folder of currentName, whose name is preselected
// when it lies there. Folder and name are drive or host paths.
void ConfigureFileDialog(DriveFileDialog& dialog, const std::string& filter, int filterIndex,
                         const std::string& currentName, const std::string& initDir);

} // namespace ui
