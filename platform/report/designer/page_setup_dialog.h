#pragma once
// Page setup: paper size (A4, A5, Letter or custom), orientation and margins.
#include <QSizeF>

#include "report/model/layout.h"
#include "report/model/paper_change.h"

class QWidget;

namespace report {

enum class Paper { A4, A5, Letter, Custom };

// Portrait size of a standard paper in millimetres (Custom: empty).
QSizeF PaperSize(Paper paper);
// The standard paper of a size in either orientation, else Custom.
Paper PaperOf(double width, double height);

// Shows the page setup on the layout; false when the operator cancels. A
// change of paper is kept in trips, so that changing back is exact.
bool EditPageSetup(QWidget* parent, Layout& layout, std::vector<PaperTrip>& trips);

} // namespace report
