#pragma once
#include <QStringList>
#include <QWidget>
#include <memory>

#include "OpenDialog.h"
#include "SkinData.h"
#include "crypto/Blowfish.h"
#include "crypto/Sha1.h"
#include "lang/ApplyLanguage.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zanfo {

class LanguageStore;
class TUrlLabel;
class WindowHost;

// The main window: the File, Languages and About tabs. Its fields keep the
// names of the window's design, and each control has its name as objectName.
class TFP final : public QWidget, public LanguageTarget {
    Q_OBJECT
public:
    // Creates every control, then restores the stored language (FormCreate).
    // `arguments` is the command line, the program's own name first.
    TFP(const QStringList& arguments, LanguageStore& store, QWidget* parent = nullptr);
    ~TFP() override;

    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* InFileBox;
    QLineEdit* OutFileBox;
    QPushButton* B_English;
    QPushButton* B_Espanol;
    QPushButton* B_Portugues;
    OpenDialog OpenDialog1;
    OpenDialog OpenDialog2;
    TDCP_sha1 DCP_sha11;
    TDCP_blowfish DCP_blowfish1;
    QPushButton* B_NovoArquivo;
    QPushButton* B_AbrirArquivo;
    QPushButton* B_C;
    QPushButton* B_D;
    QLabel* Image1;
    TUrlLabel* UrlLabel1;
    TSkinData SkinData1;

    // Puts another file dialog in place of the real one.
    void SetDialogRunner(DialogRunner runner) { dialogRunner_ = std::move(runner); }
    // How long Codify or Decodify runs before the progress dialog shows (500 ms).
    void SetProgressDelay(int ms);

    void SetCaption(LanguageItem item, const QString& text) override;
    void SetLeft(LanguageItem item, int left) override;
    void SetWidth(LanguageItem item, int width) override;

    // Event handlers.
    void FormCreate();
    void FormShow();
    void B_NovoArquivoClick();
    void B_AbrirArquivoClick();
    void B_CClick();
    void B_DClick();
    void B_EnglishClick();
    void B_EspanolClick();
    void B_PortuguesClick();

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateControls();
    // Fills both boxes for a plain file to protect, as New File does.
    void TakePlainFile(const QString& path);
    // Fills both boxes for a protected file to restore, as Open File does.
    void TakeProtectedFile(const QString& path);
    void SelectLanguage(Language language);

    QStringList arguments_;
    LanguageStore& store_;
    DialogRunner dialogRunner_ = RunFileDialog;
    std::unique_ptr<WindowHost> host_;
    bool shown_ = false;
};

// The output name for a plain file: DefaultOutputFolder, its name, ".xxx".
QString ProposeProtectedName(const QString& plainPath);
// The output name for a protected file: its path without the last 4 characters.
QString ProposePlainName(const QString& protectedPath);

}  // namespace zanfo
