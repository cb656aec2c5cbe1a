#pragma once
// The designer on a small delivery note, worked with the mouse at page
// millimetres on a 5 mm grid.
#include <memory>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

#include "report/composer/default_layout.h"
#include "report/designer/designer_dialog.h"
#include "report/designer/page_canvas.h"
#include "support/report_fixture.h"

namespace report_testing {

using namespace report;

class Designer : public ReportTest {
protected:
    Designer() {
        request.title = "Impostazione modulo Fattura";
        request.file = Archive("DDT.LST");
        request.variables.Set("ddt_n", "310", kFieldTypeNumeric);
        request.variables.Set("nominativo", "Ferramenta Bianchi S.r.l.", kFieldTypeText);
        request.fields.Set("codice", "FE-1020", kFieldTypeText);
        request.fields.Set("articolo", "Viti autofilettanti", kFieldTypeText);
        request.fields.Set("qtà", "12", kFieldTypeNumeric);
        request.layout = DefaultLayout(request.variables, request.fields);
        request.newLayout = true;
        Open();
    }
    void Open() {
        dialog = std::make_unique<DesignerDialog>(request);
        dialog->show();
        canvas = &dialog->Canvas();
        canvas->SetGrid(true, 5);
    }

    void Trigger(const char* action) const { dialog->findChild<QAction*>(QString::fromLatin1(action))->trigger(); }
    // A press, moves and a release of the left button, at page millimetres.
    void Drag(QPointF from, QPointF to, Qt::KeyboardModifiers keys = Qt::NoModifier) const {
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, keys);
        Send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton, keys);
        Send(QEvent::MouseMove, to, Qt::LeftButton, keys);
        Send(QEvent::MouseButtonRelease, to, Qt::NoButton, keys);
    }
    void Click(QPointF mm, Qt::KeyboardModifiers keys = Qt::NoModifier) const {
        Send(QEvent::MouseButtonPress, mm, Qt::LeftButton, keys);
        Send(QEvent::MouseButtonRelease, mm, Qt::NoButton, keys);
    }
    void Send(QEvent::Type type, QPointF mm, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys) const {
        const QPointF at = canvas->ToPixel(mm);
        QMouseEvent event(type, at, canvas->mapToGlobal(at), Qt::LeftButton, buttons, keys);
        QApplication::sendEvent(canvas, &event);
    }
    const Shape& LastShape() const { return dialog->CurrentLayout().shapes.back(); }

    DesignRequest request;
    std::unique_ptr<DesignerDialog> dialog;
    PageCanvas* canvas = nullptr;
};

} // namespace report_testing
