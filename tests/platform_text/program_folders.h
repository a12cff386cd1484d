#pragma once
// Programs' folders named as users name them: accents, letters Windows-1252 lacks, blanks and a
// quote. A folder is made through the toolkit, as a file manager makes it, by copying a plain
// programs' folder into it; a program is then started on it through platform::text::systemPath,
// as it is on the folder it runs from.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <string>

namespace program_folders {

inline QStringList names()
{
    return {
        QString::fromUtf8("Jogos a\xC3\xA7\xC3\xA3o/bin"),                  // accents
        QString::fromUtf8("jo\xC3\xA3o/\xE6\xB8\xB8\xE6\x88\x8F \xCE\xA9"), // Chinese and Greek
        QString::fromUtf8("Jogos/O\"Brien's games"),                        // a quote and blanks
    };
}

// Copies every file below `plain` into `parent`/`name` (made as needed); the copy's path as the
// toolkit spells it, or an empty string when something could not be copied.
inline QString copyInto(const QString& plain, const QString& parent, const QString& name)
{
    const QString target = QDir(parent).filePath(name);
    if (!QDir().mkpath(target))
        return {};
    const QDir from(plain);
    QDirIterator it(plain, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = QDir(target).filePath(from.relativeFilePath(file));
        if (!QDir().mkpath(QFileInfo(copy).path()) || !QFile::copy(file, copy))
            return {};
        QFile::setPermissions(copy, QFile::permissions(file));
    }
    return target;
}

} // namespace program_folders
