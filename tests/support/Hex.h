#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Hex text to bytes and back, for writing test vectors as they are published.
inline std::string FromHex(std::string_view hex)
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

inline std::string ToHex(std::string_view bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex.push_back(kDigits[c >> 4]);
        hex.push_back(kDigits[c & 15]);
    }
    return hex;
}

// A recognisable byte pattern of any length.
inline std::string Pattern(std::size_t n, unsigned seed = 0)
{
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i + seed) % 251);
    return s;
}
