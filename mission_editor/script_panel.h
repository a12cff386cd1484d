#pragma once
// How the scripting panels (animations, AI animations, conditions) hang on the main window.
//
// A panel builds its controls inside one of FormMain's panel frames (`AnimationEditBox`,
// `AnimationAIEditBox`, `ConditionEditBox`) and registers itself with FormMain::addPanel before
// the window is loaded. The window then calls it at the points below, and routes the map clicks
// of the animation and condition modes into the boxes that the panel names in PositionTargets.

#include <functional>

namespace platform::ui {
class CommandButton;
class ComboBox;
class TextBox;
} // namespace platform::ui

namespace plotwright {

// The panel boxes a click on the map fills, and the controls that say which box it is. Any
// pointer left null is simply not filled (or read as "nothing chosen").
struct PositionTargets
{
    // Edit animation: the clicked cell goes into the task's argument box.
    platform::ui::TextBox* TaskText2 = nullptr;
    // Edit AI animation: likewise for the AI task.
    platform::ui::TextBox* TaskAItext2 = nullptr;

    // Edit conditions: which part of the condition is edited, as the `CondEdit` option index
    // 1 "Condition name", 2 "If (...) happened...", 3 "...runs the task..." (0: none chosen).
    std::function<int()> CondEditChoice;
    platform::ui::ComboBox* IfCombo = nullptr;
    platform::ui::ComboBox* DoCombo = nullptr;
    platform::ui::TextBox* IfText = nullptr;
    platform::ui::TextBox* IfText2 = nullptr;
    platform::ui::TextBox* DoText = nullptr;
    platform::ui::TextBox* DoText2 = nullptr;
    platform::ui::CommandButton* AddIf = nullptr;
    platform::ui::CommandButton* AddDo = nullptr;
};

class ScriptPanel
{
public:
    virtual ~ScriptPanel() = default;

    // Start-up, in FormMain's load: fill the panel's code-table lists, select their start
    // entries and set the buttons' start states. Panels are called in the order registered.
    virtual void formLoad() {}

    // The model was replaced or reset from outside the panel (a mission opened, a new mission
    // made): show its lists again.
    virtual void showModel() {}

    // Adds the panel's boxes to the map-click targets. Called once, after formLoad.
    virtual void addPositionTargets(PositionTargets& /*targets*/) {}
};

} // namespace plotwright
