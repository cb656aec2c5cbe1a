#include "report/control/screens.h"

#include "report/control/qt_screens.h"

namespace report {

namespace {
Screens*& Installed() {
    static Screens* screens = nullptr;
    return screens;
}
} // namespace

Screens& CurrentScreens() {
    static QtScreens qt;
    Screens* installed = Installed();
    return installed ? *installed : qt;
}

void InstallScreens(Screens* screens) {
    Installed() = screens;
}

} // namespace report
