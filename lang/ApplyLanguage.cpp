#include "ApplyLanguage.h"

#include "MessageTexts.h"

namespace zanfo {

namespace {

std::array<QString, MessageCount> EnglishMessages()
{
    std::array<QString, MessageCount> texts;
    for (int i = 0; i < MessageCount; ++i) texts[i] = QString::fromUtf8(LanguageTable[0].messages[i]);
    return texts;
}

}  // namespace

std::array<QString, MessageCount> MessageTexts = EnglishMessages();

void ApplyLanguage(Language language, LanguageTarget& target)
{
    const LanguageTexts& t = TextsOf(language);
    const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
    using I = LanguageItem;
    target.SetCaption(I::OpenDialog1, text(t.openDialog1Title));
    target.SetCaption(I::OpenDialog2, text(t.openDialog2Title));
    target.SetCaption(I::TabSheet1, text(t.fileTab));
    target.SetCaption(I::TabSheet2, text(t.languagesTab));
    target.SetCaption(I::TabSheet3, text(t.aboutTab));
    target.SetCaption(I::B_NovoArquivo, text(t.newFile));
    target.SetCaption(I::B_AbrirArquivo, text(t.openFile));
    target.SetCaption(I::B_C, text(t.codifyFile));
    target.SetCaption(I::B_D, text(t.decodifyFile));
    target.SetCaption(I::Label1, text(t.inputLabel));
    target.SetLeft(I::InFileBox, t.boxLeft);
    target.SetWidth(I::InFileBox, t.boxWidth);
    target.SetCaption(I::Label2, text(t.outputLabel));
    target.SetLeft(I::OutFileBox, t.boxLeft);
    target.SetWidth(I::OutFileBox, t.boxWidth);
    for (int i = 0; i < MessageCount; ++i) MessageTexts[i] = text(t.messages[i]);
}

}  // namespace zanfo
