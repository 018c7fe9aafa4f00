#include "lang/LanguageChoice.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QSettings>
#include <QStringList>
#include <vector>

#include "crypto/Error.h"
#include "lang/MessageTexts.h"
#include "support/Raised.h"
#include "support/SmallDisk.h"
#include "support/TempDir.h"

using namespace zanfo;

namespace {

// Records what a language sets, in order, and keeps the current layout.
class RecordingTarget final : public LanguageTarget {
public:
    void SetCaption(LanguageItem item, const QString& text) override
    {
        calls.push_back(Name(item) + "=" + text.toStdString());
        captions[int(item)] = text;
    }
    void SetLeft(LanguageItem item, int left) override
    {
        calls.push_back(Name(item) + ".left");
        lefts[int(item)] = left;
    }
    void SetWidth(LanguageItem item, int width) override
    {
        calls.push_back(Name(item) + ".width");
        widths[int(item)] = width;
    }
    static std::string Name(LanguageItem item) { return std::to_string(int(item)); }

    std::vector<std::string> calls;
    QString captions[13];
    int lefts[13] = {};
    int widths[13] = {};
};

// The user's config folder, pointed at a fresh folder for the test.
class ConfigHome {
public:
    ConfigHome() : ConfigHome(std::string()) {}
    explicit ConfigHome(const std::string& path)
    {
        ::setenv("XDG_CONFIG_HOME", (path.empty() ? dir_.Path() : path).c_str(), 1);
    }
    std::string IniFile() const { return dir_ / "Tarvi/Zanfo.ini"; }
    const TempDir& Dir() const { return dir_; }

private:
    TempDir dir_;
};


const LanguageItem kInFileBox = LanguageItem::InFileBox;
const LanguageItem kOutFileBox = LanguageItem::OutFileBox;

}  // namespace

TEST(ApplyLanguage, SetsEverythingInOrder)
{
    RecordingTarget target;
    ApplyLanguage(Language::Portuguese, target);
    const std::vector<std::string> expected = {
        "0=Selecionar Arquivo", "1=Abrir Arquivo", "2=Arquivo", "3=Idiomas", "4=Sobre",
        "5=Novo Arquivo", "6=Abrir Arquivo", "7=Codificar Arquivo", "8=Decodificar Arquivo",
        "9=Arquivo de Entrada", "10.left", "10.width", "11=Arquivo de Saída", "12.left", "12.width",
    };
    EXPECT_EQ(target.calls, expected);
    EXPECT_EQ(MessageTexts[MsgCodifyPrompt], QStringLiteral("Digite a Senha"));
    EXPECT_EQ(MessageTexts[MsgFileDecoded].size(), 50);
}

TEST(ApplyLanguage, SwitchingBackRestoresTheLayout)
{
    RecordingTarget target;
    for (Language language : {Language::English, Language::Spanish, Language::English}) {
        ApplyLanguage(language, target);
        const int left = language == Language::English ? 65 : 110;
        for (LanguageItem box : {kInFileBox, kOutFileBox}) {
            EXPECT_EQ(target.lefts[int(box)], left);
            EXPECT_EQ(target.lefts[int(box)] + target.widths[int(box)], 670);
        }
    }
    EXPECT_EQ(MessageTexts[MsgSameFiles], QStringLiteral("The files is equals"));
}

