#pragma once
// The controls of the main window and their layout; MainWindow adds the
// behaviour. Each control keeps its platform name as objectName (in brackets).
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPushButton;
class QFrame;

namespace conversione_app {

struct MainWindowControls {
    QGroupBox* filesFrame = nullptr;          // (Frame1)
    QLineEdit* sourcePathBox = nullptr;       // (Text1_0) the version-6 file
    QLineEdit* targetPathBox = nullptr;       // (Text1_1) the version-7 file
    QPushButton* pickSourceButton = nullptr;  // (bottone_0) "Vantorima 6"
    QPushButton* pickTargetButton = nullptr;  // (bottone_1) "Vantorima 7"
    QPushButton* runButton = nullptr;         // (SSCommand1_3) "&Esegui"
    QPushButton* exitButton = nullptr;        // (SSCommand1_2) "&Uscita"
    QListWidget* logList = nullptr;           // (List1)
    QFrame* bannerPanel = nullptr;            // (SSPanel1)
    QLabel* productLineLabel = nullptr;       // (Label1_1) "Linea VANTORIMA 7"
    QLabel* importTitleLabel = nullptr;       // (Label1_0) "Importa dati Vantorima 6"
    QLabel* versionLabel = nullptr;           // (Label2) "7.0.1"
    QLabel* driveIcon = nullptr;              // (Image1)
    QLabel* arrowIcon = nullptr;              // (Image2)
};

// Builds every control with its caption on the window.
MainWindowControls BuildMainWindow(QMainWindow& window);

} // namespace conversione_app
