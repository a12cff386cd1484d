#pragma once
// The entries of one of the main window's list boxes, kept as plain data so the mission can be
// edited, read and written without a window. A sorted list keeps its entries in ascending text
// order with letter case ignored; an unsorted one keeps them in the order they were added.
// Replacing an entry's text leaves it where it stands (the list is not sorted again).

#include <string>
#include <string_view>
#include <vector>

namespace plotwright {

class ItemList
{
public:
    enum class Order { Added, Sorted };

    explicit ItemList(Order order = Order::Added) : m_order(order) {}

    bool sorted() const { return m_order == Order::Sorted; }
    int count() const { return static_cast<int>(m_items.size()); }
    bool empty() const { return m_items.empty(); }

    // Entry at position 0 .. count() - 1; throws std::out_of_range outside.
    const std::string& at(int index) const;
    const std::vector<std::string>& items() const { return m_items; }

    // Adds an entry (at its sorted place, or at the end) and returns its position.
    int add(std::string text);
    // Replaces the text at a position without moving it.
    void replaceAt(int index, std::string text);
    void removeAt(int index);
    void clear()
    {
        m_items.clear();
        m_inOrder = true;
    }

    // Position of the first entry equal to the text (exactly / ignoring letter case), or -1.
    int indexOf(std::string_view text) const;
    int indexOfNoCase(std::string_view text) const;

    bool operator==(const ItemList& other) const
    {
        return m_order == other.m_order && m_items == other.m_items;
    }

private:
    Order m_order;
    std::vector<std::string> m_items;
    // The entries stand in ascending order (nothing was replaced out of place), so an add to a
    // sorted list finds its place by halving instead of entry by entry.
    bool m_inOrder = true;
};

} // namespace plotwright
