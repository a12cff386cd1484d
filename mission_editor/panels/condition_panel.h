#pragma once
// The condition panel: the mission's conditions "Cond NNN", each with its If lines (all must
// hold), its Do lines (done in order) and its run-once flag. It builds its controls inside the
// frame it is given and works on the mission model, whose rows are indexed by the condition's
// number, never by its place in the list.

#include "mission_editor/files/mission_model.h"
#include "mission_editor/script_panel.h"

#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/frame.h"
#include "platform/ui/list_box.h"
#include "platform/ui/option_group.h"
#include "platform/ui/text_box.h"

namespace plotwright {

namespace ui = platform::ui;

class ConditionPanel : public ScriptPanel
{
public:
    ConditionPanel(ui::Frame& ConditionEditBox, MissionModel& model);

    void formLoad() override;
    void showModel() override;
    void addPositionTargets(PositionTargets& targets) override;

    // The chosen part of the condition: 1 "Condition name", 2 "If (...) happened...",
    // 3 "...runs the task..." (0 when none is chosen).
    int condEdit() const;
    void chooseCondEdit(int index);

    // Event procedures.
    void AddCondition_Click();
    void CondNameList_Click();
    void XTimes_Click();
    void KillCondition_Click();
    void IfCombo_Click();
    void IfList_Click();
    void AddIf_Click();
    void KillIf_Click();
    void DoCombo_Click();
    void DoCombo_Change() { DoCombo_Click(); }
    void DoList_Click();
    void AddDo_Click();
    void KillDo_Click();
    void IfText_Click();
    void DoText_Click();

    // Number of the condition whose lines IfList and DoList show (0: none yet).
    int CurCond = 0;

    ui::Frame& Box;
    ui::OptionGroup CondEdit; // buttons 0 .. 2 are the choices 1 .. 3
    ui::CommandButton AddCondition;
    ui::CommandButton KillCondition;
    ui::ListBox CondNameList;
    ui::CheckBox XTimes;
    ui::ComboBox IfCombo;
    ui::TextBox IfText;
    ui::TextBox IfText2;
    ui::CommandButton AddIf;
    ui::CommandButton KillIf;
    ui::ListBox IfList;
    ui::ComboBox DoCombo;
    ui::TextBox DoText;
    ui::TextBox DoText2;
    ui::CommandButton AddDo;
    ui::CommandButton KillDo;
    ui::ListBox DoList;

private:
    void layOut();
    void connectEvents();
    void writeBack();
    bool conditionSelected() const;
    // Kind of a combo's chosen text (its first two characters), 0 when none is chosen.
    static int chosenKind(const ui::ComboBox& combo);
    // Removes the selected line of a list; false when none is selected.
    bool removeLine(ItemList& lines, ui::ListBox& box);

    MissionModel& m_model;
};

} // namespace plotwright
