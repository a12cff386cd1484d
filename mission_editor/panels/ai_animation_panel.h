#pragma once
// The AI-animation panel: the AI animations that enemies run, and their task lines. It works as
// the scripted-animation panel does, with its own kinds, prompts and controls.

#include "mission_editor/panels/task_panel.h"

namespace plotwright {

class AiAnimationPanel : public TaskPanel
{
public:
    AiAnimationPanel(ui::Frame& AnimationAIEditBox, MissionModel& model)
        : TaskPanel(AnimationAIEditBox, model, TaskTable::Ai)
    {
    }

    void AddAIAnimation_Click() { AddAnimation_Click(); }
    void KillAIAnimation_Click() { KillAnimation_Click(); }
    void AnimationAIList_Click() { AnimationList_Click(); }
    void TaskAICombo_Click() { TaskCombo_Click(); }
    void AddAITask_Click() { AddTask_Click(); }
    void ChangeAIButton_Click() { ChangeButton_Click(); }
    void KillAITask_Click() { KillTask_Click(); }
    void TaskAIList_Click() { TaskList_Click(); }
    void NameAiText_Click() { NameText_Click(); }
    void TaskAItext1_Click() { TaskText1_Click(); }

    // The panel's controls under their own names.
    ui::TextBox& NameAiText = NameText;
    ui::CommandButton& AddAIAnimation = AddAnimation;
    ui::CommandButton& KillAIAnimation = KillAnimation;
    ui::ListBox& AnimationAIList = AnimationList;
    ui::ComboBox& TaskAICombo = TaskCombo;
    ui::Label& TaskAILabel1 = TaskLabel1;
    ui::TextBox& TaskAItext1 = TaskText1;
    ui::Label& TaskAILabel2 = TaskLabel2;
    ui::TextBox& TaskAItext2 = TaskText2;
    ui::CommandButton& AddAITask = AddTask;
    ui::CommandButton& ChangeAIButton = ChangeButton;
    ui::CommandButton& KillAITask = KillTask;
    ui::ListBox& TaskAIList = TaskList;
    std::string& CurAiAnimName = CurAnimName;
};

} // namespace plotwright
