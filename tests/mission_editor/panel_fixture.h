#pragma once
// The editor's main window with its three scripting panels, started as the program starts it,
// and the steps an author takes on the panels.

#include "editor_fixture.h"

#include "mission_editor/files/file_dialogs.h"
#include "mission_editor/mouse_editing.h"
#include "mission_editor/panels/script_panels.h"

#include <memory>
#include <string>
#include <vector>

namespace editor_test {

using plotwright::AiAnimationPanel;
using plotwright::AnimationPanel;
using plotwright::ConditionPanel;
using plotwright::ScriptPanels;
using plotwright::TaskPanel;

class Panels : public Editor
{
protected:
    void TearDown() override
    {
        dialogs.reset();
        panels.reset();
        form.reset();
        Editor::TearDown();
    }

    // The window with its panels; with the open, save and settings dialogs on its buttons when
    // asked for.
    FormMain& startWithPanels(bool withDialogs = false)
    {
        makeForm();
        panels = std::make_unique<ScriptPanels>(*form);
        if (withDialogs) {
            dialogs = std::make_unique<plotwright::FileDialogs>(*form);
        }
        EXPECT_TRUE(form->Form_Load());
        form->Init();
        form->turn();
        return *form;
    }

    AnimationPanel& anim() { return panels->animation; }
    AiAnimationPanel& ai() { return panels->aiAnimation; }
    ConditionPanel& cond() { return panels->conditions; }

    static void replaceText(ui::TextBox& box, const std::string& text)
    {
        box.selectAll();
        user::type(box, text);
    }

    // Types a name and inserts the animation.
    static void insertAnimation(TaskPanel& panel, const std::string& name)
    {
        user::click(panel.NameText);
        user::type(panel.NameText, name);
        user::click(panel.AddAnimation);
    }

    // Chooses a kind (its code), types the frame and, for a kind that takes one, the argument
    // (a locked cell box is filled as a map click fills it), then inserts the line.
    static void insertTask(TaskPanel& panel, int kind, const std::string& frame,
                           const std::string& argument = {})
    {
        user::choose(panel.TaskCombo, kind - 1);
        if (panel.TaskText1.visible()) {
            user::click(panel.TaskText1);
            user::type(panel.TaskText1, frame);
        }
        if (panel.TaskText2.visible() && !argument.empty()) {
            if (panel.TaskText2.locked()) {
                panel.TaskText2.setText(argument);
            } else {
                replaceText(panel.TaskText2, argument);
            }
        }
        user::click(panel.AddTask);
    }

    // The stored lines of a slot, up to the first empty one.
    static std::vector<std::string> slotLines(const plotwright::Grid<std::string>& lines, int slot)
    {
        std::vector<std::string> result;
        for (int line = 1; line <= plotwright::MaxTaskLines && !lines(slot, line).empty(); ++line) {
            result.push_back(lines(slot, line));
        }
        return result;
    }

    // Chooses the edit mode as the user does.
    void chooseMode(int mode) { user::click(form->EditMode[mode]); }

    std::unique_ptr<ScriptPanels> panels;
    std::unique_ptr<plotwright::FileDialogs> dialogs;
};

} // namespace editor_test
