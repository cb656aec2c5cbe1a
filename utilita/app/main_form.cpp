#include "app/main_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSessionManager>

#include "app/hourglass.h"
#include "app/messages.h"
#include "app/module1.h"
#include "app/startup.h"
#include "desktop/window_walk.h"
#include "ui/message_box.h"

namespace utilita {

MainForm::MainForm(std::function<bool()> otherInstanceRunning, QWidget* parent)
    : QWidget(parent), otherInstanceRunning_(std::move(otherInstanceRunning)) {
    BuildControls();
    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    if (qGuiApp) {
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &MainForm::OnCommitDataRequest);
    }
}

bool MainForm::Load() {
    ExitRequested = false;
    StartupOutcome outcome = RunStartup(otherInstanceRunning_, this);
    if (!outcome.activeUserCaption.empty()) Label3->setText(QString::fromStdString(outcome.activeUserCaption));
    if (outcome.programEnded) {
        ExitRequested = true;
        close();
        EndProgram();
        return false;
    }
    return true;
}

bool MainForm::TaskExists(const std::string& name, bool exact) {
    return desktop::TaskExists(name, exact, this);
}

void MainForm::Command1_Click(int index) {
    if (index == 0) close();
}

void MainForm::Command2_Click() {
    RunCommand(true, true, [this] { OpenCompactionWindow(); });
}

void MainForm::Command3_Click() {
    RunCommand(true, false, [this] { OpenPrintLayoutWindow(); });
}

void MainForm::Command4_Click() {
    RunCommand(true, true, [this] { OpenBackupWindow(true); });
}

void MainForm::Command5_Click() {
    RunCommand(false, true, [this] { OpenBackupWindow(false); });
}

void MainForm::RunCommand(bool rightsGated, bool runningCheck, const std::function<void()>& openWindow) {
    if (rightsGated && UserNotEnabled) {
        ui::ShowMessage(this, kUserNotEnabled, ui::Buttons::Ok, ui::Icon::Information, kRightsTitle);
        return;
    }
    if (runningCheck) {
        bool running = TaskExists(kMainApplicationTitle, true);
        // The walk yields to the message loop; the program may have been ended meanwhile.
        if (ended_) return;
        if (running) {
            ui::ShowMessage(this, kMainApplicationOpen, ui::Buttons::Ok, ui::Icon::Information, kMessageTitle);
            return;
        }
    }
    Hourglass hourglass(this);
    openWindow();
}

void MainForm::closeEvent(QCloseEvent* event) {
    if (QueryUnload()) {
        event->accept();
        EndProgram();
    } else {
        event->ignore();
    }
}

bool MainForm::QueryUnload() {
    if (ExitRequested) return true;
    LastAnswer = ui::ShowMessage(this, kConfirmExit, ui::Buttons::YesNo, ui::Icon::Question, kMessageTitle,
                                 ui::DefaultButton::Second);
    return LastAnswer == ui::kYes;
}

void MainForm::EndProgram() {
    ExitRequested = true;
    ended_ = true;
    hide();
    // Leaves every event loop, nested modal ones too; main() then destroys the
    // windows without further close events.
    QCoreApplication::exit(0);
}

void MainForm::OnCommitDataRequest(QSessionManager& manager) {
    if (ended_) return;
    // Without leave to interact the question cannot be asked; nothing is lost
    // by ending, the program keeps no unsaved data.
    if (!manager.allowsInteraction()) return;
    bool end = QueryUnload();
    manager.release();
    if (end) {
        EndProgram();
    } else {
        manager.cancel();
    }
}

} // namespace utilita
