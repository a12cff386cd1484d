#include "platform/text/file_names.h"

#include "platform/text/codepage.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <dirent.h>
#include <sys/stat.h>

namespace platform::text {

namespace {

using FileStatus = struct stat;

std::string joined(const std::string& folder, const std::string& name)
{
    if (folder.empty()) {
        return name;
    }
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool isControlByte(unsigned char c)
{
    // The five bytes the code page leaves undefined stand for control characters too.
    return c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

} // namespace

std::string diskName(std::string_view name)
{
    return toUnicode(name).toUtf8().toStdString();
}

std::optional<std::string> nameFromDisk(std::string_view onDisk)
{
    const QByteArrayView bytes(onDisk.data(), static_cast<qsizetype>(onDisk.size()));
    if (!bytes.isValidUtf8()) {
        return std::string(onDisk);
    }
    return fromUnicodeExactly(QString::fromUtf8(bytes).normalized(QString::NormalizationForm_C));
}

std::string shownText(std::string_view onDisk)
{
    if (std::optional<std::string> name = nameFromDisk(onDisk)) {
        return *name;
    }
    return fromUnicode(QString::fromUtf8(onDisk.data(), static_cast<qsizetype>(onDisk.size())));
}

QString toolkitPath(std::string_view onDisk)
{
    return QFile::decodeName(QByteArray(onDisk.data(), static_cast<qsizetype>(onDisk.size())));
}

std::string systemPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::string programFolder()
{
    return systemPath(QCoreApplication::applicationDirPath());
}

bool isPlainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    for (const char c : name) {
        if (c == '/' || c == '\\' || isControlByte(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

QString FolderFile::shown() const
{
    if (name) {
        return toUnicode(*name);
    }
    return QString::fromUtf8(onDisk.data(), static_cast<qsizetype>(onDisk.size()));
}

std::string FolderFile::shownText() const
{
    return name ? *name : text::shownText(onDisk);
}

std::string FolderFile::pathIn(const std::string& folder) const
{
    return joined(folder, onDisk);
}

std::vector<FolderFile> listFolder(const std::string& folder)
{
    std::vector<FolderFile> files;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return files;
    }
    while (const dirent* entry = ::readdir(dir)) {
        std::string onDisk = entry->d_name;
        if (onDisk == "." || onDisk == "..") {
            continue;
        }
        FileStatus info{};
        if (::stat(joined(folder, onDisk).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
            continue;
        }
        std::optional<std::string> name = nameFromDisk(onDisk);
        files.push_back({std::move(onDisk), std::move(name)});
    }
    ::closedir(dir);
    return files;
}

std::optional<std::string> pathInFolder(const std::string& folder, std::string_view name)
{
    if (!isPlainFileName(name)) {
        return std::nullopt;
    }
    const std::string exact = joined(folder, diskName(name));
    FileStatus info{};
    if (::lstat(exact.c_str(), &info) == 0) {
        return exact;
    }
    // Files from a system whose names ignore letter case, or named on a single-byte disk.
    const FolderFile* sameName = nullptr;
    const FolderFile* sameButCase = nullptr;
    const std::vector<FolderFile> files = listFolder(folder);
    for (const FolderFile& file : files) {
        if (!file.name) {
            continue;
        }
        const FolderFile** slot = *file.name == name                     ? &sameName
                                  : compareNoCase(*file.name, name) == 0 ? &sameButCase
                                                                         : nullptr;
        if (slot != nullptr && (*slot == nullptr || file.onDisk < (*slot)->onDisk)) {
            *slot = &file;
        }
    }
    if (const FolderFile* found = sameName != nullptr ? sameName : sameButCase) {
        return joined(folder, found->onDisk);
    }
    return exact;
}

} // namespace platform::text
