// A Fattura designed with the mouse from the new layout (a logo in the logo's
// place, a frame around the customer, the amount column moved, the totals
// footer), printed as a two-page PDF.
#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "support/pdf_text.h"
#include "report/composer/business_layout.h"
#include "report/designer/designer_dialog.h"
#include "report/designer/page_canvas.h"
#include "support/report_fixture.h"

namespace report_testing {
namespace {

using namespace report;

std::string LogoPng() {
    QImage image(240, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(QRect(10, 10, 100, 100), QColor(31, 78, 153));
    painter.fillRect(QRect(130, 40, 100, 40), QColor(176, 28, 28));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

// The image rows of pdfimages -list (after its two heading lines).
int PdfImageCount(const fs::path& pdf) {
    std::string out;
    if (FILE* pipe = popen(("pdfimages -list '" + pdf.string() + "' 2>&1").c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        EXPECT_EQ(pclose(pipe), 0) << out;
    }
    return static_cast<int>(std::count(out.begin(), out.end(), '\n')) - 2;
}

int Occurrences(const std::string& text, const std::string& what) {
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

class DesignedInvoice : public ReportTest {
protected:
    void Declare() {
        const auto header = [this](const char* name, std::string value, std::int32_t type, ColumnType column) {
            engine.AddHeaderVariable(name, value, type, column);
        };
        header("id fattura", "7", kFieldTypeNumeric, ColumnType::Integer);
        header("fattura_n", "118", kFieldTypeNumeric, ColumnType::Integer);
        header("data_fattura", "45366", kFieldTypeDate, ColumnType::Date);
        header("nominativo", "Ferramenta Bianchi S.r.l.", kFieldTypeText, ColumnType::Text);
        header("indirizzo", "Via Emilia 12", kFieldTypeText, ColumnType::Text);
        header("citta", "Bologna", kFieldTypeText, ColumnType::Text);
        header("tipopag", "Bonifico 30 gg", kFieldTypeText, ColumnType::Text);
        header("tfattura", "7600", kFieldTypeText, ColumnType::Currency);
        Line(1);
    }
    void Line(int n) {
        const auto field = [this](const char* name, std::string value, std::int32_t type, ColumnType column) {
            engine.AddLineField(name, value, type, column);
        };
        field("id voce", std::to_string(n), kFieldTypeNumeric, ColumnType::Integer);
        field("id fattura", "7", kFieldTypeNumeric, ColumnType::Integer);
        field("codice", "FE-" + std::to_string(1000 + n), kFieldTypeText, ColumnType::Text);
        field("articolo", "Viti autofilettanti 4x" + std::to_string(n), kFieldTypeText, ColumnType::Text);
        field("qtà", "2", kFieldTypeNumeric, ColumnType::Number);
        field("importo", "100", kFieldTypeText, ColumnType::Currency);
    }

    void Drag(PageCanvas& canvas, QPointF from, QPointF to) {
        for (auto [type, at, buttons] : {std::tuple{QEvent::MouseButtonPress, from, Qt::MouseButtons(Qt::LeftButton)},
                                         std::tuple{QEvent::MouseMove, to, Qt::MouseButtons(Qt::LeftButton)},
                                         std::tuple{QEvent::MouseButtonRelease, to, Qt::MouseButtons()}}) {
            const QPointF pixel = canvas.ToPixel(at);
            QMouseEvent event(type, pixel, canvas.mapToGlobal(pixel), Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(&canvas, &event);
        }
    }
};

TEST_F(DesignedInvoice, DesignedWithTheMouseItPrintsTwoPagesWithLogoPageNumbersAndTotalsOnce) {
    Declare();
    screens.designer = [this](DesignRequest& request) {
        DesignerDialog dialog(request);
        dialog.show();
        dialog.pickImage = [] { return std::optional<std::string>(LogoPng()); };
        PageCanvas& canvas = dialog.Canvas();
        canvas.SetGrid(true, 1);
        const auto act = [&](const char* name) { dialog.findChild<QAction*>(QString::fromLatin1(name))->trigger(); };
        // The placeholder text of the logo's place goes; the logo takes its place.
        Drag(canvas, {29, 22.5}, {29, 22.5});
        ASSERT_EQ(TextItem(dialog.CurrentLayout(), dialog.Document().Selected().at(0))->source, "Logo");
        act("Delete");
        act("AddImage");
        const Shape logo = dialog.CurrentLayout().shapes.back();
        Drag(canvas, {logo.x + 20, logo.y + 10}, {logo.x + 20, logo.y + 12});
        // A blue frame around the customer's block: a rectangle moved there and stretched.
        act("AddRectangle");
        const Shape box = dialog.CurrentLayout().shapes.back();
        Drag(canvas, {box.x, box.y + 5}, {110, 47});
        Drag(canvas, {110 + box.width, 42 + box.height}, {197, 77});
        EXPECT_EQ(Bounds(dialog.CurrentLayout(), dialog.Document().Selected().at(0)), QRectF(110, 42, 87, 35));
        // The amount column dragged in front of the quantity.
        const Layout& layout = dialog.CurrentLayout();
        const QRectF amount = Bounds(layout, {Part::Column, 3});
        const QRectF quantity = Bounds(layout, {Part::Column, 2});
        ASSERT_EQ(layout.table.columns[3].field, "importo");
        Drag(canvas, {amount.center().x(), layout.table.top + 2.5}, {quantity.left() + 1, layout.table.top + 2.5});
        EXPECT_EQ(dialog.CurrentLayout().table.columns[2].field, "importo");
        EXPECT_TRUE(dialog.Save());
    };
    std::string layoutFile = "C:\\archivi\\Fattura.LST";
    ASSERT_EQ(engine.OpenLayoutDesigner(nullptr, "Impostazione modulo Fattura", kProjectList, layoutFile), kResultOk);

    ASSERT_EQ(engine.BeginPrintJob(kProjectList, layoutFile, kPrintToPrinter, 2, nullptr, "Printing invoice"),
              kResultOk);
    engine.OutputPageObjects();
    for (int n = 1; n <= 76; ++n) {
        Line(n);
        std::int32_t r = engine.OutputLine();
        while (r == kResultRepeat) {
            engine.OutputPageObjects();
            r = engine.OutputLine();
        }
    }
    while (engine.FinishLines() == kResultRepeat) {}
    ASSERT_EQ(engine.EndPrintJob(0), kResultOk);

    const fs::path pdf = Archive("Fattura.pdf");
    ASSERT_EQ(PdfPages(pdf), 2);
    EXPECT_EQ(PdfImageCount(pdf), 2) << "the logo, once on each page";
    const std::string text = PdfText(pdf);
    EXPECT_EQ(Occurrences(text, "Pagina 1 di 2"), 1);
    EXPECT_EQ(Occurrences(text, "Pagina 2 di 2"), 1);
    EXPECT_EQ(Occurrences(text, "7.600,00"), 2) << "the sum of the lines and the document's total, once each";
    EXPECT_EQ(Occurrences(text, "Ferramenta Bianchi S.r.l."), 2);
    if (const char* keep = std::getenv("KEEP_INVOICE_PDF")) fs::copy_file(pdf, keep, fs::copy_options::overwrite_existing);
}

} // namespace
} // namespace report_testing
