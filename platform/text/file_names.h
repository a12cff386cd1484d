#pragma once
// File names. A name on disk is the file system's own spelling (UTF-8 on Linux); a name inside a
// file (a campaign's mission names) or shown in a control is Windows-1252 text like every other
// text. The conversion between the two happens here and nowhere else, and every listing,
// existence test, open, save and delete of the programs goes through it, so that whatever a list
// shows can be opened and whatever is saved is listed.

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::text {

// The file system's spelling of a Windows-1252 name.
std::string diskName(std::string_view name);

// The Windows-1252 name of a file as the file system spells it. UTF-8 names are read with their
// accents composed (a name stored with its accents apart reads the same); a name that is not
// UTF-8 was carried over from a single-byte disk and is taken byte for byte. Nothing when the
// name holds a letter that Windows-1252 lacks (a Chinese letter, say).
std::optional<std::string> nameFromDisk(std::string_view onDisk);

// A name or path as the file system spells it, as Windows-1252 text for a message: letters the
// code page lacks are '?'.
std::string shownText(std::string_view onDisk);

// A path as the file system spells it, for the toolkit, and a path from the toolkit as the file
// system spells it. A path is the system's and is never Windows-1252 text: only the names of the
// files inside the data folder are.
QString toolkitPath(std::string_view onDisk);
std::string systemPath(const QString& path);

// The folder that holds the running program, as the file system spells it (a link to it
// followed). Every data path of the programs starts from it.
std::string programFolder();

// True when `name` (Windows-1252) names a file in a folder and nothing else: not empty, not "."
// or "..", with neither slash and no control byte (NUL included).
bool isPlainFileName(std::string_view name);

// One file of a folder.
struct FolderFile
{
    std::string onDisk;              // as the file system spells it
    std::optional<std::string> name; // as Windows-1252 text; nothing when it has no such form

    // The name for the toolkit, readable whatever it holds.
    QString shown() const;
    // The name as Windows-1252 text for messages and lists: letters the code page lacks are '?'.
    std::string shownText() const;
    // The file's path in `folder`, the folder it was listed from.
    std::string pathIn(const std::string& folder) const;
};

// The regular files of `folder` (links to regular files included), in the folder's own order.
// A folder that does not exist or cannot be read has none.
std::vector<FolderFile> listFolder(const std::string& folder);

// Where the file called `name` (Windows-1252) lies in `folder`: the file of that very name; else
// the one whose name differs from it only in letter case (the first in byte order when several
// do, so the choice does not depend on the folder's order); else the path a new file of that
// name gets. Nothing when `name` is not a plain file name: the answer never lies outside `folder`.
std::optional<std::string> pathInFolder(const std::string& folder, std::string_view name);

} // namespace platform::text
