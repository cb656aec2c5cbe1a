// The designer as the operator works it: placing variables and texts,
// arranging the table's columns, saving, and closing with changes unsaved.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "report/default_layout.h"
#include "report/designer_dialog.h"
#include "report/page_view.h"
#include "report_fixture.h"

namespace report_testing {
namespace {

using namespace report;

class Designer : public ReportTest {
protected:
    Designer() {
        request.title = "Impostazione modulo Fattura";
        request.file = Archive("DDT.LST");
        request.variables.Set("ddt_n", "310", FieldTypeNumeric);
        request.variables.Set("nominativo", "Ferramenta Bianchi S.r.l.", FieldTypeText);
        request.fields.Set("codice", "FE-1020", FieldTypeText);
        request.fields.Set("articolo", "Viti autofilettanti", FieldTypeText);
        request.fields.Set("qtà", "12", FieldTypeNumeric);
        request.layout = DefaultLayout(request.variables, request.fields);
        request.newLayout = true;
        dialog = std::make_unique<DesignerDialog>(request);
    }

    template <class T>
    T* Control(const char* name) const {
        T* control = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Click(const char* name) const { Control<QPushButton>(name)->click(); }
    void Choose(const char* combo, const char* name) const {
        QComboBox* box = Control<QComboBox>(combo);
        box->setCurrentIndex(box->findData(QString::fromUtf8(name)));
    }
    Layout Saved() const {
        Layout layout;
        EXPECT_EQ(LoadLayout(request.file, layout), LayoutLoad::Loaded);
        return layout;
    }

    DesignRequest request;
    std::unique_ptr<DesignerDialog> dialog;
};

TEST_F(Designer, PlacedVariablesAndTextsAreSavedWithTheirPositions) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Impostazione modulo Fattura"));
    EXPECT_EQ(Control<QListWidget>("HeaderItems")->count(), 2);

    Choose("VariableChoice", "nominativo");
    Click("AddVariable");
    Control<QDoubleSpinBox>("ItemX")->setValue(120);
    Control<QDoubleSpinBox>("ItemY")->setValue(40);
    Control<QDoubleSpinBox>("ItemSize")->setValue(14);
    Control<QLineEdit>("TextToAdd")->setText(QStringLiteral("DOCUMENTO DI TRASPORTO"));
    Click("AddText");
    EXPECT_TRUE(dialog->Modified());

    const HeaderItem& added = dialog->CurrentLayout().header[2];
    EXPECT_EQ(added.source, "nominativo");
    EXPECT_EQ(added.x, 120);
    EXPECT_EQ(added.y, 40);
    EXPECT_EQ(added.fontSize, 14);
    // The sample page shows the first record's values as they will print.
    bool shown = false;
    for (const PageText& t : Control<PageView>("Page")->CurrentPage().texts)
        shown = shown || t.text == QStringLiteral("DOCUMENTO DI TRASPORTO");
    EXPECT_TRUE(shown);

    Click("Save");
    EXPECT_FALSE(dialog->Modified());
    EXPECT_TRUE(boxes.Requests().empty());
    const Layout saved = Saved();
    EXPECT_EQ(saved, dialog->CurrentLayout());
    ASSERT_EQ(saved.header.size(), 4u);
    EXPECT_EQ(saved.header[3].kind, ItemKind::Text);
    EXPECT_EQ(saved.header[3].source, "DOCUMENTO DI TRASPORTO");

    // Removing the selected item (the text just added).
    Click("RemoveItem");
    EXPECT_EQ(dialog->CurrentLayout().header.size(), 3u);
}

TEST_F(Designer, ColumnsAreAddedMovedAndRemoved) {
    QListWidget* columns = Control<QListWidget>("Columns");
    ASSERT_EQ(columns->count(), 3);
    Choose("FieldChoice", "qtà");
    Click("AddField");     // a second quantity column, at the end and selected
    ASSERT_EQ(columns->count(), 4);
    Click("ColumnUp");
    Click("ColumnUp");
    Control<QDoubleSpinBox>("ColumnWidth")->setValue(33);
    std::vector<std::string> order;
    for (const TableColumn& c : dialog->CurrentLayout().table.columns) order.push_back(c.field);
    EXPECT_EQ(order, (std::vector<std::string>{"codice", "qtà", "articolo", "qtà"}));
    EXPECT_EQ(dialog->CurrentLayout().table.columns[1].width, 33);
    EXPECT_EQ(dialog->CurrentLayout().table.columns[1].align, Align::Right);

    columns->setCurrentRow(0);
    Click("RemoveColumn");
    EXPECT_EQ(dialog->CurrentLayout().table.columns.front().field, "qtà");
    EXPECT_FALSE(Control<QPushButton>("ColumnUp")->isEnabled()) << "the first column cannot go up";
}

TEST_F(Designer, ClosingWithChangesAsksWhetherToSaveThem) {
    Control<QDoubleSpinBox>("TableTop")->setValue(70);
    boxes.Answer(ui::kNo);
    dialog->reject();
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text, "Salvare le modifiche al modulo ?");
    EXPECT_EQ(boxes.Requests()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(boxes.Requests()[0].title, "Impostazione modulo Fattura");
    EXPECT_FALSE(fs::exists(request.file));

    boxes.Answer(ui::kYes);
    dialog->reject();
    EXPECT_EQ(Saved().table.top, 70);
}

TEST_F(Designer, ASaveThatFailsIsToldAndKeepsTheChanges) {
    request.file = drives.path() / "missing folder" / "DDT.LST";
    dialog = std::make_unique<DesignerDialog>(request);
    Click("AddField");
    EXPECT_FALSE(dialog->Save());
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text.rfind("Impossibile salvare il modulo :\r\n" + request.file.string(), 0), 0u);
    EXPECT_TRUE(dialog->Modified());
}

} // namespace
} // namespace report_testing
