#include "platform/text/text_file.h"

#include "platform/text/file_names.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
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

// The file that a write to `path` replaces: the path itself, or the end of the chain of links it
// starts, so that saving over a link keeps the link and writes the file it points to.
bool followLinks(std::string& path, int& error)
{
    for (int depth = 0; depth < 40; ++depth) {
        FileStatus info{};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return true;
        }
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4095) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) {
            error = n < 0 ? errno : n == 0 ? ENOENT : ENAMETOOLONG;
            return false;
        }
        target.resize(static_cast<std::size_t>(n));
        if (target.front() != '/') {
            std::string folder;
            std::string name;
            splitPath(path, folder, name);
            target = folder + target;
        }
        path = std::move(target);
    }
    error = ELOOP;
    return false;
}

// Why the file may not be replaced (0 when it may): a file the user may not write is not replaced
// behind his back, for the system's reason ("Permission denied", "Read-only file system"). A file
// with no write permission at all counts as read-only even for the superuser, as a read-only file
// does on the system the files come from.
int whyNotReplaceable(const std::string& path, const FileStatus& existing)
{
    if (::access(path.c_str(), W_OK) != 0) {
        return errno;
    }
    return (existing.st_mode & 0222) != 0 ? 0 : EACCES;
}

// The temporary file of a write to `name` is "." + name + "." + six letters or digits.
constexpr std::size_t TemporaryNameKept = 200;

std::string temporaryPattern(const std::string& folder, const std::string& name)
{
    return folder + "." + name.substr(0, TemporaryNameKept) + ".XXXXXX";
}

bool isTemporaryOf(std::string_view entry, const std::string& name)
{
    constexpr std::size_t Random = 6;
    if (entry.size() != name.size() + 2 + Random || entry.front() != '.' ||
        entry.substr(1, name.size()) != name || entry[name.size() + 1] != '.') {
        return false;
    }
    bool notAllLower = false;
    bool notAllDigits = false;
    for (const char c : entry.substr(name.size() + 2)) {
        const bool isLower = c >= 'a' && c <= 'z';
        const bool isDigit = c >= '0' && c <= '9';
        if (!isLower && !isDigit && !(c >= 'A' && c <= 'Z')) {
            return false;
        }
        notAllLower = notAllLower || !isLower;
        notAllDigits = notAllDigits || !isDigit;
    }
    // Six small letters or six digits are a word or a number a person gave (".backup", ".201912"):
    // such a file is the user's, never taken for a temporary one.
    return notAllLower && notAllDigits;
}

// A write that was cut short (the program killed mid-save) leaves its temporary file beside the
// target. The next write of the same target removes those that are this user's regular files,
// untouched for StaleAfter: a write that is still running (another program saving the same
// target) writes and renames its own temporary file within moments, so it is never one of them.
// A name too long to be whole in the temporary file's name could be another target's: its
// temporary files are left.
constexpr time_t StaleAfter = 10 * 60;

void removeStaleTemporaries(const std::string& folder, const std::string& name)
{
    if (name.size() > TemporaryNameKept) {
        return;
    }
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return;
    }
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryOf(entry->d_name, name)) {
            continue;
        }
        FileStatus info{};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && now - info.st_mtime >= StaleAfter) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
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

// Opens a regular file (or a link to one) for reading; -1 for anything else. The open does not
// wait: opened without O_NONBLOCK, a FIFO would block until a writer came, before its kind could
// be looked at. Once the file is known to be regular it is read as usual.
int openRegularFile(const std::string& path, FileStatus& info)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

bool readFile(const std::string& path, std::string& bytes, std::size_t largest)
{
    bytes.clear();
    FileStatus info{};
    const int fd = openRegularFile(path, info);
    if (fd < 0) {
        return false;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > largest) {
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
        if (bytes.size() + static_cast<std::size_t>(n) > largest) {  // grown since it was looked at
            ::close(fd);
            bytes.clear();
            return false;
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
    std::string folder;
    std::string name;
    splitPath(path, folder, name);
    return pathInFolder(folder, name).value_or(path);
}

WriteResult writeFileAtomic(const std::string& requested, std::string_view bytes)
{
    WriteResult result;
    std::string path = requested;
    int linkError = 0;
    if (!followLinks(path, linkError)) {
        result.error = errorText(linkError);
        return result;
    }
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
    if (hadFile) {
        if (const int refused = whyNotReplaceable(path, existing); refused != 0) {
            result.error = errorText(refused);
            return result;
        }
    }

    removeStaleTemporaries(folder, name);
    // The temporary file sits beside the target so that the rename never crosses file systems.
    std::string temp = temporaryPattern(folder, name);
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
