#include "mission_editor/panels/task_panel.h"

#include "mission_editor/files/code_tables.h"
#include "mission_editor/files/mission_writer.h"
#include "mission_editor/panels/list_mirror.h"

#include "platform/text/codepage.h"
#include "platform/text/vb.h"
#include "platform/ui/message_boxes.h"

namespace plotwright {

namespace {

constexpr const char* TaskListTip = "Quadro, Tipo da tarefa, Item1, Item2 ";
constexpr const char* FramePrompt = "Execute in frame:";
constexpr const char* NumberText = "Number";

bool isScripted(TaskTable table)
{
    return table == TaskTable::Scripted;
}

} // namespace

TaskPanel::TaskPanel(ui::Frame& frame, MissionModel& model, TaskTable table)
    : Box(frame), NameLabel(frame, isScripted(table) ? "Animarion name" : "AI Animarion name"),
      NameText(frame), AddAnimation(frame, "Insert Anim "), KillAnimation(frame, "Kill Anim"),
      AnimationList(frame, ui::ListBox::Order::AsAdded),
      TaskComboLabel(frame, isScripted(table) ? "Task" : "AI Task"), TaskCombo(frame), TaskLabel1(frame),
      TaskText1(frame), TaskLabel2(frame), TaskText2(frame), AddTask(frame, "Insert Task "),
      ChangeButton(frame, "Alter Task"), KillTask(frame, "Kill Task"),
      TaskListLabel(frame, isScripted(table) ? "Task List" : "AI Task List"),
      TaskList(frame, ui::ListBox::Order::Sorted), m_model(model), m_table(table),
      m_names(isScripted(table) ? model.AnimName : model.AiAnimName),
      m_lines(isScripted(table) ? model.AnimTask : model.AiAnimTask),
      m_current(isScripted(table) ? model.CurAnim : model.CurAiAnim),
      m_animations(isScripted(table) ? model.AnimationList : model.AnimationAIList),
      m_tasks(isScripted(table) ? model.TaskList : model.TaskAIList), m_shownSlot(m_current)
{
    Box.setCaption(isScripted(table) ? "Animation field" : "AI Animation Control field");
    NameText.setText("Animation");
    TaskList.setToolTipText(TaskListTip);
    layOut();
    connectEvents();
}

// Three columns: the animations, the task being written, the animation's lines.
void TaskPanel::layOut()
{
    constexpr int row = 24;
    constexpr int button = 25;
    NameLabel.move(10, 20, 200, 16);
    NameText.move(10, 38, 200, 22);
    AddAnimation.move(10, 64, 98, button);
    KillAnimation.move(112, 64, 98, button);
    AnimationList.move(10, 94, 200, 106);

    TaskComboLabel.move(222, 20, 260, 16);
    TaskCombo.move(222, 38, 260, row);
    TaskLabel1.move(222, 70, 135, 16);
    TaskText1.move(222, 88, 135, 22);
    TaskLabel2.move(222, 116, 260, 16);
    TaskText2.move(222, 134, 260, 22);
    AddTask.move(222, 170, 84, button);
    ChangeButton.move(310, 170, 84, button);
    KillTask.move(398, 170, 84, button);

    TaskListLabel.move(495, 20, 285, 16);
    TaskList.move(495, 38, 285, 162);
}

void TaskPanel::connectEvents()
{
    AddAnimation.onClick = [this] { AddAnimation_Click(); };
    KillAnimation.onClick = [this] { KillAnimation_Click(); };
    AnimationList.onClick = [this] { AnimationList_Click(); };
    TaskCombo.onClick = [this] { TaskCombo_Click(); };
    AddTask.onClick = [this] { AddTask_Click(); };
    ChangeButton.onClick = [this] { ChangeButton_Click(); };
    KillTask.onClick = [this] { KillTask_Click(); };
    TaskList.onClick = [this] { TaskList_Click(); };
    NameText.onClick = [this] { NameText_Click(); };
    TaskText1.onClick = [this] { TaskText1_Click(); };
}

void TaskPanel::formLoad()
{
    if (m_animations.empty()) {
        AddTask.setEnabled(false);
        KillTask.setEnabled(false);
    }
    ChangeButton.setEnabled(false);
    TaskCombo.clear();
    const int kinds = taskKindCount(m_table);
    for (int i = 0; i < kinds; ++i) {
        TaskCombo.addItem(
            std::string(isScripted(m_table) ? entryAt(TaskKindTexts, i) : entryAt(AiTaskKindTexts, i)));
    }
    TaskCombo.setListIndex(isScripted(m_table) ? StartSelection::TaskCombo : StartSelection::TaskAICombo);
}

void TaskPanel::showModel()
{
    showEntries(m_animations, AnimationList);
    showEntries(m_tasks, TaskList);
    if (m_animations.empty()) {
        // Lines written while no animation exists belong to none.
        m_current = 0;
    }
    m_shownSlot = m_current;
    if (!m_animations.empty()) {
        AnimationList.setListIndex(0);
    }
    animationButtonStates();
    KillTask.setEnabled(!m_tasks.empty());
}

void TaskPanel::addPositionTargets(PositionTargets& targets)
{
    if (isScripted(m_table)) {
        targets.TaskText2 = &TaskText2;
    } else {
        targets.TaskAItext2 = &TaskText2;
    }
}

std::string TaskPanel::duplicateNameMessage() const
{
    return isScripted(m_table) ? "Already have an animation with this name."
                               : "Already have an AI animation with this name.";
}

void TaskPanel::animationButtonStates()
{
    if (m_animations.empty()) {
        AddTask.setEnabled(false);
        KillTask.setEnabled(false);
        ChangeButton.setEnabled(false);
    } else {
        enableAddTask();
    }
    if (m_tasks.empty()) {
        ChangeButton.setEnabled(false);
    }
}

void TaskPanel::enableAddTask()
{
    // A line is only inserted of a kind the author can choose: while the kind list is locked
    // (after an animation was removed, until the next is inserted) so is Insert Task.
    AddTask.setEnabled(TaskCombo.enabled());
}

void TaskPanel::AddAnimation_Click()
{
    const std::string name = NameText.text();
    if (!fitsQuotedText(name)) {
        // Conditions name the animation inside their quoted lines.
        ui::msgBox(QuoteInTextMessage, ui::MsgButtons::Ok, ui::MsgIcon::Critical, "Editor");
    } else if (!name.empty()) {
        int slot = 0;
        for (int s = 1; s <= MaxAnimations; ++s) {
            if (m_names[s].empty()) {
                slot = s;
                break;
            }
        }
        if (slot != 0) {
            bool taken = false;
            for (int s = 1; s <= MaxAnimations; ++s) {
                if (!m_names[s].empty() && platform::text::compareNoCase(m_names[s], name) == 0) {
                    taken = true;
                    break;
                }
            }
            if (taken) {
                ui::msgBox(duplicateNameMessage(), ui::MsgButtons::Ok, ui::MsgIcon::Critical, "Editor");
                NameText.setText("");
                NameText.setFocus();
            } else {
                m_names[slot] = name;
                addEntry(m_animations, AnimationList, name);
                TaskCombo.setEnabled(true);
                NameText.setText("");
                m_model.Modified = true;
            }
        }
    }
    animationButtonStates();
}

void TaskPanel::KillAnimation_Click()
{
    const int selected = AnimationList.listIndex();
    if (selected < 0 || selected >= m_animations.count()) {
        return;
    }
    const std::string name = m_animations.at(selected);
    removeEntry(m_animations, AnimationList, selected);
    clearEntries(m_tasks, TaskList);
    m_shownSlot = -1;
    for (int s = 1; s <= MaxAnimations; ++s) {
        if (m_names[s] == name) {
            m_names[s].clear();
            for (int line = 1; line <= MaxTaskLines; ++line) {
                m_lines(s, line).clear();
            }
            break;
        }
    }
    m_model.Modified = true;
    TaskCombo.setEnabled(false);
    animationButtonStates();
    ChangeButton.setEnabled(false);
}

void TaskPanel::AnimationList_Click()
{
    if (!m_tasks.empty()) {
        writeBack();
        clearEntries(m_tasks, TaskList);
    }
    CurAnimName = AnimationList.text();
    if (!CurAnimName.empty()) {
        for (int s = 1; s <= MaxAnimations; ++s) {
            if (m_names[s] == CurAnimName) {
                m_current = s;
                for (int line = 1; line <= MaxTaskLines && !m_lines(s, line).empty(); ++line) {
                    addEntry(m_tasks, TaskList, m_lines(s, line));
                }
                break;
            }
        }
    }
    m_shownSlot = m_current;
    if (m_tasks.empty()) {
        ChangeButton.setEnabled(false);
    }
}

void TaskPanel::lookUpCurrent()
{
    if (m_animations.empty()) {
        CurAnimName.clear();
        m_current = 0;
        return;
    }
    const int selected = AnimationList.listIndex();
    const int position = selected >= 0 && selected < m_animations.count() ? selected : 0;
    const std::string name = m_animations.at(position);
    int slot = m_current;
    for (int s = 1; s <= MaxAnimations; ++s) {
        if (m_names[s] == name) {
            slot = s;
        }
    }
    if (slot != m_shownSlot) {
        // The list shows no lines of that animation (none are shown after a removal): show its
        // own lines first, so that writing the list back keeps them.
        AnimationList.setListIndex(position);
    }
    CurAnimName = name;
    m_current = slot;
}

void TaskPanel::writeBack()
{
    if (isScripted(m_table)) {
        m_model.storeTaskList();
    } else {
        m_model.storeTaskAIList();
    }
}

int TaskPanel::chosenKind() const
{
    const int index = TaskCombo.listIndex();
    return index >= 0 ? index + 1 : 0;
}

void TaskPanel::applyNumberRule()
{
    if (vb::val(TaskText1.text()) == 0) {
        TaskText1.setText(NumberText);
    }
}

void TaskPanel::TaskCombo_Click()
{
    enableAddTask();
    TaskText1.show();
    TaskText2.show();
    TaskText2.setLocked(false);
    const std::optional<TaskArgument> argument = taskArgument(m_table, chosenKind());
    if (argument) {
        switch (*argument) {
        case TaskArgument::Cell:
            TaskLabel1.setCaption(FramePrompt);
            applyNumberRule();
            TaskLabel2.setCaption("Position:");
            TaskText2.setText("01,01");
            TaskText2.setLocked(true);
            break;
        case TaskArgument::Text:
            TaskLabel1.setCaption(FramePrompt);
            applyNumberRule();
            TaskLabel2.setCaption(isScripted(m_table) ? "Menssage" : "Message");
            TaskText2.setText("Text");
            break;
        case TaskArgument::Victory:
        case TaskArgument::Defeat:
            TaskLabel1.setCaption("");
            applyNumberRule();
            TaskText1.hide();
            TaskLabel2.setCaption("");
            TaskText2.setText("");
            TaskText2.hide();
            break;
        case TaskArgument::None:
            TaskLabel1.setCaption(FramePrompt);
            applyNumberRule();
            TaskLabel2.setCaption("");
            TaskText2.hide();
            break;
        }
    }
    TaskText1.setEnabled(true);
    TaskText2.setEnabled(true);
}

void TaskPanel::AddTask_Click()
{
    if (m_tasks.count() >= MaxTaskLines) {
        return;
    }
    ChangeButton.setEnabled(false);
    lookUpCurrent();
    const int kind = chosenKind();
    const std::string line = taskLine(m_table, kind, TaskText1.text(), TaskText2.text());
    if (kind != 0 && !fitsQuotedText(line)) {
        ui::msgBox(QuoteInTextMessage, ui::MsgButtons::Ok, ui::MsgIcon::Critical, "Editor");
    } else if (kind != 0) {
        std::optional<std::string> refusal;
        if (kind == 6 || kind == 7) {
            refusal = endEventRefusal(m_tasks.items(), kind, true);
        }
        if (refusal) {
            ui::msgBox(*refusal, ui::MsgButtons::Ok, ui::MsgIcon::Information, "Editor");
        } else {
            addEntry(m_tasks, TaskList, line);
            m_model.Modified = true;
            KillTask.setEnabled(true);
        }
    }
    writeBack();
    m_shownSlot = m_current;
}

void TaskPanel::ChangeButton_Click()
{
    ChangeButton.setEnabled(false);
    lookUpCurrent();
    const int kind = chosenKind();
    if (kind == 0) {
        return;
    }
    const std::string line = taskLine(m_table, kind, TaskText1.text(), TaskText2.text());
    if (!fitsQuotedText(line)) {
        ui::msgBox(QuoteInTextMessage, ui::MsgButtons::Ok, ui::MsgIcon::Critical, "Editor");
        return;
    }
    if (kind == 6 || kind == 7) {
        if (const std::optional<std::string> refusal = endEventRefusal(m_tasks.items(), kind, false)) {
            ui::msgBox(*refusal, ui::MsgButtons::Ok, ui::MsgIcon::Information, "Editor");
            return;
        }
    }
    const int selected = TaskList.listIndex();
    if (selected < 0 || selected >= m_tasks.count()) {
        return;
    }
    replaceEntry(m_tasks, TaskList, selected, line);
    m_model.Modified = true;
    KillTask.setEnabled(!m_tasks.empty());
}

void TaskPanel::KillTask_Click()
{
    const int selected = TaskList.listIndex();
    if (selected >= 0 && selected < m_tasks.count()) {
        removeEntry(m_tasks, TaskList, selected);
        m_model.Modified = true;
        ChangeButton.setEnabled(false);
    }
    KillTask.setEnabled(!m_tasks.empty());
    writeBack();
}

void TaskPanel::TaskList_Click()
{
    const int selected = TaskList.listIndex();
    if (selected < 0 || selected >= m_tasks.count()) {
        return;
    }
    TaskText1.setEnabled(true);
    TaskText2.setEnabled(true);
    ChangeButton.setEnabled(true);
    KillTask.setEnabled(true);
    const TaskLineFields fields = splitTaskLine(m_table, m_tasks.at(selected));
    if (!taskArgument(m_table, fields.kind)) {
        // A line of a kind this editor does not know: nothing to show; it can still be removed
        // or replaced.
        TaskText1.setText("");
        TaskText2.setText("");
        return;
    }
    TaskText1.setText(fields.frame);
    TaskCombo.setListIndex(fields.kind - 1);
    if (fields.argument) {
        TaskText2.setText(*fields.argument);
    }
    if (fields.frameAgain) {
        TaskText1.setText(fields.frame);
    }
}

void TaskPanel::NameText_Click()
{
    NameText.setText("");
}

void TaskPanel::TaskText1_Click()
{
    TaskText1.selectAll();
}

} // namespace plotwright
