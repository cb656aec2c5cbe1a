#pragma once
// A print to a PDF file, written as every other file the programs make: into
// a new file beside the chosen name, put in its place once whole.
#include <functional>

class QPagedPaintDevice;
class QPrinter;

namespace report {

// Whether the printer's output is a PDF file of a given name.
bool PrintsToPdfFile(const QPrinter& printer);

// Paints (through `paint`, given the device and its resolution) a PDF with
// the printer's paper, resolution and title, and puts it in place of the
// printer's output file: a link at that name is replaced, never followed; a
// file there keeps its permissions, a new one follows the umask. False when
// the file cannot be made or written whole; nothing is left then.
bool WritePdfFile(const QPrinter& printer, const std::function<bool(QPagedPaintDevice&, int resolution)>& paint);

} // namespace report
