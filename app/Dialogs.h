#pragma once
#include <QDialog>
#include <QString>
#include <optional>

class QLineEdit;

namespace zanfo {

// The information box: the information icon, the platform's caption for it, OK.
void ShowInformationBox(QWidget* parent, const QString& text);

// The plain message box: no icon, captioned with the application's title, OK.
void ShowPlainMessageBox(QWidget* parent, const QString& text);

// The password box: caption "Zanfo", the prompt, one unmasked line of at most
// 255 characters that only takes what Windows-1252 can carry, OK and Cancel.
class PasswordBox final : public QDialog {
    Q_OBJECT
public:
    PasswordBox(QWidget* parent, const QString& prompt);
    // The typed text after OK; nothing after Cancel, Escape or closing.
    static std::optional<QString> Ask(QWidget* parent, const QString& prompt);

private:
    QLineEdit* edit_;
};

}  // namespace zanfo
