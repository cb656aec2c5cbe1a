#pragma once
// The start-up checks of the menu window, in their fixed order: single
// instance, printer, active user, archive folder, reachability of the folder.
#include <functional>
#include <string>

class QWidget;

namespace utilita {

struct AppContext;

struct StartupOutcome {
    bool programEnded = false;        // a check failed; the program must end without the exit question
    std::string activeUserCaption;    // "Utente attivo : " and the user, once that step ran
};

// Runs the checks, shows their messages over parent and sets the archive
// folder and the rights of context. otherInstanceRunning answers the
// single-instance test.
StartupOutcome RunStartup(AppContext& context, const std::function<bool()>& otherInstanceRunning, QWidget* parent);

} // namespace utilita
