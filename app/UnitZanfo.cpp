#include "UnitZanfo.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include "ErrorHandler.h"
#include "Maker.h"
#include "UrlLabel.h"
#include "WindowHost.h"
#include "lang/LanguageChoice.h"

namespace zanfo {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                        const QString& picture = {}, int pictureSize = 0)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    if (!picture.isEmpty()) {
        button->setIcon(QIcon(picture));
        button->setIconSize(QSize(pictureSize, pictureSize));
    }
    return button;
}

// A label sized to its caption, at its place.
void PlaceLabel(QLabel* label, int left, int top)
{
    label->adjustSize();
    label->move(left, top);
    label->resize(label->width(), 13);
}

// The file's name without its folder.
QString NameOf(const QString& path)
{
#ifdef Q_OS_WIN
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char(':')));
#else
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
#endif
    return path.mid(cut + 1);
}

// The design's fonts are Windows fonts; elsewhere the nearest in width stand in,
// so the captions fit where the layout puts them.
void SubstituteFonts()
{
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)done;
}

}  // namespace

QString ProposeProtectedName(const QString& plainPath)
{
    return DefaultOutputFolder() + NameOf(plainPath) + QStringLiteral(".xxx");
}

QString ProposePlainName(const QString& protectedPath)
{
    return protectedPath.size() > 4 ? protectedPath.left(protectedPath.size() - 4) : QString();
}

TFP::TFP(const QStringList& arguments, LanguageStore& store, QWidget* parent)
    : QWidget(parent), arguments_(arguments), store_(store)
{
    CreateControls();
    host_ = std::make_unique<WindowHost>(this, InFileBox, OutFileBox, DCP_blowfish1);
    FormCreate();
}

TFP::~TFP() = default;

