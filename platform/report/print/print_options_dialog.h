#pragma once
// The platform's print dialog showing its output file as the operator's
// drive path (C:\...\Fattura.pdf), checking and handing the printer the host
// file.
#include <QPrintDialog>

class QLineEdit;

namespace report {

class PrintOptionsDialog : public QPrintDialog {
public:
    PrintOptionsDialog(QPrinter* printer, QWidget* parent);
    void accept() override;

private:
    void ShowDrivePath();
    void ChooseOutputFile();
    void CheckAndAccept();
    bool OutputFileUsable();

    QLineEdit* outputFile_ = nullptr;   // Qt's output file box, when the dialog has one
    bool handingOver_ = false;
};

} // namespace report
