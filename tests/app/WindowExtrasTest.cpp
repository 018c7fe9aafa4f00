// The window's additions for everyday use: progress with Cancel, drag and drop.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "ModalAnswers.h"
#include "app/Maker.h"
#include "app/UnitZanfo.h"
#include "lang/LanguageChoice.h"
#include "support/Hex.h"
#include "support/TempDir.h"

using namespace zanfo;

namespace {

struct Window {
    Window()
    {
        ::setenv("HOME", home.Path().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    }
    TempDir home;
    SettingsStore store;
    TFP fp{{"zanfo"}, store};
};

// Sends a drag and a drop of `data` (which it frees) to the window; true when
// the drag was accepted.
bool Drop(TFP& fp, QMimeData* data)
{
    const std::unique_ptr<QMimeData> owned(data);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fp, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fp, &drop);
    return enter.isAccepted();
}

QMimeData* Files(std::initializer_list<std::string> paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const auto& p : paths) urls.push_back(QUrl::fromLocalFile(QString::fromStdString(p)));
    data->setUrls(urls);
    return data;
}

}  // namespace

TEST(Progress, CancelDuringALongRunLeavesNoFile)
{
    Window w;
    TempDir dir;
    WriteFile(dir / "big", std::string(48 << 20, 'z'));
    WriteFile(dir / "big.xxx", "precious");
    w.fp.InFileBox->setText(QString::fromStdString(dir / "big"));
    w.fp.OutFileBox->setText(QString::fromStdString(dir / "big.xxx"));
    w.fp.SetProgressDelay(0);  // show at once: the test need not wait half a second

    ModalAnswers answers{Type("pw"), [](QWidget* dialog) {
                             auto* progress = qobject_cast<QProgressDialog*>(dialog);
                             ASSERT_NE(progress, nullptr);
                             EXPECT_EQ(progress->windowTitle(), "Zanfo");
                             EXPECT_EQ(progress->labelText(), "big");
                             progress->findChild<QPushButton*>()->click();
                         }};
    w.fp.B_C->click();
    EXPECT_EQ(answers.Left(), 0u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no message after a cancel";
    EXPECT_EQ(ReadFile(dir / "big.xxx"), "precious");
    EXPECT_EQ(dir.Listing(), "big big.xxx ");
    EXPECT_FALSE(w.fp.InFileBox->text().isEmpty());
    EXPECT_FALSE(w.fp.OutFileBox->text().isEmpty());
}

TEST(DragAndDrop, OneFileIsTakenAsThePickersWouldTakeIt)
{
    Window w;
    TFP& fp = w.fp;
    TempDir dir;
    WriteFile(dir / "report.doc", "x");
    WriteFile(dir / "report.doc.xxx", "x");
    std::filesystem::create_directory(dir / "folder");

    EXPECT_TRUE(Drop(fp, Files({dir / "report.doc"})));
    EXPECT_EQ(fp.InFileBox->text().toStdString(), dir / "report.doc");
    EXPECT_EQ(fp.OutFileBox->text(), DefaultOutputFolder() + "report.doc.xxx");
    EXPECT_EQ(fp.focusWidget(), fp.B_C);

    EXPECT_TRUE(Drop(fp, Files({dir / "report.doc.xxx"})));
    EXPECT_EQ(fp.InFileBox->text().toStdString(), dir / "report.doc.xxx");
    EXPECT_EQ(fp.OutFileBox->text().toStdString(), dir / "report.doc");
    EXPECT_EQ(fp.focusWidget(), fp.B_D);
    EXPECT_EQ(fp.OpenDialog2.FileName, "") << "a drop is not a pick with the dialog";

    auto* text = new QMimeData;
    text->setText(QString::fromStdString(dir / "report.doc"));
    QMimeData* ignored[] = {Files({dir / "folder"}), Files({dir / "report.doc", dir / "report.doc.xxx"}),
                            Files({dir / "missing"}), text};
    for (QMimeData* data : ignored) {
        EXPECT_FALSE(Drop(fp, data));
        EXPECT_EQ(fp.InFileBox->text().toStdString(), dir / "report.doc.xxx");
        EXPECT_EQ(fp.OutFileBox->text().toStdString(), dir / "report.doc");
    }
}
