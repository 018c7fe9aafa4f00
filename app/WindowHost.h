#pragma once
#include "BoxesHost.h"
#include "ProgressFeedback.h"

namespace zanfo {

// The main window as the operations' host: the boxes, the real dialogs, and a
// progress dialog for long runs.
class WindowHost final : public BoxesHost {
public:
    WindowHost(QWidget* parent, QLineEdit* inFileBox, QLineEdit* outFileBox, TDCP_blockcipher& cipher)
        : BoxesHost(parent, inFileBox, outFileBox, cipher), progress_(parent)
    {
    }

    void RunStarted(const std::string& inFile, std::uint64_t total) override
    {
        progress_.Start(QString::fromStdString(inFile), total);
    }
    void Progress(std::uint64_t done) override { progress_.Update(done); }
    void RunEnded() override { progress_.Finish(); }

    // How long a run goes before the progress dialog appears.
    void SetProgressDelay(int ms) { progress_.SetDelay(ms); }

private:
    ProgressFeedback progress_;
};

}  // namespace zanfo
