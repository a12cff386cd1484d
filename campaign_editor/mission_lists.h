#pragma once
// The two mission lists of the editor: the missions available in the campaign folder (kept in
// ascending order, letter case ignored) and the campaign's selected missions in play order, each
// with its selected entry (-1 for none).

#include <string>
#include <vector>

namespace cadrell {

class MissionLists
{
public:
    // Replaces the available missions; they are sorted and nothing is selected.
    void setAvailable(std::vector<std::string> names);
    // Replaces the selected missions (a campaign opened); nothing is selected.
    void setSelected(std::vector<std::string> names);

    const std::vector<std::string>& available() const { return m_available; }
    const std::vector<std::string>& selected() const { return m_selected; }

    int availableIndex() const { return m_availableIndex; }
    int selectedIndex() const { return m_selectedIndex; }
    // An index outside the list means no selection.
    void selectAvailable(int index);
    void selectSelected(int index);

    // Appends the chosen available mission unless the campaign already has it (same text,
    // letter case counted), then moves the available selection on unless it is the last entry.
    void add();
    // Removes the chosen selected mission and chooses the one before it, or the new first one.
    void remove();
    // Moves the chosen selected mission one place towards the start / the end.
    void up();
    void down();

private:
    std::vector<std::string> m_available;
    std::vector<std::string> m_selected;
    int m_availableIndex = -1;
    int m_selectedIndex = -1;
};

} // namespace cadrell
