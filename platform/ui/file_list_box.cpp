#include "platform/ui/file_list_box.h"

#include "platform/text/codepage.h"
#include "platform/ui/list_clicks.h"

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
    const std::optional<text::FolderFile> selected = selectedFile();
    fill(selected ? selected->onDisk : std::string());
}

void FileListBox::fill(const std::string& keep)
{
    std::vector<text::FolderFile> files;
    if (!m_path.empty()) {
        // Every regular file, hidden ones included: a name such as ".cfm" is a file like any other.
        for (text::FolderFile& file : text::listFolder(m_path)) {
            if (matchesFilePattern(file.shownText(), m_pattern)) {
                files.push_back(std::move(file));
            }
        }
    }
    std::sort(files.begin(), files.end(), [](const text::FolderFile& a, const text::FolderFile& b) {
        const int c = text::compareNoCase(a.shownText(), b.shownText());
        return c != 0 ? c < 0 : a.onDisk < b.onDisk;
    });
    m_files = std::move(files);
    m_names.clear();
    for (const text::FolderFile& file : m_files) {
        m_names.push_back(file.shownText());
    }

    QListWidget* list = listWidget();
    if (list == nullptr) {
        return;
    }
    m_settingFromCode = true;
    list->clear();
    int keepRow = -1;
    for (std::size_t i = 0; i < m_files.size(); ++i) {
        list->addItem(m_files[i].shown());
        if (!keep.empty() && m_files[i].onDisk == keep) {
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

std::optional<text::FolderFile> FileListBox::selectedFile() const
{
    const int index = listIndex();
    if (index < 0 || index >= listCount()) {
        return std::nullopt;
    }
    return m_files[static_cast<std::size_t>(index)];
}

std::string FileListBox::filePath() const
{
    const std::optional<text::FolderFile> selected = selectedFile();
    if (!selected) {
        return {};
    }
    return selected->pathIn(m_path);
}

} // namespace platform::ui
