#pragma once
// The designer as an operator works it by keys, page setup and the names of
// its controls.
#include <optional>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>

#include "report/designer/page_setup_dialog.h"
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
    // Page setup with the other orientation (and paper, when given), answered as the operator does.
    void TurnPage(bool landscape, std::optional<Paper> paper = std::nullopt) {
        QTimer::singleShot(0, [landscape, paper] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QStringLiteral("PageSetup") && w->isVisible()) {
                    auto* papers = w->findChild<QComboBox*>("Paper");
                    if (paper) papers->setCurrentIndex(papers->findData(int(*paper)));
                    w->findChild<QRadioButton*>(landscape ? "Landscape" : "Portrait")->setChecked(true);
                    static_cast<QDialog*>(w)->accept();
                }
        });
        Trigger("PageSetup");
    }
};

} // namespace report_testing
