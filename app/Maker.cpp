#include "Maker.h"

#include <QDir>

namespace zanfo {

QString DefaultOutputFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\") + MakerDomain + QStringLiteral("\\Zanfo\\OutPut\\");
#else
    return QDir::homePath() + QLatin1Char('/') + MakerDomain + QStringLiteral("/Zanfo/OutPut/");
#endif
}

}  // namespace zanfo
