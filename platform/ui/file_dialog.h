#pragma once
// The common file dialog seam (one dialog object per window, as the programs
// use it): a filter "File Dati (*.mdb)|*.mdb", a filter index, the folder it
// opens in, and a file name kept from one use to the next and left unchanged
// when the user cancels. Paths are drive paths (C:\...).
#include <optional>
#include <string>

class QWidget;

namespace ui {

class FileDialogBackend {
public:
    virtual ~FileDialogBackend() = default;
    // Asks for a file to open, starting in initDir (else in the folder of
    // currentName); nullopt when the user cancels.
    virtual std::optional<std::string> AskOpen(const std::string& filter, int filterIndex,
                                               const std::string& currentName, const std::string& initDir,
                                               QWidget* parent) = 0;
};

class CommonDialog {
public:
    explicit CommonDialog(QWidget* parent = nullptr) : parent_(parent) {}

    void SetFilter(std::string filter) { filter_ = std::move(filter); }
    const std::string& Filter() const { return filter_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    int FilterIndex() const { return filterIndex_; }
    void SetInitDir(std::string folder) { initDir_ = std::move(folder); }
    const std::string& InitDir() const { return initDir_; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string name) { fileName_ = std::move(name); }

    // Shows the dialog; on a choice FileName becomes the chosen full path, on a
    // cancel it stays as it was.
    void ShowOpen();

private:
    QWidget* parent_;
    std::string filter_;
    int filterIndex_ = 0;
    std::string initDir_;
    std::string fileName_;
};

// The one backend in force (the Qt version unless a test installed another).
FileDialogBackend& CurrentFileDialogBackend();
void InstallFileDialogBackend(FileDialogBackend* backend);   // nullptr restores the Qt version

// Qt's file dialog with the filter translated to Qt's form, in drive paths.
class QtFileDialogBackend : public FileDialogBackend {
public:
    std::optional<std::string> AskOpen(const std::string& filter, int filterIndex, const std::string& currentName,
                                       const std::string& initDir, QWidget* parent) override;
};

} // namespace ui
