#include "platform/text/text_file.h"

#include "platform/text/codepage.h"

#include <QString>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::text {

namespace {

using FileStatus = struct stat;

std::string errorText(int code)
{
    return std::strerror(code);
}

// Splits a path into its folder ("" for the current folder) and its file name.
void splitPath(const std::string& path, std::string& folder, std::string& name)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        folder.clear();
        name = path;
    } else {
        folder = path.substr(0, slash + 1);
        name = path.substr(slash + 1);
    }
}

// A file name as stored on disk, seen as Windows-1252 bytes: names made here are UTF-8, names
// carried over from older disks may already be single-byte text.
std::string nameAsWindows1252(const std::string& onDisk)
{
    const QByteArray raw(onDisk.data(), static_cast<qsizetype>(onDisk.size()));
    const QString decoded = QString::fromUtf8(raw);
    if (decoded.contains(QChar::ReplacementCharacter)) {
        return onDisk;
    }
    return fromUnicode(decoded);
}

bool sameNameNoCase(const std::string& wanted, const std::string& onDisk)
{
    if (compareNoCase(wanted, onDisk) == 0) {
        return true;
    }
    return compareNoCase(wanted, nameAsWindows1252(onDisk)) == 0 ||
           compareNoCase(nameAsWindows1252(wanted), nameAsWindows1252(onDisk)) == 0;
}

bool writeAll(int fd, std::string_view bytes, int& error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool readFile(const std::string& path, std::string& bytes)
{
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    FileStatus info{};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ::close(fd);
            bytes.clear();
            return false;
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

bool fileExists(const std::string& path)
{
    FileStatus info{};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string resolveCaseInsensitive(const std::string& path)
{
    FileStatus info{};
    if (path.empty() || ::stat(path.c_str(), &info) == 0) {
        return path;
    }
    std::string folder;
    std::string name;
    splitPath(path, folder, name);
    if (name.empty()) {
        return path;
    }
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return path;
    }
    std::string found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string candidate = entry->d_name;
        if (candidate == "." || candidate == "..") {
            continue;
        }
        if (sameNameNoCase(name, candidate)) {
            // Several names may differ only in case; take the first in byte order so the choice
            // does not depend on the order of the folder listing.
            if (found.empty() || candidate < found) {
                found = candidate;
            }
        }
    }
    ::closedir(dir);
    return found.empty() ? path : folder + found;
}

WriteResult writeFileAtomic(const std::string& path, std::string_view bytes)
{
    WriteResult result;
    std::string folder;
    std::string name;
    splitPath(path, folder, name);
    if (name.empty()) {
        result.error = errorText(EISDIR);
        return result;
    }

    FileStatus existing{};
    const bool hadFile = ::stat(path.c_str(), &existing) == 0;
    if (hadFile && S_ISDIR(existing.st_mode)) {
        result.error = errorText(EISDIR);
        return result;
    }

    // The temporary file sits beside the target so that the rename never crosses file systems.
    std::string temp = folder + "." + name.substr(0, 200) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        result.error = errorText(errno);
        return result;
    }

    int error = 0;
    bool ok = writeAll(fd, bytes, error);
    if (ok) {
        // Keep the old file's permissions; a new file gets the usual ones for a document.
        mode_t mode = 0666;
        if (hadFile) {
            mode = existing.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode &= ~mask;
        }
        ::fchmod(fd, mode);
        if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) {
            error = errno;
            ok = false;
        }
    }
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        result.error = errorText(error);
        return result;
    }
    result.ok = true;
    return result;
}

// ---------------------------------------------------------------------------------------------

void TextWriter::line(std::string_view text)
{
    m_bytes.append(text);
    m_bytes.append("\r\n");
}

void TextWriter::quoted(std::string_view text)
{
    m_bytes.push_back('"');
    m_bytes.append(text);
    m_bytes.append("\"\r\n");
}

void TextWriter::count(long long number)
{
    // Whole numbers keep all their digits, however large.
    const std::string digits = std::to_string(number);
    line((number < 0 ? digits : " " + digits) + " ");
}

void TextWriter::flag(bool value)
{
    line(value ? "True" : "False");
}

void TextWriter::raw(std::string_view bytes)
{
    m_bytes.append(bytes);
}

// ---------------------------------------------------------------------------------------------

TextReader::TextReader(std::string bytes) : m_bytes(std::move(bytes)) {}

bool TextReader::atEnd() const
{
    return m_pos >= m_bytes.size();
}

bool TextReader::atLineEnd() const
{
    return m_pos < m_bytes.size() && (m_bytes[m_pos] == '\r' || m_bytes[m_pos] == '\n');
}

void TextReader::consumeLineEnd()
{
    if (m_pos >= m_bytes.size()) {
        return;
    }
    if (m_bytes[m_pos] == '\r') {
        ++m_pos;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n') {
            ++m_pos;
        }
    } else if (m_bytes[m_pos] == '\n') {
        ++m_pos;
    }
}

std::string TextReader::readLine()
{
    const std::size_t start = m_pos;
    while (m_pos < m_bytes.size() && !atLineEnd()) {
        ++m_pos;
    }
    std::string text = m_bytes.substr(start, m_pos - start);
    consumeLineEnd();
    return text;
}

std::string TextReader::readItem()
{
    while (m_pos < m_bytes.size() && m_bytes[m_pos] == ' ') {
        ++m_pos;
    }
    std::string item;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
        // A quoted text runs to its closing quote; a quote left open ends with its line, so one
        // stray quote cannot swallow the rest of the file.
        ++m_pos;
        const std::size_t start = m_pos;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != '"' && !atLineEnd()) {
            ++m_pos;
        }
        item = m_bytes.substr(start, m_pos - start);
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
            ++m_pos;
        }
        // Whatever follows the closing quote up to the separator is not part of the item.
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !atLineEnd()) {
            ++m_pos;
        }
    } else {
        const std::size_t start = m_pos;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !atLineEnd()) {
            ++m_pos;
        }
        item = m_bytes.substr(start, m_pos - start);
    }
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == ',') {
        ++m_pos;
    } else {
        consumeLineEnd();
    }
    return item;
}

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(bytes.substr(start, i - start));
            ++i;
            if (c == '\r' && i < bytes.size() && bytes[i] == '\n') {
                ++i;
            }
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) {
        lines.emplace_back(bytes.substr(start));
    }
    return lines;
}

} // namespace platform::text
