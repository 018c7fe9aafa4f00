#include "app/UnitZanfo.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "ModalAnswers.h"
#include "app/Maker.h"
#include "app/UrlLabel.h"
#include "codec/ProtectedFile.h"
#include "crypto/Blowfish.h"
#include "lang/LanguageChoice.h"
#include "support/Hex.h"
#include "support/Protect.h"
#include "support/TempDir.h"

using namespace zanfo;

namespace {

// A home and a config folder of the test's own: the window stores its language
// and creates its output folder there.
class UserFolders {
public:
    UserFolders()
    {
        ::setenv("HOME", home_.Path().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home_ / ".config").c_str(), 1);
    }
    void StoreLanguage(const QVariant& value) const
    {
        QSettings ini(QString::fromStdString(home_ / ".config/Tarvi/Zanfo.ini"), QSettings::IniFormat);
        ini.setValue("Languages/Languages", value);
    }
    QString StoredLanguage() const
    {
        QSettings ini(QString::fromStdString(home_ / ".config/Tarvi/Zanfo.ini"), QSettings::IniFormat);
        return ini.value("Languages/Languages").toString();
    }
    const TempDir& Home() const { return home_; }

private:
    TempDir home_;
};

struct Window {
    explicit Window(const QStringList& args = {"zanfo"}) : fp(args, store) {}
    SettingsStore store;
    TFP fp;
};



ModalAnswers::Answer Ok(const QString& expectedText)
{
    return [expectedText](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), expectedText);
        box->button(QMessageBox::Ok)->click();
    };
}

void ExpectEnglish(TFP& fp)
{
    EXPECT_EQ(fp.PageControl1->tabText(0), "File");
    EXPECT_EQ(fp.B_C->text(), "Codify File");
    EXPECT_EQ(fp.Label2->text(), "Output File");
    EXPECT_EQ(fp.OpenDialog1.Title, "Select File");
    EXPECT_EQ(fp.InFileBox->geometry(), QRect(65, 60, 605, 21));
    EXPECT_EQ(fp.OutFileBox->geometry(), QRect(65, 90, 605, 21));
}

}  // namespace

TEST(Window, LayoutAndNames)
{
    UserFolders folders;
    Window w;
    TFP& fp = w.fp;
    EXPECT_EQ(fp.windowTitle(), "Zanfo - " + MakerDomain);
    EXPECT_EQ(fp.size(), QSize(687, 173));
    EXPECT_EQ(fp.minimumSize(), fp.maximumSize()) << "the user cannot resize it";
    EXPECT_FALSE(fp.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(fp.windowFlags() & Qt::WindowCloseButtonHint);

    const std::pair<const char*, QRect> places[] = {
        {"PageControl1", {0, 0, 687, 173}},  {"B_NovoArquivo", {5, 15, 150, 25}},
        {"B_AbrirArquivo", {177, 15, 150, 25}}, {"B_C", {349, 15, 150, 25}},
        {"B_D", {521, 15, 150, 25}},          {"InFileBox", {65, 60, 605, 21}},
        {"OutFileBox", {65, 90, 605, 21}},    {"B_English", {5, 15, 670, 25}},
        {"B_Espanol", {5, 60, 670, 25}},      {"B_Portugues", {5, 105, 670, 25}},
        {"Image1", {0, 0, 681, 145}},
    };
    for (const auto& [name, rect] : places) {
        auto* widget = fp.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->geometry(), rect) << name;
    }
    EXPECT_EQ(fp.Label1->pos(), QPoint(5, 65));
    EXPECT_EQ(fp.Label2->pos(), QPoint(5, 95));
    EXPECT_EQ(fp.UrlLabel1->pos(), QPoint(224, 95));
    EXPECT_EQ(fp.Label1->buddy(), fp.InFileBox);
    EXPECT_EQ(fp.Label2->buddy(), fp.OutFileBox);
    EXPECT_EQ(fp.InFileBox->accessibleName(), "Input File");
    EXPECT_TRUE(fp.InFileBox->isReadOnly() && fp.OutFileBox->isReadOnly());
    EXPECT_EQ(fp.B_Espanol->text(), QString::fromUtf8("Español"));
    EXPECT_EQ(fp.B_Portugues->text(), QString::fromUtf8("Português"));
    EXPECT_EQ(fp.B_C->iconSize(), QSize(20, 20));
    EXPECT_EQ(fp.B_NovoArquivo->iconSize(), QSize(16, 16));
    EXPECT_EQ(fp.Image1->pixmap().size(), QSize(679, 145));

    // Tab order: the boxes, then the four buttons.
    QWidget* order[] = {fp.InFileBox, fp.OutFileBox, fp.B_NovoArquivo, fp.B_AbrirArquivo, fp.B_C, fp.B_D};
    for (int i = 0; i + 1 < 6; ++i) EXPECT_EQ(order[i]->nextInFocusChain(), order[i + 1]) << i;

    // The skin draws the window and its controls.
    EXPECT_TRUE(TSkinData::IsSkinned(&fp));
    EXPECT_TRUE(TSkinData::IsSkinned(fp.B_C));
    EXPECT_TRUE(TSkinData::IsSkinned(fp.InFileBox));
    EXPECT_EQ(fp.DCP_blowfish1.Algorithm(), "Blowfish");
    EXPECT_EQ(fp.DCP_sha11.Algorithm(), "SHA1");
}

