#pragma once
// The layout designer: places the declared variables and fixed texts on the
// page part and the declared fields as columns of the line table, shows a
// sample page, and saves the layout file.
#include <QDialog>

#include "report/screens.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace report {

class PageView;

class DesignerDialog : public QDialog {
    Q_OBJECT

public:
    DesignerDialog(DesignRequest& request, QWidget* parent = nullptr);

    const Layout& CurrentLayout() const { return request_.layout; }
    bool Modified() const { return modified_; }

    // Writes the layout file; on failure tells the operator and answers false.
    bool Save();

    // Closing with unsaved changes asks whether to save them first.
    void reject() override;

private:
    void BuildControls();
    void Connect();

    void AddVariable();
    void AddText();
    void RemoveItem();
    void ItemSelected();
    void ItemEdited();

    void AddField();
    void RemoveColumn();
    void MoveColumn(int step);
    void ColumnSelected();
    void ColumnEdited();
    void TableEdited();

    void FillItems(int select);
    void FillColumns(int select);
    void Changed();
    void RefreshPage();
    double NextFreeRow() const;

    DesignRequest& request_;
    bool modified_ = false;
    bool loading_ = false;

    QLabel* fileLabel_ = nullptr;
    QListWidget* items_ = nullptr;
    QComboBox* variableChoice_ = nullptr;
    QPushButton* addVariable_ = nullptr;
    QLineEdit* textToAdd_ = nullptr;
    QPushButton* addText_ = nullptr;
    QPushButton* removeItem_ = nullptr;
    QLineEdit* itemCaption_ = nullptr;
    QDoubleSpinBox* itemX_ = nullptr;
    QDoubleSpinBox* itemY_ = nullptr;
    QDoubleSpinBox* itemWidth_ = nullptr;
    QDoubleSpinBox* itemSize_ = nullptr;
    QCheckBox* itemBold_ = nullptr;
    QComboBox* itemFormat_ = nullptr;

    QListWidget* columns_ = nullptr;
    QComboBox* fieldChoice_ = nullptr;
    QPushButton* addField_ = nullptr;
    QPushButton* columnUp_ = nullptr;
    QPushButton* columnDown_ = nullptr;
    QPushButton* removeColumn_ = nullptr;
    QLineEdit* columnTitle_ = nullptr;
    QDoubleSpinBox* columnWidth_ = nullptr;
    QComboBox* columnAlign_ = nullptr;
    QComboBox* columnFormat_ = nullptr;
    QDoubleSpinBox* tableTop_ = nullptr;
    QDoubleSpinBox* tableBottom_ = nullptr;
    QDoubleSpinBox* tableSize_ = nullptr;

    PageView* page_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
};

// The rows of the designer's lists, as the operator reads them.
QString ItemRowText(const HeaderItem& item, const DefinitionList& variables);
QString ColumnRowText(const TableColumn& column, const DefinitionList& fields);

} // namespace report
