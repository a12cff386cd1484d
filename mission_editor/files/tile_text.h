#pragma once
// The text of one map cell: a tile code as the map holds it, one or two hexadecimal digits
// ("01", "2B", "B" as painted, empty for none). Kept in place rather than as a string, since the
// map table holds ten thousand of them and the whole mission is copied on every open.

#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>

namespace plotwright {

class TileText
{
public:
    static constexpr std::size_t MaxLength = 2;

    // Plain data, so that the map table of ten thousand cells is copied as one block; a value
    // made with {} or by a container is empty.
    TileText() = default;
    // Keeps the first two characters of the text.
    TileText(std::string_view text) { assign(text); }
    TileText(const char* text) { assign(text); }
    TileText(const std::string& text) { assign(text); }

    std::string_view view() const { return {m_chars.data(), m_size}; }
    std::string str() const { return std::string(view()); }
    bool empty() const { return m_size == 0; }

    bool operator==(const TileText& other) const { return view() == other.view(); }
    bool operator==(std::string_view text) const { return view() == text; }
    bool operator==(const char* text) const { return view() == std::string_view(text); }

    friend std::ostream& operator<<(std::ostream& out, const TileText& tile) { return out << tile.view(); }

private:
    void assign(std::string_view text)
    {
        m_size = static_cast<std::uint8_t>(std::min(text.size(), MaxLength));
        m_chars = {};
        std::copy_n(text.begin(), m_size, m_chars.begin());
    }

    std::array<char, MaxLength> m_chars;
    std::uint8_t m_size;
};

static_assert(std::is_trivial_v<TileText>);

} // namespace plotwright
