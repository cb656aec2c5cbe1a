#pragma once
// The controls of the main window and their layout; Form1 adds the behaviour.
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPushButton;
class QFrame;

namespace conversione_app {

struct Form1Controls {
    QGroupBox* Frame1 = nullptr;
    std::array<QLineEdit*, 2> Text1{};        // 0 source, 1 target
    std::array<QPushButton*, 2> bottone{};    // pick buttons
    std::array<QPushButton*, 4> SSCommand1{}; // 2 "&Uscita", 3 "&Esegui" (0 and 1 unused)
    QListWidget* List1 = nullptr;
    QFrame* SSPanel1 = nullptr;
    std::array<QLabel*, 2> Label1{};          // 1 "Linea VANTORIMA 7", 0 "Importa dati Vantorima 6"
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
};

// Builds every control with its caption on the window.
Form1Controls BuildForm1(QMainWindow& window);

} // namespace conversione_app
