#pragma once
// Pieces that several fuzz targets share: a folder of their own and the reading of the header
// fields of a binary file.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <unistd.h>

namespace fuzz {

// A folder of the target's own in the temporary folder, removed when the fuzzer ends.
class TempFolder
{
public:
    explicit TempFolder(const std::string& prefix)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "_XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_path = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// The little-endian number of `bytes` bytes at `at`; bytes past the end of the data count as 0.
inline std::uint32_t littleEndian(const std::uint8_t* data, std::size_t size, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        const std::size_t place = at + static_cast<std::size_t>(i);
        value = value << 8 | (place < size ? data[place] : 0);
    }
    return value;
}

// The position of `value` among the `known` values, or their number when it is none of them.
inline int classOf(std::uint32_t value, std::initializer_list<std::uint32_t> known)
{
    int index = 0;
    for (const std::uint32_t k : known) {
        if (value == k)
            return index;
        ++index;
    }
    return index;
}

} // namespace fuzz
