#pragma once
// The print-layout window over a drives folder of the test's own: the
// archive folder C:\archivi with a print database (the demo one or one made
// for the test), scripted engine screens and scripted message boxes.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "print_layouts/print_layout_window.h"
#include "context/app_context.h"
#include "support/scripted_screens.h"
#include "support/scripted_message_boxes.h"
#include "utilita/drives_folder.h"

namespace print_testing {

namespace fs = std::filesystem;

class PrintWindowTest : public ::testing::Test {
protected:
    PrintWindowTest();
    ~PrintWindowTest() override;

    // C:\archivi\<name> on the host.
    fs::path Archive(const std::string& name) const;
    // The demo print database of mkdemo.
    void DemoPrintDatabase() const;
    // A print database of these statements alone.
    void PrintDatabase(const std::vector<std::string>& statements) const;

    template <class T>
    T* Control(const char* name) const {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Click(const char* button) const { Control<QPushButton>(button)->click(); }
    QString Box(int index) const { return Control<QLineEdit>(index == 0 ? "Text1(0)" : "Text1(1)")->text(); }
    void SetBox(int index, const QString& text) const {
        Control<QLineEdit>(index == 0 ? "Text1(0)" : "Text1(1)")->setText(text);
    }
    // The operator saves the layout the designer opens on.
    void SaveInDesigner();
    // Designs (and saves) the default layout of the kind chosen with button.
    void DesignDefaultLayout(const char* button);

    const std::vector<ui::MessageRequest>& Messages() const { return boxes.Requests(); }

    testing_support::DrivesFolder drives;
    report::ScriptedScreens screens;
    ui::ScriptedMessageBoxes boxes;
    utilita::AppContext context;
    std::unique_ptr<utilita::print::PrintLayoutWindow> form;
};

// Changes the print database as the program that fills it does.
void Fill(const fs::path& file, const std::string& sql);

// The text of one message box as the window shows it: lines joined by CR LF.
std::string Lines(std::initializer_list<std::string> lines);

} // namespace print_testing
