#include "tools/make_demo/mission_builder.h"

#include "tools/make_demo/script_lines.h"
#include "tools/make_demo/tiles.h"

#include "mission_editor/files/code_tables.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace make_demo {

namespace {

using plotwright::ItemList;

void checkText(const std::string& text, std::size_t longest)
{
    if (text.find_first_of("\"\r\n") != std::string::npos) {
        throw std::invalid_argument("a mission text holds a quote or a line break: " + text);
    }
    if (text.size() > longest) {
        throw std::invalid_argument("a mission text is too long: " + text);
    }
}

// Task, If and Do lines whose text runs to the end of the line are shown on the battle's view.
void checkScriptLine(const std::string& line, std::size_t textStart, bool hasText)
{
    checkText(line, 200);
    if (hasText && line.size() > textStart + MaxScreenText) {
        throw std::invalid_argument("a battle text does not fit the view: " + line);
    }
}

// The lines in the order of the editor's sorted list.
std::vector<std::string> sortedLines(const std::vector<std::string>& lines)
{
    ItemList list(ItemList::Order::Sorted);
    for (const std::string& line : lines) {
        list.add(line);
    }
    return list.items();
}

bool sameNameNoCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

void addNamed(std::vector<std::string>& names, plotwright::Grid<std::string>& table, ItemList& list,
              const std::string& name, const std::vector<std::string>& lines, bool aiKinds)
{
    checkText(name, 60);
    if (name.empty()) {
        throw std::invalid_argument("an animation needs a name");
    }
    for (int slot = 1; slot <= plotwright::MaxAnimations; ++slot) {
        if (sameNameNoCase(names[slot], name)) {
            throw std::invalid_argument("two animations named " + name);
        }
    }
    if (lines.size() > plotwright::MaxTaskLines) {
        throw std::invalid_argument("too many lines in animation " + name);
    }
    auto slot = std::find(names.begin() + 1, names.end(), std::string());
    if (slot == names.end()) {
        throw std::invalid_argument("no free animation slot for " + name);
    }
    const int n = static_cast<int>(slot - names.begin());
    *slot = name;
    list.add(name);
    const std::vector<std::string> sorted = sortedLines(lines);
    for (std::size_t j = 0; j < sorted.size(); ++j) {
        const std::string& line = sorted[j];
        const std::string kind = line.substr(5, 2);
        checkScriptLine(line, 8, kind == "04" || (!aiKinds && kind == "05"));
        table(n, static_cast<int>(j) + 1) = line;
    }
}

} // namespace

MissionBuilder::MissionBuilder(std::string file, std::string title, int width, int height)
    : m_file(std::move(file)), m_map(width, height)
{
    if (width < plotwright::MinMapSize || width > plotwright::MaxMapSize || height < plotwright::MinMapSize ||
        height > plotwright::MaxMapSize) {
        throw std::invalid_argument("map size outside 25 .. 50");
    }
    checkText(title, 60);
    m_model.MissionTitle = std::move(title);
    m_model.MapWidth = width;
    m_model.MapHeight = height;
    m_model.MissionFile = m_file;
}

void MissionBuilder::author(std::string name)
{
    checkText(name, 60);
    m_model.MissionAuthor = std::move(name);
}

void MissionBuilder::brief(std::string text)
{
    checkText(text, plotwright::MaxBriefLength);
    m_model.MissionBrief = std::move(text);
}

void MissionBuilder::checkCell(int x, int y) const
{
    if (!m_map.inside(x, y)) {
        throw std::invalid_argument("cell " + cell(x, y) + " is off the map");
    }
}

std::string MissionBuilder::object(Object kind, int x, int y)
{
    checkCell(x, y);
    if (m_model.ObjList.count() >= plotwright::MaxObjects) {
        throw std::invalid_argument("too many objects");
    }
    const std::string ref = reference(static_cast<int>(kind), x, y);
    if (m_model.ObjList.indexOf(ref) >= 0) {
        throw std::invalid_argument("two objects at " + ref);
    }
    m_model.ObjList.add(ref);
    return ref;
}

std::string MissionBuilder::enemy(Team team, int x, int y, std::string aiAnimation, bool waitForTrigger)
{
    checkCell(x, y);
    checkText(aiAnimation, 60);
    if (m_model.DollList.count() >= plotwright::MaxEnemies) {
        throw std::invalid_argument("too many enemies");
    }
    for (const std::string& item : m_model.DollList.items()) {
        if (item.substr(3, 5) == cell(x, y)) {
            throw std::invalid_argument("two enemies start at " +
                                        cell(x, y)); // the conditions name them by it
        }
    }
    const std::string ref = reference(static_cast<int>(team), x, y);
    m_model.DollList.add(ref + "," + aiAnimation + "," + (waitForTrigger ? "1" : "0"));
    return ref;
}

void MissionBuilder::troop(int x, int y, int size, Team team, Heading alignment, Heading view, int clips)
{
    checkCell(x, y);
    if (size < 1 || size > 10 || clips < 0 || clips > 7) {
        throw std::invalid_argument("troop size 1 .. 10 and clips 0 .. 7");
    }
    m_model.TroopPos = std::string(plotwright::TroopPositionPrefix) + cell(x, y);
    m_model.TroopSizeCombo = size - 1;
    m_model.TroopTeamCombo = static_cast<int>(team) - 1;
    m_model.TroopAlignCombo = static_cast<int>(alignment) - 1;
    m_model.TroopViewCombo = static_cast<int>(view) - 1;
    m_model.TroopClipNum = clips;
}

void MissionBuilder::animation(const std::string& name, const std::vector<std::string>& lines)
{
    addNamed(m_model.AnimName, m_model.AnimTask, m_model.AnimationList, name, lines, false);
}

void MissionBuilder::aiAnimation(const std::string& name, const std::vector<std::string>& lines)
{
    addNamed(m_model.AiAnimName, m_model.AiAnimTask, m_model.AnimationAIList, name, lines, true);
}

void MissionBuilder::condition(bool once, const std::vector<std::string>& ifLines,
                               const std::vector<std::string>& doLines)
{
    if (++m_conditions > plotwright::MaxConditions) {
        throw std::invalid_argument("too many conditions");
    }
    if (ifLines.empty() || ifLines.size() > plotwright::MaxConditionLines ||
        doLines.size() > plotwright::MaxConditionLines) {
        throw std::invalid_argument("a condition holds 1 .. 10 If lines and up to 10 Do lines");
    }
    const int n = m_conditions;
    m_model.CondNameList.add(plotwright::conditionName(n));
    m_model.CondOnce[n] = once ? 1 : 0;
    const std::vector<std::string> ifs = sortedLines(ifLines);
    const std::vector<std::string> dos = sortedLines(doLines);
    for (std::size_t j = 0; j < ifs.size(); ++j) {
        checkScriptLine(ifs[j], 3, false);
        m_model.CondIf(n, static_cast<int>(j) + 1) = ifs[j];
    }
    for (std::size_t j = 0; j < dos.size(); ++j) {
        const std::string kind = dos[j].substr(0, 2);
        checkScriptLine(dos[j], 3, kind == "01" || kind == "02");
        m_model.CondDo(n, static_cast<int>(j) + 1) = dos[j];
    }
}

plotwright::MissionModel MissionBuilder::model()
{
    m_map.finish();
    for (int y = 1; y <= m_map.height(); ++y) {
        for (int x = 1; x <= m_map.width(); ++x) {
            m_model.Map(x, y) = plotwright::tileCode(m_map.at(x, y));
        }
    }
    return m_model;
}

} // namespace make_demo
