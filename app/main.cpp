// Zanfo: protects single files with a password.
#include <QIcon>

#include "ErrorHandler.h"
#include "Maker.h"
#include "UnitZanfo.h"
#include "lang/LanguageChoice.h"

int main(int argc, char** argv)
{
    zanfo::ZanfoApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zanfo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zanfo"));
    QApplication::setApplicationVersion(zanfo::ZanfoVersion);
    QApplication::setOrganizationDomain(zanfo::MakerDomain);
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/zanfo16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/pictures/zanfo32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);

    zanfo::SettingsStore store;
    zanfo::TFP FP(QApplication::arguments(), store);
    FP.show();
    return QApplication::exec();
}
