#pragma once
#include <QString>

namespace zanfo {

// The maker's web domain: the window caption, the output folder, the About link
// and the version record all say it, from this one place.
inline const QString MakerDomain = QStringLiteral("tarvi.example");

// The web address the About link opens, without its scheme.
inline const QString MakerAddress = QStringLiteral("www.tarvi.example");

// The product's version, as the version record gives it.
inline const QString ZanfoVersion = QStringLiteral("2.0.0.7");

// The year of this release, as the About picture shows it.
inline constexpr int ReleaseYear = 2026;

// Where New File proposes protected files: ~/<maker domain>/Zanfo/OutPut/ on Linux,
// C:\<maker domain>\Zanfo\OutPut\ on Windows. Ends with a separator.
QString DefaultOutputFolder();

}  // namespace zanfo
