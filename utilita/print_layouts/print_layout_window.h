#pragma once
// The print-layout window: the operator picks one of six document kinds,
// then opens the report engine's designer on the kind's layout file or
// prints the kind's first document from the print database. Modeless; the
// menu opens it.
#include <cstdint>
#include <string>

#include <QWidget>

#include "dbengine/data_control.h"
#include "report/control/report_control.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vb { class RuntimeError; }

namespace utilita {
struct AppContext;
}

namespace utilita::print {

struct DocumentKind;

class PrintLayoutWindow : public QWidget {
    Q_OBJECT

public:
    PrintLayoutWindow(const AppContext& context, dao::DBEngine& engine, QWidget* parent = nullptr);

    // The report engine (tests look at what was declared).
    report::ReportControl& ReportEngine() { return report_; }

private:
    void BuildControls();
    void CentreOnScreen();

    void ChooseKind(const DocumentKind& kind);     // the kind buttons
    void OnDesignClicked();
    void OnPrintClicked();

    void PrintDocument(const std::int16_t& printMode);
    // The preview, or where the document went, then what did not print as laid out.
    void ShowPrinted(std::int16_t printMode, std::string& layoutFile, const DocumentKind& kind);
    void DefineHeaderVariables();
    void DefineLineFields();
    // True when the current line record is one of the document's own.
    bool CurrentLineIsOwn();
    // Every line of the document through the engine's check, before the
    // print options, so that they warn of any value that would not print whole.
    void CheckDocumentLines();
    void DeclareWidestLineValues(dao::Recordset& lines);

    // The kind Design and Stampa work on: nullptr without a word while none
    // was chosen, else the kind named by the kind box, or a message and nullptr.
    const DocumentKind* CommandKind();
    // Binds headerData_ and lineData_ to the kind's tables in the print database.
    void BindTables(const DocumentKind& kind);
    // Both recordsets at their first records, where the header table has one
    // (an empty line table has none: its fields are then declared by name alone).
    void MoveToFirstRecords();
    // Lets go of the reads the two recordsets hold, before the window waits
    // on the operator and before a command returns: the print database stays
    // free for the program that fills it.
    void ReleasePrintDatabase() noexcept;
    // What the last print did not print as it is, naming the document.
    void ReportPrintWarnings(const DocumentKind& kind);
    void ReportDatabaseError(const vb::RuntimeError& error);
    void ReportJobFailure(report::Answer answer, const std::string& layoutFile);
    void Warn(const std::string& text);
    // The print database in the archive folder.
    std::string PrintDatabase() const;

    const AppContext& context_;
    QGroupBox* boxesFrame = nullptr;
    QLineEdit* kindBox = nullptr;         // Text1(0)
    QLineEdit* layoutFileBox = nullptr;   // Text1(1)
    QPushButton* designButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* exitButton = nullptr;
    QPushButton* kindButtons[6] = {};          // in the kind table's order
    QLabel* picture = nullptr;
    dao::DataControl headerData_;
    dao::DataControl lineData_;
    report::ReportControl report_;
    std::string tableBeingBound_;      // for the message when a table is missing
    std::string documentName_;         // the printed document, for its warnings
};

} // namespace utilita::print
