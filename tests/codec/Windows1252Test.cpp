#include "codec/Windows1252.h"

#include <gtest/gtest.h>

#include "support/Hex.h"

using zanfo::Utf8ToWindows1252;

TEST(Windows1252, MapsEveryCarriedCharacterAndRefusesTheRest)
{
    const std::pair<const char*, const char*> carried[] = {
        {"abc", "616263"},
        {"Seña", "5365f161"},
        {"são Saída", "73e36f205361ed6461"},
        {"€‚ƒ„…†‡ˆ‰Š‹ŒŽ", "808283848586878889 8a8b8c8e"},
        {"‘’“”•–—˜™š›œžŸ", "9192939495969798999a9b9c9e9f"},
        {"\u00a0ÿ", "a0ff"},
        {"", ""},
    };
    for (const auto& [text, hex] : carried) {
        std::string expected = hex;
        std::erase(expected, ' ');
        const auto bytes = Utf8ToWindows1252(text);
        ASSERT_TRUE(bytes) << text;
        EXPECT_EQ(ToHex(*bytes), expected) << text;
    }

    const char* refused[] = {
        "\u0100",        // Ā: not in the code page
        "\u0081",        // a byte the code page leaves unused
        "日本",          // far outside
        "😀",            // beyond the basic plane
        "\xC3",          // cut short
        "\xC0\xAF",      // overlong
        "\xED\xA0\x80",  // a surrogate
        "\xFF",          // never UTF-8
    };
    for (const char* text : refused) EXPECT_FALSE(Utf8ToWindows1252(text)) << ToHex(text);
}

TEST(Windows1252, TheTableRoundTrips)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t c = zanfo::FromWindows1252(static_cast<unsigned char>(byte));
        if (c == 0xFFFD) continue;
        const auto back = zanfo::ToWindows1252(c);
        ASSERT_TRUE(back) << byte;
        EXPECT_EQ(*back, byte);
    }
}
