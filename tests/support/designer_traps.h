#pragma once
// The designer as an operator works it by keys, page setup and the names of
// its controls.
#include <QApplication>
#include <QDialog>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>

#include "support/designer_fixture.h"

namespace report_testing {

class DesignerTraps : public Designer {
protected:
    void Key(QWidget* to, Qt::Key key, Qt::KeyboardModifiers keys = Qt::NoModifier) const {
        QApplication::setActiveWindow(dialog.get());
        QTest::keyClick(to, key, keys);
    }
    const Layout& Current() const { return dialog->CurrentLayout(); }
    Selection Selected() const { return dialog->Document().Selected(); }
    template <class T>
    T* Child(const char* name) const { return dialog->findChild<T*>(QString::fromLatin1(name)); }
    // Page setup with the other orientation, answered as the operator does.
    void TurnPage(bool landscape) {
        QTimer::singleShot(0, [landscape] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QStringLiteral("PageSetup") && w->isVisible()) {
                    w->findChild<QRadioButton*>(landscape ? "Landscape" : "Portrait")->setChecked(true);
                    static_cast<QDialog*>(w)->accept();
                }
        });
        Trigger("PageSetup");
    }
};

} // namespace report_testing
