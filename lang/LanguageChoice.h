#pragma once
#include <QString>

#include "ApplyLanguage.h"

namespace zanfo {

// Where the stored choice lives: the key path and value name it is kept under.
inline const QString LanguageKeyPath = QStringLiteral("Tarvi\\Zanfo\\Languages");
inline const QString LanguageValueName = QStringLiteral("Languages");

// One string value per key path of the current user.
class LanguageStore {
public:
    virtual ~LanguageStore() = default;
    // Writes value under keyPath, creating it. Raises Error ("Failed to create key %s",
    // "Failed to set data for '%s'").
    virtual void Write(const QString& keyPath, const QString& name, const QString& value) = 0;
    // Reads it back; empty when missing. Raises Error ("Invalid data type for '%s'")
    // for a value that is not a plain string.
    virtual QString Read(const QString& keyPath, const QString& name) = 0;
};

// The user's settings: on Linux an INI file, <config folder>/Tarvi/Zanfo.ini, where
// the config folder is $XDG_CONFIG_HOME (default ~/.config); on Windows the registry.
class SettingsStore final : public LanguageStore {
public:
    void Write(const QString& keyPath, const QString& name, const QString& value) override;
    QString Read(const QString& keyPath, const QString& name) override;
};

// A language button: store the code first, then apply. A failed store raises
// and leaves the language as it was.
void SelectLanguage(Language language, LanguageStore& store, LanguageTarget& target);

// At start: apply the stored language when it is exactly "1", "2" or "3"; otherwise
// nothing. Never writes.
void RestoreLanguage(LanguageStore& store, LanguageTarget& target);

}  // namespace zanfo
