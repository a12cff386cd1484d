#include "mission_editor/files/item_list.h"

#include "platform/text/codepage.h"

#include <algorithm>
#include <stdexcept>

namespace plotwright {

const std::string& ItemList::at(int index) const
{
    if (index < 0 || index >= count()) {
        throw std::out_of_range("ItemList position outside the list");
    }
    return m_items[static_cast<std::size_t>(index)];
}

int ItemList::add(std::string text)
{
    auto place = m_items.end();
    if (sorted()) {
        // Before the first entry that sorts behind the new one, so equal entries keep the order
        // in which they came (and a list with a replaced entry out of order still takes it).
        auto behind = [](const std::string& entry, const std::string& added) {
            return platform::text::compareNoCase(entry, added) > 0;
        };
        if (m_inOrder) {
            place = std::upper_bound(m_items.begin(), m_items.end(), text,
                                     [&behind](const std::string& added, const std::string& entry) {
                                         return behind(entry, added);
                                     });
        } else {
            place = std::find_if(m_items.begin(), m_items.end(),
                                 [&](const std::string& entry) { return behind(entry, text); });
        }
    }
    const auto position = place - m_items.begin();
    m_items.insert(place, std::move(text));
    return static_cast<int>(position);
}

void ItemList::replaceAt(int index, std::string text)
{
    at(index);
    const auto i = static_cast<std::size_t>(index);
    if (m_inOrder) {
        m_inOrder = (i == 0 || platform::text::compareNoCase(m_items[i - 1], text) <= 0) &&
                    (i + 1 == m_items.size() || platform::text::compareNoCase(text, m_items[i + 1]) <= 0);
    }
    m_items[i] = std::move(text);
}

void ItemList::removeAt(int index)
{
    at(index);
    m_items.erase(m_items.begin() + index);
}

int ItemList::indexOf(std::string_view text) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_items[static_cast<std::size_t>(i)] == text) {
            return i;
        }
    }
    return -1;
}

int ItemList::indexOfNoCase(std::string_view text) const
{
    for (int i = 0; i < count(); ++i) {
        if (platform::text::compareNoCase(m_items[static_cast<std::size_t>(i)], text) == 0) {
            return i;
        }
    }
    return -1;
}

} // namespace plotwright
