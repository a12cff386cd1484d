#pragma once
// Text files of the system: Windows-1252 bytes, CR LF after every line.
// Program logic keeps texts as std::string holding those bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::text {

// Reads a whole file into bytes. False when the file cannot be opened or read, or is not a regular
// file (a FIFO, a folder, a socket, a device, a dangling link): that is refused at once, never
// waited on. A file larger than `largest` bytes is refused before it is read. Every reader of the
// programs' files reads through here.
bool readFile(const std::string& path, std::string& bytes, std::size_t largest = SIZE_MAX);

// True when a regular file exists at the path.
bool fileExists(const std::string& path);

// The same as pathInFolder (file_names.h) for a path whose last part is a Windows-1252 name: the
// file of that name, or of that name in another letter case, in its folder; `path` itself when
// nothing matches or the name is not a plain file name.
std::string resolveCaseInsensitive(const std::string& path);

// The outcome of a write: ok, or the reason in words ("Permission denied", "No such file or directory").
struct WriteResult {
    bool ok = false;
    std::string error;
};

// Writes the whole file at once: the bytes go to a temporary file in the same folder, which is
// renamed over `path` only when complete, so a failed write leaves the previous file as it was.
// A link is kept: the file it points to is written. A file that the user may not write, or that
// has no write permission at all, is not replaced: the write fails ("Permission denied", or the
// system's own reason, such as "Read-only file system"). Every failure gives the system's reason.
// Temporary files that earlier writes of the same target left when cut short (killed mid-write),
// untouched for ten minutes, are removed.
WriteResult writeFileAtomic(const std::string& path, std::string_view bytes);

// Builds the bytes of a text file line by line; every line ends with CR LF.
class TextWriter {
public:
    void line(std::string_view text);    // a bare line: the text exactly as given
    void quoted(std::string_view text);  // a double quote, the text, a double quote; nothing escaped
    void count(long long number);        // a count line: blank, digits, blank (" 3 ", "-2 ")
    void flag(bool value);               // "True" or "False"
    void raw(std::string_view bytes);    // bytes as they stand, no line end added
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Sequential reading of a file's bytes, by whole lines and by items, as a program reads an
// input file: both kinds of read may be mixed and continue from the same position.
class TextReader {
public:
    TextReader() = default;
    explicit TextReader(std::string bytes);

    // True when every byte has been consumed.
    bool atEnd() const;

    // Whole line up to CR LF (a lone LF, or a lone CR, also ends it); the line end is consumed.
    // At the end of the file gives an empty text.
    std::string readLine();

    // One item: leading blanks skipped; then either a double-quoted text (up to the closing quote,
    // commas included, quotes removed; what follows up to the next comma or line end is dropped)
    // or the characters up to the next comma or line end. The comma or line end after the item is
    // consumed. An empty line yields an empty item. At the end of the file gives an empty text.
    // A quote left open ends with its line, so a stray quote cannot swallow the rest of the file.
    std::string readItem();

    std::size_t position() const { return m_pos; }

private:
    bool atLineEnd() const;
    void consumeLineEnd();

    std::string m_bytes;
    std::size_t m_pos = 0;
};

// Splits bytes into lines (CR LF, lone LF or lone CR end a line); a last line without a line end
// counts; the empty text gives no lines.
std::vector<std::string> splitLines(std::string_view bytes);

} // namespace platform::text
