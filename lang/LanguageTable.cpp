#include "LanguageTable.h"

namespace zanfo {

// The success and refusal texts carry their runs of spaces: they centre the words
// in the message boxes, and every space belongs to the text.
const std::array<LanguageTexts, 3> LanguageTable = {{
    {"1", "Select File", "Open File", "File", "Languages", "About", "New File", "Open File",
     "Codify File", "Decodify File", "Input File", "Output File", 65, 605,
     {
         "The files is equals",
         "Unable to open the file to be codified",
         "Type the Password",
         "               File Codified               ",
         "Unable to open the file to be decoded",
         "Type the Password",
         "              Password Incorrect             ",
         "             File Decoded             ",
     }},
    {"2", "Seleccionar Archivo", "Abrir Archivo", "Archivo", "Idiomas", "Sobre", "Nuevo Archivo",
     "Abrir Archivo", "Codificar Archivo", "Decodificar Archivo", "Archivo de Entrada",
     "Archivo de Salida", 110, 560,
     {
         "Los archivos são iguais",
         "Incapaz de abrir lo archivo para ser codificado",
         "Digite la Seña",
         "               Archivo Codificado               ",
         "Incapaz de abrir lo archivo para ser decodificado",
         "Digite la Seña",
         "              Seña Incorrecta             ",
         "              Archivo Decodificado             ",
     }},
    {"3", "Selecionar Arquivo", "Abrir Arquivo", "Arquivo", "Idiomas", "Sobre", "Novo Arquivo",
     "Abrir Arquivo", "Codificar Arquivo", "Decodificar Arquivo", "Arquivo de Entrada",
     "Arquivo de Saída", 110, 560,
     {
         "Os arquivos são iguais",
         "Incapaz de abrir o arquivo para ser codificado",
         "Digite a Senha",
         "               Arquivo Codificado               ",
         "Incapaz de abrir o arquivo para ser decodificado",
         "Digite a Senha",
         "             Senha Incorreta             ",
         "               Arquivo Decodificado               ",
     }},
}};

const LanguageTexts& TextsOf(Language language)
{
    return LanguageTable[static_cast<int>(language) - 1];
}

}  // namespace zanfo
