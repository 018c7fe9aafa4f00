#include "LanguageChoice.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

#include "crypto/Error.h"

namespace zanfo {
namespace {

// The settings object for a key path such as "Tarvi\Zanfo\Languages": the first
// two levels name the file (organisation, application), the rest is the group.
struct Location {
    std::unique_ptr<QSettings> settings;
    QString group;
};

Location Open(const QString& keyPath)
{
    const QStringList levels = keyPath.split(QLatin1Char('\\'));
    Location at;
    at.group = levels.mid(2).join(QLatin1Char('/'));
#ifdef Q_OS_WIN
    at.settings = std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\") + levels.mid(0, 2).join(QLatin1Char('\\')),
        QSettings::NativeFormat);
#else
    // Looked up on every access, so a changed XDG_CONFIG_HOME is honoured.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    at.settings = std::make_unique<QSettings>(
        folder + QLatin1Char('/') + levels.value(0) + QLatin1Char('/') + levels.value(1) +
            QStringLiteral(".ini"),
        QSettings::IniFormat);
#endif
    return at;
}

[[noreturn]] void Raise(const QString& text) { throw Error(text.toStdString()); }

}  // namespace

void SettingsStore::Write(const QString& keyPath, const QString& name, const QString& value)
{
    Location at = Open(keyPath);
    const QString file = at.settings->fileName();
    const bool creatable = QDir().mkpath(QFileInfo(file).absolutePath()) && at.settings->isWritable();
    if (!creatable) Raise(QStringLiteral("Failed to create key %1").arg(keyPath));
    at.settings->beginGroup(at.group);
    at.settings->setValue(name, value);
    at.settings->endGroup();
    at.settings->sync();
    if (at.settings->status() != QSettings::NoError)
        Raise(QStringLiteral("Failed to set data for '%1'").arg(name));
}

QString SettingsStore::Read(const QString& keyPath, const QString& name)
{
    Location at = Open(keyPath);
    at.settings->beginGroup(at.group);
    const QVariant value = at.settings->value(name);
    at.settings->endGroup();
    if (!value.isValid()) return {};
    if (value.typeId() != QMetaType::QString) Raise(QStringLiteral("Invalid data type for '%1'").arg(name));
    QString text = value.toString();
    // A stored string ends at its first zero character.
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0) text.truncate(zero);
    return text;
}

void SelectLanguage(Language language, LanguageStore& store, LanguageTarget& target)
{
    store.Write(LanguageKeyPath, LanguageValueName, QString::fromLatin1(TextsOf(language).code));
    ApplyLanguage(language, target);
}

void RestoreLanguage(LanguageStore& store, LanguageTarget& target)
{
    const QString stored = store.Read(LanguageKeyPath, LanguageValueName);
    for (const Language language : {Language::English, Language::Spanish, Language::Portuguese}) {
        if (stored == QLatin1String(TextsOf(language).code)) {
            ApplyLanguage(language, target);
            return;
        }
    }
}

}  // namespace zanfo