TEST(Window, AControlTaggedNinetyNineKeepsThePlainLook)
{
    QWidget form;
    auto* plain = new QPushButton("plain", &form);
    plain->setProperty("tag", 99);
    auto* skinned = new QPushButton("skinned", &form);
    TSkinData skin;
    skin.Active = true;
    skin.SkinControls = {TSkinControl::xcButton};
    skin.Apply(&form);
    EXPECT_FALSE(TSkinData::IsSkinned(plain));
    EXPECT_TRUE(TSkinData::IsSkinned(skinned));
}

TEST(Window, StartsInTheStoredLanguage)
{
    {
        UserFolders folders;
        Window w;
        ExpectEnglish(w.fp);
        EXPECT_FALSE(std::filesystem::exists(folders.Home() / ".config")) << "starting stores nothing";
    }
    const std::pair<const char*, const char*> stored[] = {{"2", "Archivo de Entrada"}, {"3", "Arquivo de Entrada"}};
    for (const auto& [code, label] : stored) {
        UserFolders folders;
        folders.StoreLanguage(QString(code));
        Window w;
        EXPECT_EQ(w.fp.Label1->text(), label);
        EXPECT_EQ(w.fp.InFileBox->geometry(), QRect(110, 60, 560, 21));
        EXPECT_EQ(w.fp.PageControl1->tabText(1), "Idiomas");
    }
    UserFolders folders;
    folders.StoreLanguage(QString("02"));
    Window w;
    ExpectEnglish(w.fp);
}

TEST(Window, AStoredValueOfAnotherTypeIsReportedAndTheWindowOpensInEnglish)
{
    UserFolders folders;
    folders.StoreLanguage(QStringList{"2", "3"});
    ModalAnswers answers{[](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "ErrorBox");
        Ok("Invalid data type for 'Languages'")(dialog);
    }};
    Window w;
    EXPECT_EQ(answers.Left(), 0u);
    ExpectEnglish(w.fp);
}

TEST(Window, TheFirstArgumentPreparesDecodify)
{
    UserFolders folders;
    TempDir dir;
    WriteFile(dir / "report.doc.xxx", "x");
    WriteFile(dir / "notes.txt", "x");
    WriteFile(dir / "a.xx", "x");
    std::filesystem::create_directory(dir / "folder.xxx");
    const std::string cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());

    struct Case {
        QStringList args;
        QString in, out;
    };
    const Case cases[] = {
        {{"zanfo", QString::fromStdString(dir / "report.doc.xxx")},
         QString::fromStdString(dir / "report.doc.xxx"), QString::fromStdString(dir / "report.doc")},
        {{"zanfo", "notes.txt"}, "notes.txt", "notes"},  // a relative name stays relative
        {{"zanfo", "a.xx"}, "a.xx", ""},                 // four characters or fewer: no output name
        {{"zanfo", "notes.txt", "a.xx"}, "notes.txt", "notes"},  // only the first counts
        {{"zanfo", "folder.xxx"}, "", ""},
        {{"zanfo", "missing.xxx"}, "", ""},
        {{"zanfo"}, "", ""},
    };
    for (const Case& c : cases) {
        Window w(c.args);
        w.fp.show();
        EXPECT_EQ(w.fp.InFileBox->text(), c.in) << c.args.join(' ').toStdString();
        EXPECT_EQ(w.fp.OutFileBox->text(), c.out) << c.args.join(' ').toStdString();
        EXPECT_EQ(w.fp.PageControl1->currentIndex(), 0);
    }
    std::filesystem::current_path(cwd);
}

