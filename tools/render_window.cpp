// Renders the main window, each tab in each language, to PNG files:
//   render_window OUTPUT_FOLDER        (run under xvfb-run; see scripts/screenshots.sh)
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>

#include "app/UnitZanfo.h"
#include "lang/LanguageChoice.h"

namespace {

// Keeps the choice in memory: rendering must not touch the user's settings.
class MemoryStore final : public zanfo::LanguageStore {
public:
    void Write(const QString&, const QString&, const QString& value) override { value_ = value; }
    QString Read(const QString&, const QString&) override { return value_; }

private:
    QString value_;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Zanfo"));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    MemoryStore store;
    zanfo::TFP window({QStringLiteral("zanfo")}, store);
    window.InFileBox->setText(QStringLiteral("/home/ana/Documents/report.pdf"));
    window.OutFileBox->setText(zanfo::ProposeProtectedName(window.InFileBox->text()));
    window.show();
    const struct {
        const char* name;
        void (zanfo::TFP::*select)();
    } languages[] = {{"english", &zanfo::TFP::B_EnglishClick},
                     {"spanish", &zanfo::TFP::B_EspanolClick},
                     {"portuguese", &zanfo::TFP::B_PortuguesClick}};
    const char* tabs[] = {"file", "languages", "about"};
    for (const auto& language : languages) {
        (window.*language.select)();
        for (int tab = 0; tab < 3; ++tab) {
            window.PageControl1->setCurrentIndex(tab);
            QApplication::processEvents();
            const QString file = out.filePath(QStringLiteral("%1-%2.png").arg(language.name, tabs[tab]));
            if (!window.grab().save(file)) return 1;
        }
    }
    return 0;
}
