// What the window's progress dialog costs: Codify of one file through the
// operation, with the progress feedback and without it, best of three each.
//   progress_cost FILE OUTPUT      (offscreen; bench/progress.sh runs it)
#include <QApplication>
#include <chrono>
#include <cstdio>

#include "app/ProgressFeedback.h"
#include "codec/Operation.h"
#include "crypto/Blowfish.h"
#include "lang/MessageTexts.h"

namespace {

class Host final : public zanfo::OperationHost {
public:
    Host(std::string in, std::string out, bool feedback) : in_(std::move(in)), out_(std::move(out))
    {
        if (feedback) progress_ = std::make_unique<zanfo::ProgressFeedback>(nullptr);
    }
    std::string InFileName() override { return in_; }
    std::string OutFileName() override { return out_; }
    void FocusOutFileBox() override {}
    void ClearFileBoxes() override {}
    std::string Text(zanfo::MessageId id) override { return zanfo::MessageTexts[id].toStdString(); }
    void ShowInformation(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void ShowMessage(const std::string&) override {}
    std::optional<std::string> AskPassword(const std::string&) override { return "benchmark"; }
    zanfo::TDCP_blockcipher& Cipher() override { return cipher_; }
    void RunStarted(const std::string& in, std::uint64_t total) override
    {
        if (progress_) progress_->Start(QString::fromStdString(in), total);
    }
    void Progress(std::uint64_t done) override
    {
        if (progress_) progress_->Update(done);
    }
    void RunEnded() override
    {
        if (progress_) progress_->Finish();
    }

private:
    std::string in_, out_;
    std::unique_ptr<zanfo::ProgressFeedback> progress_;
    zanfo::TDCP_blowfish cipher_;
};

double Seconds(const std::string& in, const std::string& out, bool feedback)
{
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        Host host(in, out, feedback);
        const auto start = std::chrono::steady_clock::now();
        zanfo::RunOperation(zanfo::OperationKind::Codify, host);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double plain = Seconds(argv[1], argv[2], false);
    const double shown = Seconds(argv[1], argv[2], true);
    std::printf("operation without progress: %.3f s\noperation with progress:    %.3f s\ncost: %+.2f %%\n",
                plain, shown, (shown / plain - 1) * 100);
    return 0;
}
