#pragma once
// The compaction window. The menu opens it modally; "Recupera e &Compatta"
// runs the procedure, "&Uscita" and F12 close it, except while a run is going.
#include <string>

#include "widgets/child_dialog.h"

#include "compaction/procedure.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace dao { class DBEngine; }

namespace utilita {
struct AppContext;
}

namespace utilita::compaction {

class Form2 : public ChildDialog, private CompactionView {
    Q_OBJECT

public:
    Form2(const AppContext& context, dao::DBEngine& engine, QWidget* parent = nullptr);

private:
    void BuildControls();
    void Command2_Click();
    void Command1_Click(int index);

    void SetStatus(const std::string& text) override;
    void SetHourglass(bool on) override;
    void SetMark(int index, bool ticked) override;
    void Yield() override;
    void ShowMessage(const std::string& text, ui::Icon icon, const std::string& title) override;

    const AppContext& context_;
    dao::DBEngine& engine_;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1[1] = {nullptr};
    QCheckBox* cec[3] = {nullptr, nullptr, nullptr};
    QLabel* Label2[1] = {nullptr};
};

} // namespace utilita::compaction
