#include "report/designer/page_setup_dialog.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QRadioButton>
#include <QHBoxLayout>

#include "report/designer/property_editors.h"
#include "report/model/paper_change.h"

namespace report {

namespace {

bool Near(double a, double b) { return std::fabs(a - b) < 0.5; }

} // namespace

QSizeF PaperSize(Paper paper) {
    switch (paper) {
    case Paper::A4: return {210, 297};
    case Paper::A5: return {148, 210};
    case Paper::Letter: return {215.9, 279.4};
    case Paper::Custom: break;
    }
    return {};
}

Paper PaperOf(double width, double height) {
    for (Paper p : {Paper::A4, Paper::A5, Paper::Letter}) {
        const QSizeF s = PaperSize(p);
        if ((Near(width, s.width()) && Near(height, s.height())) || (Near(width, s.height()) && Near(height, s.width())))
            return p;
    }
    return Paper::Custom;
}

bool EditPageSetup(QWidget* parent, Layout& layout, std::vector<PaperTrip>& trips) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PageSetup"));
    dialog.setWindowTitle(QStringLiteral("Imposta pagina"));
    auto* paper = Named(new QComboBox(&dialog), "Paper");
    paper->addItem(QStringLiteral("A4 (210 x 297 mm)"), int(Paper::A4));
    paper->addItem(QStringLiteral("A5 (148 x 210 mm)"), int(Paper::A5));
    paper->addItem(QStringLiteral("Letter (216 x 279 mm)"), int(Paper::Letter));
    paper->addItem(QStringLiteral("Personalizzato"), int(Paper::Custom));
    auto* width = Length(&dialog, "PaperWidth", kMaxPaperSide);
    auto* height = Length(&dialog, "PaperHeight", kMaxPaperSide);
    width->setMinimum(kMinPaperSide);
    height->setMinimum(kMinPaperSide);
    auto* portrait = Named(new QRadioButton(QStringLiteral("&Verticale"), &dialog), "Portrait");
    auto* landscape = Named(new QRadioButton(QStringLiteral("&Orizzontale"), &dialog), "Landscape");
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait);
    orientation->addWidget(landscape);
    const Margins& m = layout.margins;
    QDoubleSpinBox* margins[4];
    const char* names[4] = {"MarginLeft", "MarginTop", "MarginRight", "MarginBottom"};
    const double values[4] = {m.left, m.top, m.right, m.bottom};
    for (int i = 0; i < 4; ++i) {
        margins[i] = Length(&dialog, names[i], 100);
        margins[i]->setValue(values[i]);
    }
    width->setValue(layout.pageWidth);
    height->setValue(layout.pageHeight);
    (layout.pageWidth > layout.pageHeight ? landscape : portrait)->setChecked(true);
    paper->setCurrentIndex(paper->findData(int(PaperOf(layout.pageWidth, layout.pageHeight))));

    // A standard paper fills in its size in the chosen orientation; custom sizes are typed.
    const auto follow = [=] {
        const auto chosen = static_cast<Paper>(paper->currentData().toInt());
        width->setEnabled(chosen == Paper::Custom);
        height->setEnabled(chosen == Paper::Custom);
        QSizeF size = chosen == Paper::Custom ? QSizeF(width->value(), height->value()) : PaperSize(chosen);
        if (landscape->isChecked() != (size.width() > size.height())) size.transpose();
        width->setValue(size.width());
        height->setValue(size.height());
    };
    QObject::connect(paper, &QComboBox::currentIndexChanged, &dialog, follow);
    QObject::connect(landscape, &QRadioButton::toggled, &dialog, follow);
    follow();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("Formato carta"), paper);
    form->addRow(QStringLiteral("Larghezza"), width);
    form->addRow(QStringLiteral("Altezza"), height);
    form->addRow(QStringLiteral("Orientamento"), orientation);
    const char* labels[4] = {"Margine sinistro", "Margine superiore", "Margine destro", "Margine inferiore"};
    for (int i = 0; i < 4; ++i) form->addRow(QString::fromUtf8(labels[i]), margins[i]);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;

    layout.margins = {margins[0]->value(), margins[1]->value(), margins[2]->value(), margins[3]->value()};
    layout = OnPaper(layout, width->value(), height->value(), trips);
    return true;
}

} // namespace report