TEST(Window, PickersProposeOutputNames)
{
    UserFolders folders;
    Window w;
    TFP& fp = w.fp;
    std::vector<OpenDialog> opened;
    std::optional<QString> answer;
    fp.SetDialogRunner([&](QWidget*, const OpenDialog& dialog) {
        opened.push_back(dialog);
        return answer;
    });

    answer = QStringLiteral("/data/docs/report.doc");
    fp.B_NovoArquivo->click();
    EXPECT_EQ(fp.InFileBox->text(), "/data/docs/report.doc");
    EXPECT_EQ(fp.OutFileBox->text(), DefaultOutputFolder() + "report.doc.xxx");
    EXPECT_TRUE(DefaultOutputFolder().startsWith(QString::fromStdString(folders.Home().Path())));
    EXPECT_TRUE(std::filesystem::is_directory(DefaultOutputFolder().toStdString())) << "created on first proposal";
    EXPECT_EQ(fp.focusWidget(), fp.B_C);
    EXPECT_EQ(opened.back().Title, "Select File");
    EXPECT_EQ(opened.back().Filter, "*.*|*.*");
    EXPECT_EQ(opened.back().FileName, "");
    EXPECT_EQ(fp.OpenDialog1.FileName, " ");

    answer = QStringLiteral("/data/docs/README");
    fp.B_NovoArquivo->click();
    EXPECT_EQ(opened.back().FileName, " ");
    EXPECT_EQ(fp.OutFileBox->text(), DefaultOutputFolder() + "README.xxx");

    answer = QStringLiteral("/e/x/data.bin");  // typed by the user past the filter
    fp.B_AbrirArquivo->click();
    EXPECT_EQ(opened.back().Title, "Open File");
    EXPECT_EQ(opened.back().Filter, "Zanfo|*.xxx");
    EXPECT_EQ(opened.back().DefaultExt, "*.xxx");
    EXPECT_EQ(opened.back().InitialDir + "/", DefaultOutputFolder());
    EXPECT_EQ(fp.InFileBox->text(), "/e/x/data.bin");
    EXPECT_EQ(fp.OutFileBox->text(), "/e/x/data");
    EXPECT_EQ(fp.focusWidget(), fp.B_D);

    // A cancelled pick changes nothing: boxes, preset name, focus.
    answer = std::nullopt;
    fp.B_NovoArquivo->click();
    fp.B_AbrirArquivo->click();
    EXPECT_EQ(fp.InFileBox->text(), "/e/x/data.bin");
    EXPECT_EQ(fp.OutFileBox->text(), "/e/x/data");
    EXPECT_EQ(fp.focusWidget(), fp.B_D);
    EXPECT_EQ(fp.OpenDialog2.FileName, " ");

    // The pickers' titles follow the language.
    fp.B_Espanol->click();
    fp.B_NovoArquivo->click();
    EXPECT_EQ(opened.back().Title, "Seleccionar Archivo");
}

TEST(Window, CodifyAndDecodifyThroughTheWindow)
{
    UserFolders folders;
    TempDir dir;
    WriteFile(dir / "plain.txt", "window data");
    Window w;
    TFP& fp = w.fp;
    fp.SetDialogRunner([&](QWidget*, const OpenDialog&) { return QString::fromStdString(dir / "plain.txt"); });
    fp.B_NovoArquivo->click();
    const QString protectedName = fp.OutFileBox->text();
    {
        ModalAnswers answers{Type("pw"), Ok(QString(15, ' ') + "File Codified" + QString(15, ' '))};
        fp.B_C->click();
        EXPECT_EQ(answers.Left(), 0u);
    }
    EXPECT_EQ(ReadFile(protectedName.toStdString()), Protect("pw", "window data"));
    EXPECT_TRUE(fp.InFileBox->text().isEmpty() && fp.OutFileBox->text().isEmpty());

    // Decodify in Spanish, with a wrong password first.
    fp.B_Espanol->click();
    fp.SetDialogRunner([&](QWidget*, const OpenDialog&) { return protectedName; });
    fp.B_AbrirArquivo->click();
    {
        ModalAnswers answers{[](QWidget* d) {
                                 EXPECT_EQ(d->findChild<QLabel*>()->text(), QString::fromUtf8("Digite la Seña"));
                                 Type("nope")(d);
                             },
                             Ok(QString(14, ' ') + QString::fromUtf8("Seña Incorrecta") + QString(13, ' '))};
        fp.B_D->click();
        EXPECT_EQ(answers.Left(), 0u);
    }
    fp.B_AbrirArquivo->click();
    const QString plainName = fp.OutFileBox->text();
    {
        ModalAnswers answers{Type("pw"), Ok(QString(14, ' ') + "Archivo Decodificado" + QString(13, ' '))};
        fp.B_D->click();
        EXPECT_EQ(answers.Left(), 0u);
    }
    EXPECT_EQ(ReadFile(plainName.toStdString()), "window data");

    // With both boxes cleared the buttons do nothing.
    fp.B_C->click();
    fp.B_D->click();
}

