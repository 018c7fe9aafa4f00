#include "app/Dialogs.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app/BoxesHost.h"
#include "codec/ProtectedFile.h"
#include "crypto/Blowfish.h"
#include "lang/MessageTexts.h"
#include "support/Hex.h"
#include "support/Protect.h"
#include "support/TempDir.h"
#include "ModalAnswers.h"

using namespace zanfo;

namespace {


ModalAnswers::Answer Expect(QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    return [=](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->icon(), icon);
        EXPECT_EQ(box->windowTitle(), caption);
        EXPECT_EQ(box->text(), text);
        box->button(QMessageBox::Ok)->click();
    };
}


}  // namespace

TEST(Dialogs, PasswordBoxAnswers)
{
    struct Case {
        QString typed;
        int key;
        std::optional<QString> result;
    };
    const Case cases[] = {
        {"secret", Qt::Key_Return, QString("secret")},
        {"", Qt::Key_Return, QString("")},           // OK on an empty line: the empty password
        {"secret", Qt::Key_Escape, std::nullopt},    // Escape is Cancel
        {QString::fromUtf8("Año€"), Qt::Key_Return, QString::fromUtf8("Año€")},
        {QString::fromUtf8("a日b"), Qt::Key_Return, QString("ab")},  // not in Windows-1252: not taken
        {QString(300, 'x'), Qt::Key_Return, QString(255, 'x')},
    };
    for (const Case& c : cases) {
        ModalAnswers answers{[&](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Zanfo");
            EXPECT_EQ(dialog->findChild<QLabel*>()->text(), "Type the Password");
            auto* edit = dialog->findChild<QLineEdit*>("PasswordEdit");
            EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
            Type(c.typed, Qt::Key(c.key))(dialog);
        }};
        EXPECT_EQ(PasswordBox::Ask(nullptr, "Type the Password"), c.result) << c.typed.toStdString();
        EXPECT_EQ(answers.Left(), 0u);
    }

    // Cancel, as a button.
    ModalAnswers cancel{[](QWidget* dialog) {
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    }};
    EXPECT_EQ(PasswordBox::Ask(nullptr, "Type the Password"), std::nullopt);
}

// The host the window uses, driven through the real dialogs end to end.
TEST(Dialogs, OperationsRunThroughTheRealDialogs)
{
    TempDir dir;
    WriteFile(dir / "plain", "hello");
    QLineEdit in(QString::fromStdString(dir / "plain")), out(QString::fromStdString(dir / "plain.xxx"));
    TDCP_blowfish cipher;
    BoxesHost host(nullptr, &in, &out, cipher);
    {
        ModalAnswers answers{Type(QString::fromUtf8("Seña")),
                             Expect(QMessageBox::NoIcon, "Zanfo", MessageTexts[MsgFileCodified])};
        RunOperation(OperationKind::Codify, host);
        EXPECT_EQ(answers.Left(), 0u);
    }
    EXPECT_EQ(ReadFile(dir / "plain.xxx"), Protect("Se\xF1" "a", "hello"));
    EXPECT_TRUE(in.text().isEmpty() && out.text().isEmpty());

    // The same names twice: the information box, then the output box has the focus.
    in.setText(QString::fromStdString(dir / "plain"));
    out.setText(in.text());
    {
        ModalAnswers answers{Expect(QMessageBox::Information, "Information", "The files is equals")};
        RunOperation(OperationKind::Decodify, host);
        EXPECT_EQ(answers.Left(), 0u);
    }
    EXPECT_EQ(out.selectedText(), out.text());
}
