#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zanfo {

// The Windows-1252 byte of a Unicode character, or nothing when it has none.
std::optional<unsigned char> ToWindows1252(char32_t c);

// The Unicode character of a Windows-1252 byte (U+FFFD for the five unused ones).
char32_t FromWindows1252(unsigned char byte);

// UTF-8 text as Windows-1252 bytes; nothing when the text is not valid UTF-8 or
// holds a character that Windows-1252 cannot carry.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

}  // namespace zanfo
