#pragma once
#include <array>

#include "MessageId.h"

namespace zanfo {

// The three interface languages; the number is the stored code.
enum class Language { English = 1, Spanish = 2, Portuguese = 3 };

// Everything that changes with the language. Texts are UTF-8.
struct LanguageTexts {
    const char* code;             // "1", "2" or "3"
    const char* openDialog1Title;  // picker for a plain file
    const char* openDialog2Title;  // picker for a protected file
    const char* fileTab;
    const char* languagesTab;
    const char* aboutTab;
    const char* newFile;
    const char* openFile;
    const char* codifyFile;
    const char* decodifyFile;
    const char* inputLabel;
    const char* outputLabel;
    int boxLeft;   // left edge of both file-name boxes; the right edge stays at 670
    int boxWidth;
    std::array<const char*, MessageCount> messages;
};

// One row per language, English first.
extern const std::array<LanguageTexts, 3> LanguageTable;

// The row of a language.
const LanguageTexts& TextsOf(Language language);

}  // namespace zanfo
