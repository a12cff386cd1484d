#pragma once
// The scripted-animation panel: the mission's scripted animations and their task lines.

#include "mission_editor/panels/task_panel.h"

namespace plotwright {

class AnimationPanel : public TaskPanel
{
public:
    AnimationPanel(ui::Frame& AnimationEditBox, MissionModel& model)
        : TaskPanel(AnimationEditBox, model, TaskTable::Scripted)
    {
    }

    void TaskCombo_Change() { TaskCombo_Click(); }
    void TaskText2_Change() {}
};

} // namespace plotwright
