#include "Windows1252.h"

namespace zanfo {
namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1. 0 marks the unused bytes.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

}  // namespace

std::optional<unsigned char> ToWindows1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

char32_t FromWindows1252(unsigned char byte)
{
    if (byte < 0x80 || byte >= 0xA0) return byte;
    const char32_t c = kHigh[byte - 0x80];
    return c ? c : 0xFFFD;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int extra;
        char32_t c;
        if (lead < 0x80) {
            extra = 0, c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1, c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3, c = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + extra >= utf8.size()) return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms and surrogates are not UTF-8.
        if ((extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000) || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        const auto byte = ToWindows1252(c);
        if (!byte) return std::nullopt;
        out.push_back(static_cast<char>(*byte));
        i += 1 + extra;
    }
    return out;
}

}  // namespace zanfo
