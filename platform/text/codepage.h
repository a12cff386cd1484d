#pragma once
// Conversion between the files' Windows-1252 bytes and the toolkit's Unicode strings.
// Used only at the widget boundary.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace platform::text {

// The five bytes that Windows-1252 leaves undefined become the control characters of the same
// number, so every byte comes back unchanged from fromUnicode.
QString toUnicode(std::string_view windows1252);
// Characters that Windows-1252 cannot hold become '?'.
std::string fromUnicode(const QString& text);
// The same, but nothing at all when a character has no Windows-1252 byte.
std::optional<std::string> fromUnicodeExactly(const QString& text);

// Lower and upper case of Windows-1252 text (ASCII and the accented Latin-1 letters).
std::string lowerCase(std::string_view text);
std::string upperCase(std::string_view text);

// Compares without regard to letter case: < 0, 0 or > 0.
int compareNoCase(std::string_view a, std::string_view b);

} // namespace platform::text
