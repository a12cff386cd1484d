#include "platform/ui/file_list_box.h"

#include "platform/text/codepage.h"
#include "platform/ui/list_clicks.h"

#include <QDir>
#include <QListWidget>
#include <algorithm>

namespace platform::ui {

namespace {

// Wildcard match of lower-cased texts: '*' any run of characters, '?' one character.
bool wildcardMatch(const std::string& name, const std::string& pattern)
{
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::string::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

bool matchesFilePattern(const std::string& name, const std::string& pattern)
{
    const std::string lowerName = text::lowerCase(name);
    std::size_t start = 0;
    while (start <= pattern.size()) {
        std::size_t end = pattern.find(';', start);
        if (end == std::string::npos) {
            end = pattern.size();
        }
        const std::string one = text::lowerCase(trimmed(pattern.substr(start, end - start)));
        if (one == "*.*" || (!one.empty() && wildcardMatch(lowerName, one))) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

FileListBox::FileListBox(Parent parent) : Control(parent, new QListWidget)
{
    detail::wireListClicks(listWidget(), {[this] { return m_settingFromCode; },
                                          [this] {
                                              if (onClick) {
                                                  onClick();
                                              }
                                          },
                                          [this] {
                                              if (onDblClick) {
                                                  onDblClick();
                                              }
                                          }});
}

QListWidget* FileListBox::listWidget() const
{
    return static_cast<QListWidget*>(widget());
}

void FileListBox::setPath(const std::string& folder)
{
    m_path = folder;
    fill({});
}

void FileListBox::setPattern(const std::string& pattern)
{
    m_pattern = pattern;
    fill({});
}

void FileListBox::refresh()
{
    fill(fileName());
}

void FileListBox::fill(const std::string& keep)
{
    std::vector<std::string> names;
    if (!m_path.empty()) {
        const QDir dir(QString::fromStdString(m_path));
        if (dir.exists()) {
            // Every regular file, hidden ones included: a name such as ".cfm" is a file like any other.
            const QStringList entries =
                dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
            for (const QString& entry : entries) {
                std::string name = text::fromUnicode(entry);
                if (matchesFilePattern(name, m_pattern)) {
                    names.push_back(std::move(name));
                }
            }
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int c = text::compareNoCase(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    m_names = std::move(names);

    QListWidget* list = listWidget();
    if (list == nullptr) {
        return;
    }
    m_settingFromCode = true;
    list->clear();
    int keepRow = -1;
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        list->addItem(text::toUnicode(m_names[i]));
        if (!keep.empty() && m_names[i] == keep) {
            keepRow = static_cast<int>(i);
        }
    }
    detail::selectRow(list, keepRow);
    m_settingFromCode = false;
}

std::string FileListBox::list(int index) const
{
    if (index < 0 || index >= listCount()) {
        return {};
    }
    return m_names[static_cast<std::size_t>(index)];
}

int FileListBox::listIndex() const
{
    const QListWidget* list = listWidget();
    return list != nullptr ? detail::selectedRow(list) : -1;
}

void FileListBox::setListIndex(int index)
{
    QListWidget* list = listWidget();
    if (list == nullptr) {
        return;
    }
    m_settingFromCode = true;
    detail::selectRow(list, index);
    m_settingFromCode = false;
    if (index >= 0 && index < listCount() && onClick) {
        onClick();
    }
}

std::string FileListBox::fileName() const
{
    return list(listIndex());
}

} // namespace platform::ui