void TFP::CreateControls()
{
    SubstituteFonts();
    setObjectName(QStringLiteral("FP"));
    setWindowTitle(QStringLiteral("Zanfo - ") + MakerDomain);
    // A fixed window with the system menu and the close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(687, 173);
    setAcceptDrops(true);
    // The design's font; where it is missing, Qt falls back to the system's sans.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 687, 173);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet1, QStringLiteral("File"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Languages"));
    PageControl1->addTab(TabSheet3, QStringLiteral("About"));

    // File tab.
    B_NovoArquivo = MakeButton(TabSheet1, "B_NovoArquivo", QStringLiteral("New File"), {5, 15, 150, 25},
                               QStringLiteral(":/pictures/new_file.png"), 16);
    B_AbrirArquivo = MakeButton(TabSheet1, "B_AbrirArquivo", QStringLiteral("Open File"), {177, 15, 150, 25},
                                QStringLiteral(":/pictures/open_folder.png"), 16);
    B_C = MakeButton(TabSheet1, "B_C", QStringLiteral("Codify File"), {349, 15, 150, 25},
                     QStringLiteral(":/pictures/tick.png"), 20);
    B_D = MakeButton(TabSheet1, "B_D", QStringLiteral("Decodify File"), {521, 15, 150, 25},
                     QStringLiteral(":/pictures/tick.png"), 20);
    InFileBox = new QLineEdit(TabSheet1);
    InFileBox->setObjectName(QStringLiteral("InFileBox"));
    InFileBox->setGeometry(65, 60, 605, 21);
    InFileBox->setReadOnly(true);
    OutFileBox = new QLineEdit(TabSheet1);
    OutFileBox->setObjectName(QStringLiteral("OutFileBox"));
    OutFileBox->setGeometry(65, 90, 605, 21);
    OutFileBox->setReadOnly(true);
    Label1 = new QLabel(QStringLiteral("Input File"), TabSheet1);
    Label1->setObjectName(QStringLiteral("Label1"));
    PlaceLabel(Label1, 5, 65);
    Label2 = new QLabel(QStringLiteral("Output File"), TabSheet1);
    Label2->setObjectName(QStringLiteral("Label2"));
    PlaceLabel(Label2, 5, 95);
    // The labels name their boxes, for the keyboard and for screen readers.
    Label1->setBuddy(InFileBox);
    Label2->setBuddy(OutFileBox);
    InFileBox->setAccessibleName(Label1->text());
    OutFileBox->setAccessibleName(Label2->text());
    setTabOrder(InFileBox, OutFileBox);
    setTabOrder(OutFileBox, B_NovoArquivo);
    setTabOrder(B_NovoArquivo, B_AbrirArquivo);
    setTabOrder(B_AbrirArquivo, B_C);
    setTabOrder(B_C, B_D);

    // Languages tab: the buttons keep their own names in every language.
    B_English = MakeButton(TabSheet2, "B_English", QStringLiteral("English"), {5, 15, 670, 25});
    B_Espanol = MakeButton(TabSheet2, "B_Espanol", QString::fromUtf8("Español"), {5, 60, 670, 25});
    B_Portugues = MakeButton(TabSheet2, "B_Portugues", QString::fromUtf8("Português"), {5, 105, 670, 25});

    // About tab: the picture at its own size, the link over its empty lower part.
    Image1 = new QLabel(TabSheet3);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 681, 145);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/about.jpg")));
    UrlLabel1 = new TUrlLabel(TabSheet3);
    UrlLabel1->setObjectName(QStringLiteral("UrlLabel1"));
    QFont linkFont(QStringLiteral("Arial Black"));
    linkFont.setPixelSize(37);
    linkFont.setWeight(QFont::Black);
    linkFont.setUnderline(true);
    UrlLabel1->setFont(linkFont);
    UrlLabel1->setText(MakerDomain.toUpper());
    UrlLabel1->URL = MakerAddress;
    UrlLabel1->ActiveColor = Qt::black;
    UrlLabel1->DetectMouse = true;
    UrlLabel1->adjustSize();
    UrlLabel1->move(224, 95);

    OpenDialog1 = {QStringLiteral("Select File"), QStringLiteral("*.*|*.*"), QStringLiteral("*.*"),
                   QDir::homePath(), QString()};
    OpenDialog2 = {QStringLiteral("Open File"), QStringLiteral("Zanfo|*.xxx"), QStringLiteral("*.xxx"),
                   QDir::cleanPath(DefaultOutputFolder()), QString()};

    connect(B_NovoArquivo, &QPushButton::clicked, this, [this] { B_NovoArquivoClick(); });
    connect(B_AbrirArquivo, &QPushButton::clicked, this, [this] { B_AbrirArquivoClick(); });
    connect(B_C, &QPushButton::clicked, this, [this] { B_CClick(); });
    connect(B_D, &QPushButton::clicked, this, [this] { B_DClick(); });
    connect(B_English, &QPushButton::clicked, this, [this] { B_EnglishClick(); });
    connect(B_Espanol, &QPushButton::clicked, this, [this] { B_EspanolClick(); });
    connect(B_Portugues, &QPushButton::clicked, this, [this] { B_PortuguesClick(); });

    SkinData1.Active = true;
    SkinData1.SkinFormtype = TSkinFormtype::sfMainform;
    using C = TSkinControl;
    SkinData1.SkinControls = {C::xcMainMenu, C::xcPopupMenu, C::xcToolbar, C::xcControlbar, C::xcCombo,
                              C::xcCheckBox, C::xcRadioButton, C::xcProgress, C::xcScrollbar, C::xcEdit,
                              C::xcButton, C::xcBitBtn, C::xcSpeedButton, C::xcPanel, C::xcGroupBox,
                              C::xcStatusBar, C::xcTab, C::xcSystemMenu};
    SkinData1.Options = {TSkinOption::xoPreview, TSkinOption::xoToolbarBK};
    SkinData1.DisableTag = 99;
    QFile skin(QStringLiteral(":/skin.qss"));
    if (skin.open(QIODevice::ReadOnly)) SkinData1.SkinStream = skin.readAll();
    SkinData1.Apply(this);
}

void TFP::SetProgressDelay(int ms) { host_->SetProgressDelay(ms); }

