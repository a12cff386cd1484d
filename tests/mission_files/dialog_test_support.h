#pragma once
// Shared set-up of the dialog and file command tests: the one QApplication, message boxes that
// fail the test on a box nobody expected, a stand-in for the main window, and a programs' folder
// of its own with an empty missions folder.

#include "mission_editor/files/editor_window.h"
#include "mission_editor/files/mission_paths.h"

#include "platform/text/text_file.h"
#include "platform/ui/message_boxes.h"

#include <QApplication>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace plotwright::testing {

// Created on first use and kept for the whole run.
inline void ensureApplication()
{
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "test_mission_files";
        static char* argv[] = {name, nullptr};
        static QApplication* app = new QApplication(argc, argv);
        (void)app;
    }
}

// What the dialogs asked of the main window.
class FakeEditor : public EditorWindow
{
public:
    void setEditorEnabled(bool on) override { enabled = on; }
    void setSaveButtonEnabled(bool on) override { saveButtonEnabled = on; }
    void selectMapEditMode() override { ++mapModeSelections; }
    void refreshFromModel() override { ++refreshes; }

    bool enabled = true;
    bool saveButtonEnabled = true;
    int mapModeSelections = 0;
    int refreshes = 0;
};

// A programs' folder in the temporary folder, removed afterwards.
class ProgramsFolder
{
public:
    ProgramsFolder()
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root =
            std::filesystem::temp_directory_path() / ("plotwright_" + std::string(test->test_suite_name()) +
                                                      "_" + test->name() + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root / "arquivos" / "campanha");
    }
    ~ProgramsFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }

    std::string path() const { return m_root.string(); }
    std::string mission(const std::string& name) const { return missionPath(path(), name).value_or(""); }
    bool exists(const std::string& name) const { return platform::text::fileExists(mission(name)); }
    std::string bytes(const std::string& name) const
    {
        std::string content;
        platform::text::readFile(mission(name), content);
        return content;
    }
    void put(const std::string& fileName, const std::string& content) const
    {
        ASSERT_TRUE(platform::text::writeFileAtomic(missionsFolder(path()) + "/" + fileName, content).ok);
    }

private:
    std::filesystem::path m_root;
};

// Base of the dialog tests.
class DialogTest : public ::testing::Test
{
protected:
    DialogTest()
    {
        ensureApplication();
        boxes.setFailureHook([](const std::string& failure) { ADD_FAILURE() << failure; });
    }

    platform::ui::ScriptedMessageBoxes boxes;
    FakeEditor editor;
    ProgramsFolder folder;
};

} // namespace plotwright::testing
