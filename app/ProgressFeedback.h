#pragma once
#include <QElapsedTimer>
#include <QString>
#include <cstdint>
#include <memory>

class QProgressDialog;
class QWidget;

namespace zanfo {

// A modal progress dialog for long runs. It appears only once a run has gone on
// for `delayMs`, and is redrawn at most 30 times a second, so a short run shows
// nothing and a long one pays next to nothing for it.
class ProgressFeedback {
public:
    explicit ProgressFeedback(QWidget* parent, int delayMs = 500);
    ~ProgressFeedback();

    // A run over `total` bytes of `fileName` begins (total 0: size unknown).
    void Start(const QString& fileName, std::uint64_t total);
    // `done` bytes are through. Raises Cancelled once the user has pressed Cancel.
    void Update(std::uint64_t done);
    // The run has ended: the dialog goes.
    void Finish();

    void SetDelay(int delayMs) { delayMs_ = delayMs; }

private:
    QWidget* parent_;
    int delayMs_;
    QString fileName_;
    std::uint64_t total_ = 0;
    QElapsedTimer clock_;
    qint64 nextLook_ = 0;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace zanfo
