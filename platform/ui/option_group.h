#pragma once
// Option buttons that exclude each other, numbered from 0 like a control array: choosing one
// clears the others.

#include "platform/ui/control.h"

#include <memory>
#include <string>
#include <vector>

class QButtonGroup;

namespace platform::ui {

class OptionGroup;

// One option button of a group; placed and shown like any control.
class OptionButton : public Control
{
public:
    std::string caption() const;
    void setCaption(const std::string& caption);
    bool value() const; // chosen
    int index() const { return m_index; }

private:
    friend class OptionGroup;
    OptionButton(Parent parent, const std::string& caption, int index);
    int m_index;
};

class OptionGroup
{
public:
    OptionGroup();
    ~OptionGroup();
    OptionGroup(const OptionGroup&) = delete;
    OptionGroup& operator=(const OptionGroup&) = delete;

    // Adds the next option button (index count()) on `parent`.
    OptionButton& add(Parent parent, const std::string& caption);

    int count() const { return static_cast<int>(m_buttons.size()); }
    OptionButton& operator[](int index) { return *m_buttons.at(static_cast<std::size_t>(index)); }
    const OptionButton& operator[](int index) const { return *m_buttons.at(static_cast<std::size_t>(index)); }

    // The chosen button, -1 for none.
    int value() const;
    // Chooses button `index`; runs onClick(index) when it was not chosen already. An index outside
    // the group is ignored.
    void setValue(int index);

    // A button became the chosen one, by the user or by code.
    std::function<void(int index)> onClick;

private:
    std::unique_ptr<QButtonGroup> m_group;
    std::vector<std::unique_ptr<OptionButton>> m_buttons;
};

} // namespace platform::ui
