#include "campaign_editor/mission_lists.h"

#include "platform/text/codepage.h"

#include <algorithm>
#include <utility>

namespace cadrell {

namespace {

int validIndex(int index, std::size_t size)
{
    return index >= 0 && static_cast<std::size_t>(index) < size ? index : -1;
}

} // namespace

void MissionLists::setAvailable(std::vector<std::string> names)
{
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return platform::text::compareNoCase(a, b) < 0;
    });
    m_available = std::move(names);
    m_availableIndex = -1;
}

void MissionLists::setSelected(std::vector<std::string> names)
{
    m_selected = std::move(names);
    m_selectedIndex = -1;
}

void MissionLists::selectAvailable(int index)
{
    m_availableIndex = validIndex(index, m_available.size());
}

void MissionLists::selectSelected(int index)
{
    m_selectedIndex = validIndex(index, m_selected.size());
}

void MissionLists::add()
{
    if (m_availableIndex < 0) {
        return;
    }
    const std::string& mission = m_available[static_cast<std::size_t>(m_availableIndex)];
    if (std::find(m_selected.begin(), m_selected.end(), mission) != m_selected.end()) {
        return;
    }
    m_selected.push_back(mission);
    if (static_cast<std::size_t>(m_availableIndex) + 1 < m_available.size()) {
        ++m_availableIndex;
    }
}

void MissionLists::remove()
{
    if (m_selectedIndex < 0) {
        return;
    }
    const int k = m_selectedIndex;
    m_selected.erase(m_selected.begin() + k);
    if (m_selected.empty()) {
        m_selectedIndex = -1;
    } else {
        m_selectedIndex = k > 0 ? k - 1 : 0;
    }
}

void MissionLists::up()
{
    const int k = m_selectedIndex;
    if (k < 1) {
        return;
    }
    std::swap(m_selected[static_cast<std::size_t>(k)], m_selected[static_cast<std::size_t>(k - 1)]);
    m_selectedIndex = k - 1;
}

void MissionLists::down()
{
    const int k = m_selectedIndex;
    if (k < 0 || static_cast<std::size_t>(k) + 1 >= m_selected.size()) {
        return;
    }
    std::swap(m_selected[static_cast<std::size_t>(k)], m_selected[static_cast<std::size_t>(k + 1)]);
    m_selectedIndex = k + 1;
}

} // namespace cadrell
