#pragma once
// The platform's file dialog in the operator's terms: it opens in a folder
// given as a drive path, shows the folder it looks in as C:\..., takes a
// drive path typed as the file name, and answers with drive paths.
#include <string>

#include <QFileDialog>

namespace ui {

class DriveFileDialog : public QFileDialog {
public:
    explicit DriveFileDialog(QWidget* parent = nullptr, const QString& caption = QString());

    // Opens in folder (a drive or host path) with name preselected.
    void StartIn(const std::string& folder, const std::string& name = {});

    // The first chosen file as a drive path; empty when none was chosen.
    std::string ChosenFile() const;

    void accept() override;
};

// Whether a path is written the Windows way (C:\..., \\server\..., \...):
// the host cannot take it as it is.
bool IsDrivePath(const QString& path);

} // namespace ui
