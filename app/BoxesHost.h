#pragma once
#include "codec/Operation.h"

class QLineEdit;
class QWidget;

namespace zanfo {

// The operations' host over two file-name boxes and the real dialogs; the
// texts come from MessageTexts of the current language.
class BoxesHost : public OperationHost {
public:
    BoxesHost(QWidget* parent, QLineEdit* inFileBox, QLineEdit* outFileBox, TDCP_blockcipher& cipher);

    std::string InFileName() override;
    std::string OutFileName() override;
    void FocusOutFileBox() override;
    void ClearFileBoxes() override;
    std::string Text(MessageId id) override;
    void ShowInformation(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    std::optional<std::string> AskPassword(const std::string& prompt) override;
    TDCP_blockcipher& Cipher() override { return cipher_; }

protected:
    QWidget* parent_;

private:
    QLineEdit* inFileBox_;
    QLineEdit* outFileBox_;
    TDCP_blockcipher& cipher_;
};

}  // namespace zanfo
