#include "Dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

#include "codec/Windows1252.h"

namespace zanfo {
namespace {

// Takes a text only when every character has a Windows-1252 byte: the password's
// bytes are hashed in that code page, as the Windows builds do.
class Windows1252Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (const char32_t c : input.toUcs4())
            if (!ToWindows1252(c)) return Invalid;
        return Acceptable;
    }
};

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.setObjectName(icon == QMessageBox::Information ? QStringLiteral("InformationBox")
                                                       : QStringLiteral("MessageBox"));
    box.exec();
}

}  // namespace

void ShowInformationBox(QWidget* parent, const QString& text)
{
    ShowBox(parent, QMessageBox::Information, QApplication::translate("Zanfo", "Information"), text);
}

void ShowPlainMessageBox(QWidget* parent, const QString& text)
{
    ShowBox(parent, QMessageBox::NoIcon, QApplication::applicationDisplayName(), text);
}

PasswordBox::PasswordBox(QWidget* parent, const QString& prompt) : QDialog(parent)
{
    setObjectName(QStringLiteral("PasswordBox"));
    setWindowTitle(QStringLiteral("Zanfo"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* label = new QLabel(prompt, this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("PasswordEdit"));
    edit_->setMaxLength(255);
    edit_->setValidator(new Windows1252Validator(edit_));
    label->setBuddy(edit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

std::optional<QString> PasswordBox::Ask(QWidget* parent, const QString& prompt)
{
    PasswordBox box(parent, prompt);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.edit_->text();
}

}  // namespace zanfo
