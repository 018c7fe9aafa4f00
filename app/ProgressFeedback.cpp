#include "ProgressFeedback.h"

#include <QFileInfo>
#include <QProgressDialog>

#include "codec/IoError.h"

namespace zanfo {

namespace {
constexpr qint64 kRedrawMs = 33;  // about 30 redraws a second
constexpr int kSteps = 1000;
}  // namespace

ProgressFeedback::ProgressFeedback(QWidget* parent, int delayMs) : parent_(parent), delayMs_(delayMs) {}

ProgressFeedback::~ProgressFeedback() = default;

void ProgressFeedback::Start(const QString& fileName, std::uint64_t total)
{
    fileName_ = QFileInfo(fileName).fileName();
    total_ = total;
    nextLook_ = 0;
    clock_.start();
}

void ProgressFeedback::Update(std::uint64_t done)
{
    // One clock read per 8 KiB chunk; everything else waits for the next look.
    const qint64 now = clock_.elapsed();
    if (now < nextLook_) return;
    nextLook_ = now + kRedrawMs;
    if (!dialog_) {
        if (now < delayMs_) return;
        dialog_ = std::make_unique<QProgressDialog>(fileName_, QProgressDialog::tr("Cancel"), 0,
                                                    total_ ? kSteps : 0, parent_);
        dialog_->setObjectName(QStringLiteral("ProgressDialog"));
        dialog_->setWindowTitle(QStringLiteral("Zanfo"));
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setMinimumWidth(360);
        dialog_->show();
    }
    // A modal dialog handles pending events inside setValue: it repaints, and a
    // click on Cancel is seen here.
    dialog_->setValue(total_ ? int(done * kSteps / total_) : 0);
    if (dialog_->wasCanceled()) throw Cancelled();
}

void ProgressFeedback::Finish() { dialog_.reset(); }

}  // namespace zanfo