TEST(LanguageChoice, SelectingStoresThenApplies)
{
    ConfigHome home;
    SettingsStore store;
    RecordingTarget target;
    SelectLanguage(Language::Spanish, store, target);
    EXPECT_EQ(target.captions[int(LanguageItem::OpenDialog1)], QStringLiteral("Seleccionar Archivo"));
    EXPECT_EQ(MessageTexts[MsgDecodifyPrompt], QString::fromUtf8("Digite la Seña"));
    QSettings ini(QString::fromStdString(home.IniFile()), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Languages/Languages").toString(), QStringLiteral("2"));

    // Pressing the same button again leaves the same state and value.
    SelectLanguage(Language::Spanish, store, target);
    QSettings again(QString::fromStdString(home.IniFile()), QSettings::IniFormat);
    EXPECT_EQ(again.value("Languages/Languages").toString(), QStringLiteral("2"));
    EXPECT_EQ(again.allKeys(), QStringList{"Languages/Languages"});
}

TEST(LanguageChoice, RestoringAppliesOnlyAnExactCode)
{
    const std::pair<QVariant, const char*> cases[] = {
        {QStringLiteral("1"), "File"},
        {QStringLiteral("2"), "Archivo"},
        {QStringLiteral("3"), "Arquivo"},
        {QString("2") + QChar(0) + "junk", "Archivo"},  // cut at the first zero character
        {QStringLiteral("4"), nullptr},
        {QStringLiteral("0"), nullptr},
        {QStringLiteral(" 2"), nullptr},
        {QStringLiteral("2 "), nullptr},
        {QStringLiteral("02"), nullptr},
        {QStringLiteral("Spanish"), nullptr},
        {QStringLiteral(""), nullptr},
    };
    for (const auto& [value, fileTab] : cases) {
        ConfigHome home;
        {
            QSettings ini(QString::fromStdString(home.IniFile()), QSettings::IniFormat);
            ini.setValue("Languages/Languages", value);
        }
        SettingsStore store;
        RecordingTarget target;
        RestoreLanguage(store, target);
        if (fileTab) {
            EXPECT_EQ(target.captions[int(LanguageItem::TabSheet1)], QString(fileTab)) << value.toString().toStdString();
        } else {
            EXPECT_TRUE(target.calls.empty()) << value.toString().toStdString();
        }
    }
}

TEST(LanguageChoice, NothingStoredAppliesNothingAndWritesNothing)
{
    ConfigHome home;
    SettingsStore store;
    RecordingTarget target;
    RestoreLanguage(store, target);
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(home.Dir().Listing(), "") << "starting creates no settings file";
}

TEST(LanguageChoice, ValuesOfAnotherTypeAreRefusedAtStart)
{
    for (const char* line : {"Languages=2, 3", "Languages=@ByteArray(2)", "Languages=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x2)"}) {
        ConfigHome home;
        std::filesystem::create_directories(home.Dir() / "Tarvi");
        WriteFile(home.IniFile(), std::string("[Languages]\n") + line + "\n");
        SettingsStore store;
        RecordingTarget target;
        EXPECT_EQ(Raised<Error>([&] { RestoreLanguage(store, target); }), "Invalid data type for 'Languages'") << line;
        EXPECT_TRUE(target.calls.empty());
    }
}

TEST(LanguageChoice, ACorruptFileIsIgnoredAtStart)
{
    ConfigHome home;
    std::filesystem::create_directories(home.Dir() / "Tarvi");
    WriteFile(home.IniFile(), std::string("\x01\xFF[[[Languages\n=\n\0\0garbage", 22));
    SettingsStore store;
    RecordingTarget target;
    EXPECT_EQ(Raised<Error>([&] { RestoreLanguage(store, target); }), "");
    EXPECT_TRUE(target.calls.empty());
}

TEST(LanguageChoice, AFailedStoreKeepsTheLanguage)
{
    TempDir dir;
    WriteFile(dir / "not-a-folder", "x");
    ConfigHome home(dir / "not-a-folder");  // the config folder cannot be created
    SettingsStore store;
    RecordingTarget target;
    EXPECT_EQ(Raised<Error>([&] { SelectLanguage(Language::Portuguese, store, target); }),
              "Failed to create key Tarvi\\Zanfo\\Languages");
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(MessageTexts[MsgCodifyPrompt], QStringLiteral("Type the Password"));
}

TEST(LanguageChoice, AFullDiskFailsToSetTheData)
{
    SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << "mounting a small file system needs root";
    ConfigHome home(disk.Dir().Path());
    std::filesystem::create_directories(disk.Dir() / "Tarvi");
    WriteFile(disk.Dir() / "filler", std::string(64 * 1024, 'x'));
    SettingsStore store;
    RecordingTarget target;
    EXPECT_EQ(Raised<Error>([&] { SelectLanguage(Language::Spanish, store, target); }),
              "Failed to set data for 'Languages'");
    EXPECT_TRUE(target.calls.empty());
}
