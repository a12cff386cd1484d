#include "mission_editor/panels/condition_panel.h"

#include "mission_editor/files/code_tables.h"
#include "mission_editor/files/mission_writer.h"
#include "mission_editor/panels/condition_lines.h"
#include "mission_editor/panels/list_mirror.h"

#include "platform/text/vb.h"
#include "platform/ui/message_boxes.h"

#include <optional>

namespace plotwright {

namespace {

constexpr const char* EnemyTip = "Click on enemy";

// The number a list text's first two characters form.
int kindOfText(std::string_view text)
{
    const double value = vb::val(vb::left(text, 2));
    return value >= 0 && value < 100 ? static_cast<int>(value) : 0;
}

// The name of a list that equals `text` ignoring letter case, spelled as in the list.
std::optional<std::string> listedName(const ItemList& names, std::string_view text)
{
    const int position = names.indexOfNoCase(text);
    if (position < 0) {
        return std::nullopt;
    }
    return names.at(position);
}

void showMessage(const char* text, ui::MsgIcon icon)
{
    ui::msgBox(text, ui::MsgButtons::Ok, icon, "Editor");
}

// Kinds whose value is a cell, object or enemy that only a map click gives (the box is locked):
// If 02, 04, 05, 07 and 08 (the enemy and the cell), Do 08, 09 and 10. A line of such a kind is
// never inserted with that part empty: the game could never find what it names.
bool ifTakesMapPick(int kind)
{
    return kind == 2 || kind == 4 || kind == 5 || kind == 7 || kind == 8;
}

bool doTakesMapPick(int kind)
{
    return kind == 8 || kind == 9 || kind == 10;
}

} // namespace

ConditionPanel::ConditionPanel(ui::Frame& ConditionEditBox, MissionModel& model)
    : Box(ConditionEditBox), AddCondition(ConditionEditBox, "Insert Cond "),
      KillCondition(ConditionEditBox, "Kill Cond"),
      CondNameList(ConditionEditBox, ui::ListBox::Order::Sorted),
      XTimes(ConditionEditBox, "This condition will run once"), IfCombo(ConditionEditBox),
      IfText(ConditionEditBox), IfText2(ConditionEditBox), AddIf(ConditionEditBox, "Insert If"),
      KillIf(ConditionEditBox, "Kill If"), IfList(ConditionEditBox, ui::ListBox::Order::Sorted),
      DoCombo(ConditionEditBox), DoText(ConditionEditBox), DoText2(ConditionEditBox),
      AddDo(ConditionEditBox, "Insert Task"), KillDo(ConditionEditBox, "Kill Task"),
      DoList(ConditionEditBox, ui::ListBox::Order::Sorted), m_model(model)
{
    Box.setCaption("Condition field");
    CondEdit.add(ConditionEditBox, "Condition name");
    CondEdit.add(ConditionEditBox, "If (...) happened...");
    CondEdit.add(ConditionEditBox, "...runs the task...");
    DoText2.setToolTipText(EnemyTip);
    // The enemy and the cell of the locked kinds come from clicks on the map.
    IfText2.setLocked(true);
    DoText2.setLocked(true);
    IfText2.hide();
    DoText2.hide();
    layOut();
    connectEvents();
    chooseCondEdit(1);
}

// Three columns: the conditions, their If part, their Do part.
void ConditionPanel::layOut()
{
    constexpr int button = 25;
    CondEdit[0].move(10, 18, 200, 20);
    AddCondition.move(10, 42, 98, button);
    KillCondition.move(112, 42, 98, button);
    CondNameList.move(10, 72, 200, 102);
    XTimes.move(10, 180, 200, 20);

    CondEdit[1].move(222, 18, 275, 20);
    IfCombo.move(222, 42, 275, 24);
    IfText.move(222, 72, 135, 22);
    IfText2.move(362, 72, 135, 22);
    AddIf.move(222, 100, 135, button);
    KillIf.move(362, 100, 135, button);
    IfList.move(222, 130, 275, 70);

    CondEdit[2].move(507, 18, 275, 20);
    DoCombo.move(507, 42, 275, 24);
    DoText.move(507, 72, 180, 22);
    DoText2.move(692, 72, 90, 22);
    AddDo.move(507, 100, 135, button);
    KillDo.move(647, 100, 135, button);
    DoList.move(507, 130, 275, 70);
}

void ConditionPanel::connectEvents()
{
    AddCondition.onClick = [this] { AddCondition_Click(); };
    KillCondition.onClick = [this] { KillCondition_Click(); };
    CondNameList.onClick = [this] { CondNameList_Click(); };
    XTimes.onClick = [this] { XTimes_Click(); };
    IfCombo.onClick = [this] { IfCombo_Click(); };
    IfList.onClick = [this] { IfList_Click(); };
    AddIf.onClick = [this] { AddIf_Click(); };
    KillIf.onClick = [this] { KillIf_Click(); };
    DoCombo.onClick = [this] { DoCombo_Click(); };
    DoList.onClick = [this] { DoList_Click(); };
    AddDo.onClick = [this] { AddDo_Click(); };
    KillDo.onClick = [this] { KillDo_Click(); };
    IfText.onClick = [this] { IfText_Click(); };
    DoText.onClick = [this] { DoText_Click(); };
}

void ConditionPanel::formLoad()
{
    IfCombo.clear();
    for (const std::string_view text : IfKindTexts) {
        IfCombo.addItem(std::string(text));
    }
    DoCombo.clear();
    for (const std::string_view text : DoKindTexts) {
        DoCombo.addItem(std::string(text));
    }
    for (ui::CommandButton* button : {&AddIf, &KillIf, &AddDo, &KillDo}) {
        button->setEnabled(false);
    }
}

void ConditionPanel::showModel()
{
    showEntries(m_model.CondNameList, CondNameList);
    showEntries(m_model.IfList, IfList);
    showEntries(m_model.DoList, DoList);
    if (m_model.CondNameList.empty()) {
        // No condition of this mission is shown; nothing may be written into the rows of one.
        CurCond = 0;
        for (ui::CommandButton* button : {&AddIf, &KillIf, &AddDo, &KillDo}) {
            button->setEnabled(false);
        }
        return;
    }
    CondNameList.setListIndex(0);
}

void ConditionPanel::addPositionTargets(PositionTargets& targets)
{
    targets.CondEditChoice = [this] { return condEdit(); };
    targets.IfCombo = &IfCombo;
    targets.DoCombo = &DoCombo;
    targets.IfText = &IfText;
    targets.IfText2 = &IfText2;
    targets.DoText = &DoText;
    targets.DoText2 = &DoText2;
    targets.AddIf = &AddIf;
    targets.AddDo = &AddDo;
}

int ConditionPanel::condEdit() const
{
    const int chosen = CondEdit.value();
    return chosen >= 0 ? chosen + 1 : 0;
}

void ConditionPanel::chooseCondEdit(int index)
{
    CondEdit.setValue(index - 1);
}

bool ConditionPanel::conditionSelected() const
{
    const int selected = CondNameList.listIndex();
    return selected >= 0 && selected < m_model.CondNameList.count();
}

int ConditionPanel::chosenKind(const ui::ComboBox& combo)
{
    return combo.listIndex() >= 0 ? kindOfText(combo.text()) : 0;
}

void ConditionPanel::writeBack()
{
    if (CurCond < 0 || CurCond > MaxConditions) {
        return;
    }
    for (int i = 1; i <= m_model.IfList.count() && i <= MaxConditionLines; ++i) {
        m_model.CondIf(CurCond, i) = m_model.IfList.at(i - 1);
    }
    for (int i = 1; i <= m_model.DoList.count() && i <= MaxConditionLines; ++i) {
        m_model.CondDo(CurCond, i) = m_model.DoList.at(i - 1);
    }
}

void ConditionPanel::AddCondition_Click()
{
    if (m_model.CondNameList.count() >= MaxConditions) {
        return;
    }
    chooseCondEdit(1);
    const int n = firstFreeCondition(m_model.CondNameList);
    for (int line = 1; line <= MaxConditionLines; ++line) {
        m_model.CondIf(n, line).clear();
        m_model.CondDo(n, line).clear();
    }
    m_model.CondOnce[n] = 1;
    clearEntries(m_model.IfList, IfList);
    clearEntries(m_model.DoList, DoList);
    IfText.setText("");
    DoText.setText("");
    const int position = addEntry(m_model.CondNameList, CondNameList, conditionName(n));
    CondNameList.setListIndex(position);
    XTimes.setValue(1);
    IfCombo.setEnabled(true);
    DoCombo.setEnabled(true);
    m_model.Modified = true;
}

void ConditionPanel::CondNameList_Click()
{
    IfText.setText("");
    DoText.setText("");
    chooseCondEdit(1);
    writeBack();
    const int number = conditionNumber(CondNameList.text());
    if (number == 0) {
        return;
    }
    CurCond = number;
    XTimes.setValue(m_model.CondOnce[CurCond] == 1 ? 1 : 0);
    clearEntries(m_model.IfList, IfList);
    clearEntries(m_model.DoList, DoList);
    for (int line = 1; line <= MaxConditionLines; ++line) {
        if (!m_model.CondIf(CurCond, line).empty()) {
            addEntry(m_model.IfList, IfList, m_model.CondIf(CurCond, line));
        }
    }
    for (int line = 1; line <= MaxConditionLines; ++line) {
        if (!m_model.CondDo(CurCond, line).empty()) {
            addEntry(m_model.DoList, DoList, m_model.CondDo(CurCond, line));
        }
    }
    if (!m_model.IfList.empty()) {
        IfList.setListIndex(0);
    }
    if (!m_model.DoList.empty()) {
        DoList.setListIndex(0);
    }
}

void ConditionPanel::XTimes_Click()
{
    chooseCondEdit(1);
    if (!conditionSelected() || CurCond < 1 || CurCond > MaxConditions) {
        return;
    }
    const int once = XTimes.value() != 0 ? 1 : 0;
    if (m_model.CondOnce[CurCond] != once) {
        m_model.CondOnce[CurCond] = once;
        // The author changed the mission: closing must not lose it unasked.
        m_model.Modified = true;
    }
}

void ConditionPanel::KillCondition_Click()
{
    chooseCondEdit(1);
    if (conditionSelected()) {
        IfText.setText("");
        DoText.setText("");
        removeEntry(m_model.CondNameList, CondNameList, CondNameList.listIndex());
        CondNameList.setListIndex(-1);
        m_model.Modified = true;
    }
    if (m_model.CondNameList.empty()) {
        for (ui::CommandButton* button : {&AddIf, &KillIf, &AddDo, &KillDo}) {
            button->setEnabled(false);
        }
    }
    writeBack();
}

void ConditionPanel::IfCombo_Click()
{
    if (m_model.CondNameList.empty()) {
        return;
    }
    chooseCondEdit(2);
    IfText2.hide();
    switch (chosenKind(IfCombo)) {
    case 1:
    case 3:
    case 6:
        AddIf.setEnabled(true);
        IfText.setLocked(false);
        break;
    case 2:
    case 4:
    case 5:
    case 7:
        AddIf.setEnabled(false);
        IfText.setLocked(true);
        break;
    case 8:
        AddIf.setEnabled(false);
        IfText.setLocked(true);
        IfText2.show();
        break;
    default:
        break;
    }
    IfText.setText("");
    IfText2.setText("");
}

void ConditionPanel::IfList_Click()
{
    const int selected = IfList.listIndex();
    if (selected < 0 || selected >= m_model.IfList.count()) {
        return;
    }
    chooseCondEdit(2);
    KillIf.setEnabled(true);
    const std::string line = m_model.IfList.at(selected);
    const int kind = kindOfText(line);
    if (kind < 1 || kind > static_cast<int>(IfKindTexts.size())) {
        // A line of a kind this editor does not know: nothing to show; it can still be removed.
        IfText.setText("");
        IfText2.setText("");
        return;
    }
    IfCombo.setListIndex(kind - 1);
    if (kind == 8) {
        IfText.setText(vb::mid(line, 4, 5));
        IfText2.setText(vb::mid(line, 10, 5));
    } else {
        IfText.setText(vb::mid(line, 4));
    }
}

void ConditionPanel::AddIf_Click()
{
    chooseCondEdit(2);
    const int kind = chosenKind(IfCombo);
    if (kind != 0 && conditionSelected() && m_model.IfList.count() < MaxConditionLines) {
        const std::string code = vb::zeroPad(IfCombo.listIndex() + 1, 2);
        std::optional<std::string> value;
        switch (kind) {
        case 1:
        case 6:
            value = countedIfValue(kind, IfText.text());
            break;
        case 3:
            value = listedName(m_model.AnimationList, IfText.text());
            if (!value) {
                showMessage(AnimationNotFoundMessage, ui::MsgIcon::None);
            }
            break;
        case 8:
            if (!IfText.text().empty() && !IfText2.text().empty()) {
                value = IfText.text() + "," + IfText2.text();
            }
            break;
        default:
            // The cell, object or enemy that a map click put into the box.
            if (!IfText.text().empty()) {
                value = IfText.text();
            }
            break;
        }
        if (value) {
            const std::string line = code + "," + *value;
            if (m_model.IfList.indexOf(line) >= 0) {
                showMessage(DuplicateIfMessage, ui::MsgIcon::Exclamation);
            } else {
                addEntry(m_model.IfList, IfList, line);
                IfText.setText("");
                if (kind == 8) {
                    IfText2.setText("");
                }
                if (ifTakesMapPick(kind)) {
                    AddIf.setEnabled(false); // until a map click fills the box again
                }
                m_model.Modified = true;
            }
        }
    }
    chooseCondEdit(1);
    writeBack();
}

bool ConditionPanel::removeLine(ItemList& lines, ui::ListBox& box)
{
    const int selected = box.listIndex();
    if (selected < 0 || selected >= lines.count()) {
        return false;
    }
    removeEntry(lines, box, selected);
    m_model.Modified = true;
    return true;
}

void ConditionPanel::KillIf_Click()
{
    chooseCondEdit(2);
    removeLine(m_model.IfList, IfList);
    chooseCondEdit(1);
    // The rows hold the list's lines and nothing after them.
    writeBack();
    if (CurCond >= 0 && CurCond <= MaxConditions) {
        for (int line = m_model.IfList.count() + 1; line <= MaxConditionLines; ++line) {
            m_model.CondIf(CurCond, line).clear();
        }
    }
}

void ConditionPanel::KillDo_Click()
{
    chooseCondEdit(3);
    if (removeLine(m_model.DoList, DoList)) {
        KillDo.setEnabled(false);
    }
    writeBack();
    if (CurCond >= 0 && CurCond <= MaxConditions) {
        for (int line = m_model.DoList.count() + 1; line <= MaxConditionLines; ++line) {
            m_model.CondDo(CurCond, line).clear();
        }
    }
}

void ConditionPanel::DoCombo_Click()
{
    if (m_model.CondNameList.empty()) {
        return;
    }
    chooseCondEdit(3);
    DoText.setLocked(false);
    DoText2.hide();
    DoText.setText("");
    DoText2.setText("");
    AddDo.setEnabled(true);
    switch (chosenKind(DoCombo)) {
    case 1:
    case 2:
        DoText.show();
        DoText.setToolTipText("Write a message");
        break;
    case 3:
    case 4:
    case 7:
        DoText.hide();
        DoText.setToolTipText("");
        break;
    case 5:
    case 6:
        DoText.show();
        DoText.setToolTipText("Write an existing animation name");
        break;
    case 8:
        DoText.show();
        DoText.setLocked(true);
        AddDo.setEnabled(false);
        DoText.setToolTipText("");
        break;
    case 9:
    case 10:
        DoText.show();
        DoText.setLocked(true);
        AddDo.setEnabled(false);
        DoText.setToolTipText(EnemyTip);
        break;
    case 11:
        DoText.show();
        DoText2.show();
        DoText.setToolTipText("Write an existing AI animation name");
        break;
    default:
        break;
    }
}

void ConditionPanel::DoList_Click()
{
    const int selected = DoList.listIndex();
    if (selected < 0 || selected >= m_model.DoList.count()) {
        return;
    }
    chooseCondEdit(3);
    KillDo.setEnabled(true);
    const std::string line = m_model.DoList.at(selected);
    const int kind = kindOfText(line);
    if (kind < 1 || kind > static_cast<int>(DoKindTexts.size())) {
        // A line of a kind this editor does not know: nothing to show; it can still be removed.
        DoText.setText("");
        DoText2.setText("");
        return;
    }
    DoCombo.setListIndex(kind - 1);
    if (kind == 11) {
        DoText2.setText(vb::mid(line, 4, 8));
        DoText.setText(vb::mid(line, 13));
    } else {
        DoText.setText(vb::mid(line, 4));
    }
}

void ConditionPanel::AddDo_Click()
{
    chooseCondEdit(3);
    const int kind = chosenKind(DoCombo);
    if (kind != 0 && conditionSelected() && m_model.DoList.count() < MaxConditionLines) {
        const std::string code = vb::zeroPad(DoCombo.listIndex() + 1, 2);
        std::optional<std::string> line;
        switch (kind) {
        case 3:
        case 4:
        case 7:
            line = code;
            break;
        case 5:
        case 6:
        case 11: {
            const ItemList& names = kind == 11 ? m_model.AnimationAIList : m_model.AnimationList;
            const std::optional<std::string> name = listedName(names, DoText.text());
            if (!name) {
                showMessage(DoText.text().empty() ? DoNameMissingMessage : DoNameNotFoundMessage,
                            ui::MsgIcon::Critical);
            }
            const bool enemyMissing = kind == 11 && DoText2.text().empty();
            if (enemyMissing) {
                showMessage(DoEnemyMissingMessage, ui::MsgIcon::Critical);
            }
            if (name && !enemyMissing) {
                line = kind == 11 ? code + "," + DoText2.text() + "," + *name : code + "," + *name;
            }
            break;
        }
        default:
            if (!doTakesMapPick(kind) || !DoText.text().empty()) {
                line = code + "," + DoText.text();
            }
            break;
        }
        if (line && !fitsQuotedText(*line)) {
            showMessage(QuoteInTextMessage, ui::MsgIcon::Critical);
        } else if (line) {
            addEntry(m_model.DoList, DoList, *line);
            DoText.setText("");
            if (kind == 11) {
                DoText2.setText("");
            }
            if (doTakesMapPick(kind)) {
                AddDo.setEnabled(false); // until a map click fills the box again
            }
            m_model.Modified = true;
        }
    }
    chooseCondEdit(1);
    writeBack();
}

void ConditionPanel::IfText_Click()
{
    chooseCondEdit(2);
    IfText.selectAll();
}

void ConditionPanel::DoText_Click()
{
    chooseCondEdit(3);
    DoText.selectAll();
}

} // namespace plotwright
