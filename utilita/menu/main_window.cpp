#include "menu/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSessionManager>

#include "backup/backup_window.h"
#include "desktop/window_walk.h"
#include "menu/messages.h"
#include "menu/startup.h"
#include "ui/message_box.h"
#include "widgets/hourglass.h"
#include "widgets/notice.h"

namespace utilita {

MainWindow::MainWindow(AppContext& context, dao::DBEngine& engine, std::function<bool()> otherInstanceRunning,
                       QWidget* parent)
    : QWidget(parent), context_(context), engine_(engine), otherInstanceRunning_(std::move(otherInstanceRunning)) {
    BuildControls();
    connect(exitButton, &QPushButton::clicked, this, [this] { close(); });
    connect(compactionButton, &QPushButton::clicked, this, [this] { OnCompactionClicked(); });
    connect(printLayoutsButton, &QPushButton::clicked, this, [this] { OnPrintLayoutsClicked(); });
    connect(restoreButton, &QPushButton::clicked, this, [this] { OnRestoreClicked(); });
    connect(backupButton, &QPushButton::clicked, this, [this] { OnBackupClicked(); });
    if (qGuiApp) {
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &MainWindow::OnCommitDataRequest);
    }
}

bool MainWindow::Load() {
    exitRequested_ = false;
    StartupOutcome outcome = RunStartup(context_, otherInstanceRunning_, this);
    if (!outcome.activeUserCaption.empty())
        activeUserLabel->setText(QString::fromStdString(outcome.activeUserCaption));
    if (outcome.programEnded) {
        exitRequested_ = true;
        close();
        EndProgram();
        return false;
    }
    return true;
}

bool MainWindow::TaskExists(const std::string& name, desktop::TitleMatch match) {
    return desktop::TaskExists(name, match, this);
}

void MainWindow::OnCompactionClicked() {
    RunCommand(CommandUsers::EnabledOnly, MainApplication::MustBeClosed, [this] { OpenCompactionWindow(); });
}

void MainWindow::OnPrintLayoutsClicked() {
    RunCommand(CommandUsers::EnabledOnly, MainApplication::MayBeOpen, [this] { OpenPrintLayoutWindow(); });
}

void MainWindow::OnRestoreClicked() {
    RunCommand(CommandUsers::EnabledOnly, MainApplication::MustBeClosed,
               [this] { OpenBackupWindow(backup::Mode::Restore); });
}

void MainWindow::OnBackupClicked() {
    RunCommand(CommandUsers::Any, MainApplication::MustBeClosed, [this] { OpenBackupWindow(backup::Mode::Backup); });
}

void MainWindow::RunCommand(CommandUsers users, MainApplication mainApplication,
                            const std::function<void()>& openWindow) {
    if (users == CommandUsers::EnabledOnly && context_.userNotEnabled) {
        ui::ShowMessage(this, kUserNotEnabled, ui::Buttons::Ok, ui::Icon::Information, kRightsTitle);
        return;
    }
    if (mainApplication == MainApplication::MustBeClosed) {
        bool running = TaskExists(kMainApplicationTitle, desktop::TitleMatch::Whole);
        // The walk yields to the message loop; the program may have been ended meanwhile.
        if (ended_) return;
        if (running) {
            ShowNotice(this, kMainApplicationOpen, ui::Icon::Information);
            return;
        }
    }
    Hourglass hourglass(this);
    openWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ConfirmExit()) {
        event->accept();
        EndProgram();
    } else {
        event->ignore();
    }
}

bool MainWindow::ConfirmExit() {
    if (exitRequested_) return true;
    context_.lastAnswer = ui::ShowMessage(this, kConfirmExit, ui::Buttons::YesNo, ui::Icon::Question,
                                          kMessageTitle, ui::DefaultButton::Second);
    return context_.lastAnswer == ui::kYes;
}

void MainWindow::EndProgram() {
    exitRequested_ = true;
    ended_ = true;
    hide();
    // Leaves every event loop, nested modal ones too; main() then destroys the
    // windows without further close events.
    QCoreApplication::exit(0);
}

void MainWindow::OnCommitDataRequest(QSessionManager& manager) {
    if (ended_) return;
    // Without leave to interact the question cannot be asked; nothing is lost
    // by ending, the program keeps no unsaved data.
    if (!manager.allowsInteraction()) return;
    bool end = ConfirmExit();
    manager.release();
    if (end) {
        EndProgram();
    } else {
        manager.cancel();
    }
}

} // namespace utilita
