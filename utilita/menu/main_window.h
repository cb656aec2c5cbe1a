#pragma once
// Utilita's main menu. Loading it runs the start-up checks; it then offers
// backup, restore, print layouts, compaction and exit, and every way of
// closing it asks the exit question.
#include <functional>
#include <string>

#include <QWidget>

#include "context/app_context.h"
#include "desktop/window_walk.h"

class QLabel;
class QPushButton;
class QSessionManager;

namespace dao { class DBEngine; }
namespace utilita::backup { enum class Mode; }

namespace utilita {

class MainWindow : public QWidget {
    Q_OBJECT

public:
    // context: the program's state, which the start-up fills and the windows
    // opened from here share, with engine. otherInstanceRunning: the
    // single-instance test of the start-up.
    MainWindow(AppContext& context, dao::DBEngine& engine, std::function<bool()> otherInstanceRunning,
               QWidget* parent = nullptr);

    // The load event: the start-up checks. False when they ended the program;
    // the window is then closed and must not be shown.
    bool Load();

    // Is a window titled name (the whole title, or a part of it) open at or
    // below this program's active window?
    bool TaskExists(const std::string& name, desktop::TitleMatch match);

    // True once the program was ended (start-up exit or exit confirmed).
    bool ProgramEnded() const { return ended_; }

protected:
    void closeEvent(QCloseEvent* event) override;

    // The windows the commands open, once rights and the running-application
    // check allowed them; the hourglass is on meanwhile. Backup or restore
    // (by mode) and compaction are modal and return when their window
    // closes; print layouts is modeless. Each child window is parented to this
    // one so that ending the program discards it.
    virtual void OpenBackupWindow(backup::Mode mode);
    virtual void OpenCompactionWindow();
    virtual void OpenPrintLayoutWindow();

private:
    void BuildControls();

    void OnBackupClicked();
    void OnRestoreClicked();
    void OnPrintLayoutsClicked();
    void OnCompactionClicked();
    // Who may give a command, and whether the main application must be closed first.
    enum class CommandUsers { EnabledOnly, Any };
    enum class MainApplication { MustBeClosed, MayBeOpen };
    // Opens a window through openWindow unless the user lacks the rights the
    // command asks for or the main application is open when it must not be.
    void RunCommand(CommandUsers users, MainApplication mainApplication, const std::function<void()>& openWindow);

    // True when the window may close (the program then ends).
    bool ConfirmExit();
    void EndProgram();
    void OnCommitDataRequest(QSessionManager& manager);

    AppContext& context_;
    dao::DBEngine& engine_;
    std::function<bool()> otherInstanceRunning_;
    bool exitRequested_ = false;
    bool ended_ = false;

    QPushButton* backupButton = nullptr;
    QPushButton* restoreButton = nullptr;
    QPushButton* printLayoutsButton = nullptr;
    QPushButton* compactionButton = nullptr;
    QPushButton* exitButton = nullptr;
    QLabel* activeUserLabel = nullptr;
};

} // namespace utilita