void TFP::SetCaption(LanguageItem item, const QString& text)
{
    using I = LanguageItem;
    switch (item) {
    case I::OpenDialog1: OpenDialog1.Title = text; break;
    case I::OpenDialog2: OpenDialog2.Title = text; break;
    case I::TabSheet1: PageControl1->setTabText(0, text); break;
    case I::TabSheet2: PageControl1->setTabText(1, text); break;
    case I::TabSheet3: PageControl1->setTabText(2, text); break;
    case I::B_NovoArquivo: B_NovoArquivo->setText(text); break;
    case I::B_AbrirArquivo: B_AbrirArquivo->setText(text); break;
    case I::B_C: B_C->setText(text); break;
    case I::B_D: B_D->setText(text); break;
    case I::Label1:
        Label1->setText(text);
        PlaceLabel(Label1, 5, 65);
        InFileBox->setAccessibleName(text);
        break;
    case I::Label2:
        Label2->setText(text);
        PlaceLabel(Label2, 5, 95);
        OutFileBox->setAccessibleName(text);
        break;
    case I::InFileBox:
    case I::OutFileBox: break;
    }
}

void TFP::SetLeft(LanguageItem item, int left)
{
    QLineEdit* box = item == LanguageItem::InFileBox ? InFileBox : OutFileBox;
    box->move(left, box->y());
}

void TFP::SetWidth(LanguageItem item, int width)
{
    QLineEdit* box = item == LanguageItem::InFileBox ? InFileBox : OutFileBox;
    box->resize(width, box->height());
}

void TFP::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    FormShow();
}

void TFP::FormCreate()
{
    Guard(this, [this] { RestoreLanguage(store_, *this); });
}

void TFP::FormShow()
{
    if (arguments_.size() < 2) return;
    const QString& first = arguments_.at(1);
    if (!QFileInfo(first).isFile()) return;
    InFileBox->setText(first);
    OutFileBox->setText(ProposePlainName(first));
}

void TFP::TakePlainFile(const QString& path)
{
    InFileBox->setText(path);
    // Nothing else on this system would ever create the folder of proposals.
    QDir().mkpath(DefaultOutputFolder());
    OutFileBox->setText(ProposeProtectedName(path));
    B_C->setFocus();
}

void TFP::TakeProtectedFile(const QString& path)
{
    InFileBox->setText(path);
    OutFileBox->setText(ProposePlainName(path));
    B_D->setFocus();
}

void TFP::B_NovoArquivoClick()
{
    const std::optional<QString> picked = dialogRunner_(this, OpenDialog1);
    if (!picked) return;
    OpenDialog1.FileName = QStringLiteral(" ");
    TakePlainFile(*picked);
}

void TFP::B_AbrirArquivoClick()
{
    const std::optional<QString> picked = dialogRunner_(this, OpenDialog2);
    if (!picked) return;
    OpenDialog2.FileName = QStringLiteral(" ");
    TakeProtectedFile(*picked);
}

namespace {

// The one existing file a drop carries, or nothing: folders, several files and
// anything that is not a file are not taken.
std::optional<QString> DroppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().first();
    if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile()) return std::nullopt;
    return QDir::toNativeSeparators(url.toLocalFile());
}

}  // namespace

void TFP::dragEnterEvent(QDragEnterEvent* event)
{
    if (DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void TFP::dropEvent(QDropEvent* event)
{
    const std::optional<QString> file = DroppedFile(event->mimeData());
    if (!file) return;
    event->acceptProposedAction();
    if (file->endsWith(QStringLiteral(".xxx"), Qt::CaseInsensitive))
        TakeProtectedFile(*file);
    else
        TakePlainFile(*file);
}

void TFP::B_CClick()
{
    Guard(this, [this] { RunOperation(OperationKind::Codify, *host_); });
}

void TFP::B_DClick()
{
    Guard(this, [this] { RunOperation(OperationKind::Decodify, *host_); });
}

void TFP::SelectLanguage(Language language)
{
    Guard(this, [&] { zanfo::SelectLanguage(language, store_, *this); });
}

void TFP::B_EnglishClick() { SelectLanguage(Language::English); }
void TFP::B_EspanolClick() { SelectLanguage(Language::Spanish); }
void TFP::B_PortuguesClick() { SelectLanguage(Language::Portuguese); }

}  // namespace zanfo
