#include "lang/LanguageTable.h"

#include <gtest/gtest.h>

#include <QString>

#include "lang/MessageTexts.h"

using namespace zanfo;

namespace {

// The expected texts, with every letter outside ASCII written as its code point,
// so that an encoding slip in the table cannot pass.
struct Expected {
    const char16_t* items[11];  // picker titles, three tabs, four buttons, two labels
    int left, width;
    const char16_t* messages[MessageCount];
};

const Expected kExpected[3] = {
    {{u"Select File", u"Open File", u"File", u"Languages", u"About", u"New File", u"Open File",
      u"Codify File", u"Decodify File", u"Input File", u"Output File"},
     65,
     605,
     {u"The files is equals", u"Unable to open the file to be codified", u"Type the Password",
      u"               File Codified               ", u"Unable to open the file to be decoded",
      u"Type the Password", u"              Password Incorrect             ",
      u"             File Decoded             "}},
    {{u"Seleccionar Archivo", u"Abrir Archivo", u"Archivo", u"Idiomas", u"Sobre", u"Nuevo Archivo",
      u"Abrir Archivo", u"Codificar Archivo", u"Decodificar Archivo", u"Archivo de Entrada",
      u"Archivo de Salida"},
     110,
     560,
     {u"Los archivos s\u00e3o iguais", u"Incapaz de abrir lo archivo para ser codificado",
      u"Digite la Se\u00f1a", u"               Archivo Codificado               ",
      u"Incapaz de abrir lo archivo para ser decodificado", u"Digite la Se\u00f1a",
      u"              Se\u00f1a Incorrecta             ",
      u"              Archivo Decodificado             "}},
    {{u"Selecionar Arquivo", u"Abrir Arquivo", u"Arquivo", u"Idiomas", u"Sobre", u"Novo Arquivo",
      u"Abrir Arquivo", u"Codificar Arquivo", u"Decodificar Arquivo", u"Arquivo de Entrada",
      u"Arquivo de Sa\u00edda"},
     110,
     560,
     {u"Os arquivos s\u00e3o iguais", u"Incapaz de abrir o arquivo para ser codificado",
      u"Digite a Senha", u"               Arquivo Codificado               ",
      u"Incapaz de abrir o arquivo para ser decodificado", u"Digite a Senha",
      u"             Senha Incorreta             ",
      u"               Arquivo Decodificado               "}},
};

// Leading spaces, words, trailing spaces of entries 4, 7 and 8, per language.
struct Padded {
    MessageId id;
    int lead;
    const char16_t* words;
    int trail;
    int length;
};
const Padded kPadded[3][3] = {
    {{MsgFileCodified, 15, u"File Codified", 15, 43},
     {MsgPasswordIncorrect, 14, u"Password Incorrect", 13, 45},
     {MsgFileDecoded, 13, u"File Decoded", 13, 38}},
    {{MsgFileCodified, 15, u"Archivo Codificado", 15, 48},
     {MsgPasswordIncorrect, 14, u"Se\u00f1a Incorrecta", 13, 42},
     {MsgFileDecoded, 14, u"Archivo Decodificado", 13, 47}},
    {{MsgFileCodified, 15, u"Arquivo Codificado", 15, 48},
     {MsgPasswordIncorrect, 13, u"Senha Incorreta", 13, 41},
     {MsgFileDecoded, 15, u"Arquivo Decodificado", 15, 50}},
};

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }
QString Q(const char16_t* text) { return QString::fromUtf16(text); }

}  // namespace

TEST(LanguageTable, EveryTextOfEveryLanguage)
{
    for (int row = 0; row < 3; ++row) {
        const LanguageTexts& t = LanguageTable[row];
        const Expected& e = kExpected[row];
        EXPECT_EQ(Q(t.code), QString::number(row + 1));
        const char* items[] = {t.openDialog1Title, t.openDialog2Title, t.fileTab, t.languagesTab,
                               t.aboutTab, t.newFile, t.openFile, t.codifyFile, t.decodifyFile,
                               t.inputLabel, t.outputLabel};
        for (int i = 0; i < 11; ++i) EXPECT_EQ(Q(items[i]), Q(e.items[i])) << row << " item " << i;
        EXPECT_EQ(t.boxLeft, e.left);
        EXPECT_EQ(t.boxWidth, e.width);
        EXPECT_EQ(t.boxLeft + t.boxWidth, 670) << "the right edge stays put";
        for (int m = 0; m < MessageCount; ++m) EXPECT_EQ(Q(t.messages[m]), Q(e.messages[m])) << row << " message " << m;

        for (const Padded& p : kPadded[row]) {
            const QString text = Q(t.messages[p.id]);
            EXPECT_EQ(text.size(), p.length) << row << " message " << p.id;
            EXPECT_EQ(text, QString(p.lead, u' ') + Q(p.words) + QString(p.trail, u' '));
        }
    }
}

TEST(LanguageTable, AccentedLettersAreTheRightCodePoints)
{
    EXPECT_EQ(Q(LanguageTable[1].messages[MsgDecodifyPrompt]).at(12).unicode(), 0x00F1);  // ñ
    EXPECT_EQ(Q(LanguageTable[1].messages[MsgSameFiles]).at(14).unicode(), 0x00E3);       // ã
    EXPECT_EQ(Q(LanguageTable[2].outputLabel).at(13).unicode(), 0x00ED);                   // í
    // All three are Windows-1252 letters, as the Windows builds show them.
    for (const auto& row : LanguageTable)
        for (const char* m : row.messages)
            for (QChar c : Q(m)) EXPECT_LT(c.unicode(), 0x100);
}

TEST(LanguageTable, MessagesHoldEnglishBeforeAnyLanguageIsApplied)
{
    // Each test runs in a process of its own, so nothing has applied a language yet.
    for (int m = 0; m < MessageCount; ++m) {
        EXPECT_FALSE(MessageTexts[m].isEmpty());
        EXPECT_EQ(MessageTexts[m], Q(LanguageTable[0].messages[m]));
    }
}
