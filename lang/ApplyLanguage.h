#pragma once
#include <QString>

#include "LanguageTable.h"

namespace zanfo {

// What a language changes on the main window, named after the window's fields.
enum class LanguageItem {
    OpenDialog1,
    OpenDialog2,
    TabSheet1,
    TabSheet2,
    TabSheet3,
    B_NovoArquivo,
    B_AbrirArquivo,
    B_C,
    B_D,
    Label1,
    InFileBox,
    Label2,
    OutFileBox,
};

// The least a window must offer for a language to be put into effect.
class LanguageTarget {
public:
    virtual ~LanguageTarget() = default;
    // Sets the caption of a control, or the title of a picker.
    virtual void SetCaption(LanguageItem item, const QString& text) = 0;
    // Sets the left edge of a box, in pixels at 96 dpi.
    virtual void SetLeft(LanguageItem item, int left) = 0;
    // Sets the width of a box, in pixels at 96 dpi.
    virtual void SetWidth(LanguageItem item, int width) = 0;
};

// Puts a language into effect: titles, captions, box layout, then MessageTexts.
void ApplyLanguage(Language language, LanguageTarget& target);

}  // namespace zanfo
