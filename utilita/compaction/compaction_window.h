#pragma once
// The compaction window. The menu opens it modally; "Recupera e &Compatta"
// runs the procedure, "&Uscita" and F12 close it, except while a run is going.
#include <string>

#include "compaction/procedure.h"
#include "widgets/child_dialog.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace dao { class DBEngine; }

namespace utilita {
struct AppContext;
}

namespace utilita::compaction {

class CompactionWindow : public ChildDialog, private CompactionView {
    Q_OBJECT

public:
    CompactionWindow(const AppContext& context, dao::DBEngine& engine, QWidget* parent = nullptr);

private:
    void BuildControls();
    void OnCompactClicked();

    void SetStatus(const std::string& text) override;
    void SetHourglass(bool on) override;
    void SetMark(int index, bool ticked) override;
    void Yield() override;
    void ShowMessage(const std::string& text, ui::Icon icon, const std::string& title) override;

    const AppContext& context_;
    dao::DBEngine& engine_;
    QPushButton* compactButton = nullptr;
    QPushButton* exitButton = nullptr;
    QCheckBox* progressMarks[3] = {nullptr, nullptr, nullptr};   // recover, compact, align indexes
    QLabel* statusLabel = nullptr;
};

} // namespace utilita::compaction
