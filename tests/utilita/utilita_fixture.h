#pragma once
// Common ground of the menu tests: a Qt application, a drives folder of the
// test's own, scripted message boxes, a printer that can be taken away and
// the program's state as a fresh program has it.
#include <optional>

#include <gtest/gtest.h>

#include "context/app_context.h"
#include "support/qt_application.h"
#include "support/scripted_message_boxes.h"
#include "utilita/drives_folder.h"

namespace testing_support {

class UtilitaFixture : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureQtApplication();
        boxes_.emplace();
        context.printerQuery = [this] { return printerPresent; };
    }

    ui::ScriptedMessageBoxes& Boxes() { return *boxes_; }
    const std::vector<ui::MessageRequest>& Messages() const { return boxes_->Requests(); }
    // Forgets the messages so far and the answers not given.
    void ResetMessages() {
        boxes_.reset();
        boxes_.emplace();
    }

    // The program's state as a fresh program has it.
    utilita::AppContext context;
    bool printerPresent = true;
    DrivesFolder drives;

private:
    std::optional<ui::ScriptedMessageBoxes> boxes_;
};

} // namespace testing_support
