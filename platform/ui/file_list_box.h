#pragma once
// A file list box: the names of the files of one folder that match a pattern, sorted without
// regard to letter case, with one selected entry. Names are Windows-1252 text; each entry keeps the
// file system's own spelling too, so that the file a user picks is the file that is opened. A
// name with letters the code page lacks is shown as the file system has it.

#include "platform/text/file_names.h"
#include "platform/ui/control.h"

#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace platform::ui {

class FileListBox : public Control
{
public:
    explicit FileListBox(Parent parent);

    // The folder listed. A folder that does not exist lists nothing.
    std::string path() const { return m_path; }
    void setPath(const std::string& folder);
    // Wildcards * and ?, matched without regard to letter case; several patterns are separated by
    // ';' ("*.cfm", "*.bmp;*.wav"). "*.*" lists every file.
    std::string pattern() const { return m_pattern; }
    void setPattern(const std::string& pattern);
    // Reads the folder again. The selected file stays selected when it is still there (without a
    // click); otherwise nothing is selected.
    void refresh();

    int listCount() const { return static_cast<int>(m_names.size()); }
    // File name (with its extension) of entry `index`; empty outside the list. A name with letters
    // the code page lacks has '?' in their place.
    std::string list(int index) const;
    const std::vector<std::string>& items() const { return m_names; }

    int listIndex() const;
    // Selecting an entry runs onClick every time it is set; -1 clears the selection without a click.
    void setListIndex(int index);
    // The selected file name; empty when none is selected.
    std::string fileName() const;
    // The selected file as the folder holds it; nothing when none is selected.
    std::optional<text::FolderFile> selectedFile() const;
    // The path of the selected file (folder and the file system's spelling); empty when none is.
    std::string filePath() const;

    std::function<void()> onClick;
    std::function<void()> onDblClick;

    QListWidget* listWidget() const;

private:
    void fill(const std::string& keep);

    std::string m_path;
    std::string m_pattern = "*.*";
    std::vector<text::FolderFile> m_files;
    std::vector<std::string> m_names; // the files' names as Windows-1252 text, in list order
    bool m_settingFromCode = false;
};

// True when `name` matches the pattern of a file list box, without regard to letter case.
bool matchesFilePattern(const std::string& name, const std::string& pattern);

} // namespace platform::ui
