#pragma once
// A report engine over a drives folder of the test's own, with scripted
// screens and message boxes and a Qt application on the offscreen platform.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "report/control/report_control.h"
#include "report/model/layout_file.h"
#include "support/qt_application.h"
#include "support/scripted_message_boxes.h"
#include "support/scripted_screens.h"
#include "utilita/drives_folder.h"

namespace report_testing {

namespace fs = std::filesystem;

class ReportTest : public ::testing::Test {
protected:
    ReportTest() {
        testing_support::EnsureQtApplication();
        fs::create_directories(drives.path() / "c" / "archivi");
    }

    // C:\archivi\<name> on the host.
    fs::path Archive(const std::string& name) const { return drives.path() / "c" / "archivi" / name; }

    void WriteLayout(const std::string& name, const report::Layout& layout) const {
        std::string error;
        ASSERT_TRUE(report::SaveLayout(Archive(name), layout, error)) << error;
    }

    testing_support::DrivesFolder drives;
    report::ScriptedScreens screens;
    ui::ScriptedMessageBoxes boxes;
    report::ReportControl engine;
};

} // namespace report_testing