TEST(Window, AnIoErrorGoesToTheErrorHandlerAndTheWindowStaysUsable)
{
    UserFolders folders;
    TempDir dir;
    WriteFile(dir / "short.xxx", "too short");
    WriteFile(dir / "short", "precious");
    Window w;
    TFP& fp = w.fp;
    fp.InFileBox->setText(QString::fromStdString(dir / "short.xxx"));
    fp.OutFileBox->setText(QString::fromStdString(dir / "short"));
    {
        ModalAnswers answers{Type("pw"), [](QWidget* d) {
                                 EXPECT_EQ(d->objectName(), "ErrorBox");
                                 Ok("Read beyond end of file")(d);
                             }};
        fp.B_D->click();
        EXPECT_EQ(answers.Left(), 0u);
    }
    EXPECT_EQ(fp.InFileBox->text().toStdString(), dir / "short.xxx");
    EXPECT_EQ(ReadFile(dir / "short"), "precious");
    EXPECT_EQ(dir.Listing(), "short short.xxx ");

    fp.OutFileBox->setText(fp.InFileBox->text());
    ModalAnswers answers{Ok("The files is equals")};
    fp.B_C->click();
    EXPECT_EQ(answers.Left(), 0u);
    EXPECT_TRUE(fp.OutFileBox->hasSelectedText());
}

TEST(Window, LanguageButtonsSwitchTheLiveWindowAndStoreTheChoice)
{
    UserFolders folders;
    Window w;
    TFP& fp = w.fp;
    fp.B_Portugues->click();
    EXPECT_EQ(folders.StoredLanguage(), "3");
    EXPECT_EQ(fp.Label2->text(), QString::fromUtf8("Arquivo de Saída"));
    EXPECT_EQ(fp.PageControl1->tabText(2), "Sobre");
    EXPECT_EQ(fp.OutFileBox->geometry(), QRect(110, 90, 560, 21));
    EXPECT_EQ(fp.B_Portugues->text(), QString::fromUtf8("Português")) << "the buttons keep their names";
    EXPECT_LE(fp.Label2->geometry().right(), 110) << "the longer label fits before the box";
    fp.B_English->click();
    EXPECT_EQ(folders.StoredLanguage(), "1");
    ExpectEnglish(fp);
}

TEST(UrlLabel, TargetsColoursAndRefusal)
{
    TUrlLabel label;
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_TRUE(label.DetectMouse);
    EXPECT_EQ(label.ActiveColor, QColor(Qt::red));
    EXPECT_EQ(label.UrlType, TUrlType::Http);
    EXPECT_EQ(label.Target(), "http://");

    label.URL = "site.example/a b";
    label.CustomUrlType = "news:";
    const std::pair<TUrlType, QString> targets[] = {
        {TUrlType::Http, "http://site.example/a b"},
        {TUrlType::Ftp, "ftp://site.example/a b"},
        {TUrlType::Custom, "news:site.example/a b"},
        {TUrlType::Mail, "mailto:site.example/a b?Subject="},
    };
    for (const auto& [type, target] : targets) {
        label.UrlType = type;
        EXPECT_EQ(label.Target(), target);
    }

    // A subject on a label that is not Mail is refused with a message.
    label.UrlType = TUrlType::Http;
    {
        ModalAnswers answers{Ok("Must be only on MAIL type")};
        label.SetMailSubject("hello");
        EXPECT_EQ(answers.Left(), 0u);
    }
    EXPECT_EQ(label.MailSubject(), "");
    label.UrlType = TUrlType::Mail;
    label.URL = "ana@site.example";
    label.SetMailSubject("Hi there");
    EXPECT_EQ(label.Target(), "mailto:ana@site.example?Subject=Hi there");
    label.UrlType = TUrlType::Ftp;
    EXPECT_EQ(label.MailSubject(), "Hi there") << "kept, but used only on Mail";

    // Entering and leaving: ActiveColor, then always blue; the events fire either way.
    int entered = 0, left = 0;
    label.OnMouseEnter = [&](TUrlLabel* sender) { entered += sender == &label; };
    label.OnMouseLeave = [&](TUrlLabel* sender) { left += sender == &label; };
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, Qt::green);
    label.setPalette(p);
    label.ActiveColor = Qt::black;
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &enter);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::black));
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::blue));
    label.DetectMouse = false;
    QApplication::sendEvent(&label, &enter);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::blue));
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(entered, 2);
    EXPECT_EQ(left, 2);
}

TEST(UrlLabel, AClickOnTheAboutLinkHandsItsTargetToTheDesktop)
{
    UserFolders folders;
    Window w;
    std::vector<QString> opened;
    TUrlLabel::SetOpener([&](const QString& target) { opened.push_back(target); });
    w.fp.resize(687, 173);
    w.fp.PageControl1->setCurrentIndex(2);
    w.fp.show();
    QTest::mouseClick(w.fp.UrlLabel1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(opened, std::vector<QString>{"http://" + MakerAddress});
    EXPECT_EQ(w.fp.UrlLabel1->text(), MakerDomain.toUpper());
    EXPECT_EQ(w.fp.UrlLabel1->ActiveColor, QColor(Qt::black));
}
