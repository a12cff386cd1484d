#pragma once
// The panel on which the author names animations and writes their task lines: used for the
// scripted animations and, with its own kind table and texts, for the enemies' AI animations.
// It builds its controls inside the frame it is given and works on the mission model: the names
// in their slots, the lines of each slot, and the model's lists that its list boxes show.

#include "mission_editor/files/mission_model.h"
#include "mission_editor/panels/task_lines.h"
#include "mission_editor/script_panel.h"

#include "platform/ui/combo_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/text_box.h"

#include <string>

namespace plotwright {

namespace ui = platform::ui;

class TaskPanel : public ScriptPanel
{
public:
    TaskPanel(ui::Frame& frame, MissionModel& model, TaskTable table);

    void formLoad() override;
    void showModel() override;
    void addPositionTargets(PositionTargets& targets) override;

    // Event procedures.
    void AddAnimation_Click();
    void KillAnimation_Click();
    void AnimationList_Click();
    void TaskCombo_Click();
    void AddTask_Click();
    void ChangeButton_Click();
    void KillTask_Click();
    void TaskList_Click();
    void NameText_Click();
    void TaskText1_Click();

    // The name of the animation last looked up.
    std::string CurAnimName;

    ui::Frame& Box;
    ui::Label NameLabel;
    ui::TextBox NameText;
    ui::CommandButton AddAnimation;
    ui::CommandButton KillAnimation;
    ui::ListBox AnimationList;
    ui::Label TaskComboLabel;
    ui::ComboBox TaskCombo;
    ui::Label TaskLabel1;
    ui::TextBox TaskText1;
    ui::Label TaskLabel2;
    ui::TextBox TaskText2;
    ui::CommandButton AddTask;
    ui::CommandButton ChangeButton;
    ui::CommandButton KillTask;
    ui::Label TaskListLabel;
    ui::ListBox TaskList;

private:
    void layOut();
    void connectEvents();
    // The animation that an insert or an alteration works on: the selected one, or the first.
    void lookUpCurrent();
    void writeBack();
    void animationButtonStates();
    void enableAddTask();
    int chosenKind() const;
    void applyNumberRule();
    std::string duplicateNameMessage() const;

    MissionModel& m_model;
    TaskTable m_table;
    std::vector<std::string>& m_names;
    Grid<std::string>& m_lines;
    int& m_current;
    ItemList& m_animations;
    ItemList& m_tasks;
    // Slot whose lines the task list shows (-1: none, after an animation was removed).
    int m_shownSlot = 0;
};

} // namespace plotwright
