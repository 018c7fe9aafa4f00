#include "BoxesHost.h"

#include <QFile>
#include <QLineEdit>

#include "Dialogs.h"
#include "crypto/Wipe.h"
#include "lang/MessageTexts.h"

namespace zanfo {

BoxesHost::BoxesHost(QWidget* parent, QLineEdit* inFileBox, QLineEdit* outFileBox,
                     TDCP_blockcipher& cipher)
    : parent_(parent), inFileBox_(inFileBox), outFileBox_(outFileBox), cipher_(cipher)
{
}

// File names go to the file system in its own encoding.
std::string BoxesHost::InFileName() { return QFile::encodeName(inFileBox_->text()).toStdString(); }
std::string BoxesHost::OutFileName() { return QFile::encodeName(outFileBox_->text()).toStdString(); }

void BoxesHost::FocusOutFileBox()
{
    outFileBox_->setFocus();
    outFileBox_->selectAll();
}

void BoxesHost::ClearFileBoxes()
{
    inFileBox_->clear();
    outFileBox_->clear();
}

std::string BoxesHost::Text(MessageId id) { return MessageTexts[id].toStdString(); }

void BoxesHost::ShowInformation(const std::string& text)
{
    ShowInformationBox(parent_, QString::fromStdString(text));
}

void BoxesHost::ShowMessage(const std::string& text)
{
    ShowPlainMessageBox(parent_, QString::fromStdString(text));
}

std::optional<std::string> BoxesHost::AskPassword(const std::string& prompt)
{
    std::optional<QString> typed = PasswordBox::Ask(parent_, QString::fromStdString(prompt));
    if (!typed) return std::nullopt;
    QByteArray utf8 = typed->toUtf8();
    std::string password(utf8.constData(), std::size_t(utf8.size()));
    SecureZero(utf8.data(), std::size_t(utf8.size()));
    typed->fill(QChar(0));
    return password;
}

}  // namespace zanfo
