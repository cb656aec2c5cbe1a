#pragma once
// Utilita's main menu. Loading it runs the start-up checks; it then offers
// backup, restore, print layouts, compaction and exit, and every way of
// closing it asks the exit question.
#include <functional>
#include <string>

#include <QWidget>

class QLabel;
class QPushButton;
class QSessionManager;

namespace utilita {

class MainForm : public QWidget {
    Q_OBJECT

public:
    // otherInstanceRunning: the single-instance test of the start-up.
    explicit MainForm(std::function<bool()> otherInstanceRunning, QWidget* parent = nullptr);

    // The load event: the start-up checks. False when they ended the program;
    // the window is then closed and must not be shown.
    bool Load();

    // Is a window titled name (exact, or as a part with exact false) open at or
    // below this program's active window?
    bool TaskExists(const std::string& name, bool exact);

    // True once the program was ended (start-up exit or exit confirmed).
    bool ProgramEnded() const { return ended_; }

protected:
    void closeEvent(QCloseEvent* event) override;

    // The windows the commands open, once rights and the running-application
    // check allowed them; the hourglass is on meanwhile. Backup and restore
    // (restore true) and compaction are modal and return when their window
    // closes; print layouts is modeless. Each child window is parented to this
    // one so that ending the program discards it.
    virtual void OpenBackupWindow(bool restore);
    virtual void OpenCompactionWindow();
    virtual void OpenPrintLayoutWindow();

private:
    void BuildControls();

    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void RunCommand(bool rightsGated, bool runningCheck, const std::function<void()>& openWindow);

    // True when the window may close (the program then ends).
    bool QueryUnload();
    void EndProgram();
    void OnCommitDataRequest(QSessionManager& manager);

    std::function<bool()> otherInstanceRunning_;
    bool ExitRequested = false;
    bool ended_ = false;

    QLabel* SSPanel1 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1[1] = {nullptr};
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2[2] = {nullptr, nullptr};
};

} // namespace utilita
