// zanfo-cli: protects and restores files from a terminal or a script, in the
// same format as the Zanfo window.
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "Password.h"
#include "codec/FileIo.h"
#include "codec/IoError.h"
#include "codec/ProgressSource.h"
#include "codec/ProtectedFile.h"
#include "codec/SafeOutput.h"
#include "crypto/Blowfish.h"
#include "crypto/Wipe.h"

namespace zanfo::cli {
namespace {

constexpr const char* kUsage = R"(Usage:
  zanfo-cli codify   INPUT... [-o OUTPUT] [--password-stdin] [--progress]
  zanfo-cli decodify INPUT... [-o OUTPUT] [--password-stdin] [--progress]

Protects files with a password, or restores protected files, in the format of
the Zanfo window: files made by either open in the other.

  codify     writes a protected copy of each INPUT, by default INPUT.xxx
  decodify   restores each protected INPUT, by default INPUT without its
             ".xxx" ending (name the output with -o when it has none)

Options:
  -o, --output OUTPUT  where to write (only with a single INPUT)
  --password-stdin     take the password from the first line of standard input
                       instead of asking on the terminal
  --progress           show how far each file has got (on a terminal)
  -h, --help           show this help
  --version            show the version

The password is asked on the terminal without echo (codify asks twice). It is
never taken from the command line or the environment. A password may use any
letter or sign of Windows-1252 (accented Latin letters, the euro sign, ...).

An existing OUTPUT is only replaced once the new file is complete: a wrong
password, an error or Ctrl-C leaves it as it was and leaves no partial file.

Exit status: 0 done, 1 wrong password (or not a protected file),
             2 usage, open or I/O error, 130 interrupted.
With several INPUTs, every file is tried and the worst status is returned.

Examples:
  zanfo-cli codify report.pdf                 # writes report.pdf.xxx
  zanfo-cli decodify report.pdf.xxx -o copy.pdf
  printf '%s\n' "$PASS" | zanfo-cli codify --password-stdin *.txt
)";

constexpr int kDone = 0, kRefused = 1, kFailed = 2, kInterrupted = 130;

struct Options {
    bool decode = false;
    std::vector<std::string> inputs;
    std::optional<std::string> output;
    bool passwordFromStdin = false;
    bool progress = false;
};

void Say(const std::string& text) { std::fprintf(stderr, "zanfo-cli: %s\n", text.c_str()); }

int UsageError(const std::string& text)
{
    Say(text);
    std::fprintf(stderr, "Try 'zanfo-cli --help'.\n");
    return kFailed;
}

void OnSignal(int) { cancelRequested = true; }

void CatchInterrupts()
{
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a blocked read returns and sees the flag
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(sig, &action, nullptr);
}

// Redraws "NAME  NN%" on standard error at most ten times a second.
class ProgressLine {
public:
    ProgressLine(std::string name, std::uint64_t total, bool show)
        : name_(std::move(name)), total_(total), show_(show && total > 0)
    {
    }
    ~ProgressLine()
    {
        if (drawn_) std::fputc('\n', stderr);
    }
    void Update(std::uint64_t done)
    {
        if (!show_) return;
        const auto now = std::chrono::steady_clock::now();
        if (now < next_ && done != total_) return;
        next_ = now + std::chrono::milliseconds(100);
        std::fprintf(stderr, "\r%s %3u%%", name_.c_str(), unsigned(done * 100 / total_));
        drawn_ = true;
    }

private:
    std::string name_;
    std::uint64_t total_;
    bool show_, drawn_ = false;
    std::chrono::steady_clock::time_point next_{};
};

bool EndsWith(const std::string& s, const std::string& end)
{
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

std::optional<Options> Parse(int argc, char** argv, int& status)
{
    Options options;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        status = UsageError("say codify or decodify, and which files");
        return std::nullopt;
    }
    for (const auto& a : args) {
        if (a == "-h" || a == "--help") {
            std::fputs(kUsage, stdout);
            status = kDone;
            return std::nullopt;
        }
        if (a == "--version") {
            std::puts("zanfo-cli 2.0.0.7");
            status = kDone;
            return std::nullopt;
        }
    }
    if (args[0] == "codify") {
        options.decode = false;
    } else if (args[0] == "decodify") {
        options.decode = true;
    } else {
        status = UsageError("unknown command '" + args[0] + "' (say codify or decodify)");
        return std::nullopt;
    }
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!optionsEnded && (a == "-o" || a == "--output")) {
            if (i + 1 >= args.size()) {
                status = UsageError(a + " needs a file name");
                return std::nullopt;
            }
            options.output = args[++i];
        } else if (!optionsEnded && a == "--password-stdin") {
            options.passwordFromStdin = true;
        } else if (!optionsEnded && a == "--progress") {
            options.progress = true;
        } else if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && a.size() > 1 && a[0] == '-') {
            status = UsageError("unknown option '" + a + "'");
            return std::nullopt;
        } else {
            options.inputs.push_back(a);
        }
    }
    if (options.inputs.empty()) {
        status = UsageError("no input file given");
        return std::nullopt;
    }
    if (options.output && options.inputs.size() > 1) {
        status = UsageError("-o names one output; with several inputs each gets its default name");
        return std::nullopt;
    }
    if (options.output && options.output->empty()) {
        status = UsageError("the output name is empty");
        return std::nullopt;
    }
    return options;
}

std::string ErrorText(int error) { return std::strerror(error); }

class Runner {
public:
    explicit Runner(const Options& options) : options_(options) {}
    ~Runner()
    {
        if (password_) SecureZero(password_->data(), password_->size());
    }

    // Protects or restores one file and returns its exit status.
    int Process(const std::string& input)
    {
        std::string output;
        if (options_.output) {
            output = *options_.output;
        } else if (!options_.decode) {
            output = input + ".xxx";
        } else if (EndsWith(input, ".xxx") && input.size() > 4) {
            output = input.substr(0, input.size() - 4);
        } else {
            Say(input + ": cannot guess the output name (it does not end in .xxx); name it with -o");
            return kFailed;
        }
        if (output == input || SameFile(input, output)) {
            Say(input + ": the input and the output are the same file");
            return kFailed;
        }
        int error = 0;
        UniqueFd in = OpenInput(input, error);
        if (!in.Valid()) {
            Say("cannot open " + input + ": " + ErrorText(error));
            return kFailed;
        }
        SafeOutput out;
        if (const int e = out.Open(output, options_.decode ? SafeOutput::Access::OwnerOnly
                                                         : SafeOutput::Access::Default)) {
            Say("cannot create " + output + ": " + ErrorText(e));
            return kFailed;
        }
        if (!password_ && !AskPassword()) return cancelRequested ? kInterrupted : kFailed;

        FileSource file(in.Get());
        ProgressLine line(input, FileSize(in.Get()), options_.progress && ::isatty(2));
        ProgressSource source(file, [&line](std::uint64_t done) { line.Update(done); });
        try {
            if (options_.decode) {
                if (DecodeFile(cipher_, *password_, source, out.Sink()) == DecodeResult::Refused) {
                    Say(input + ": wrong password, or not a protected file; nothing written");
                    return kRefused;
                }
            } else {
                EncodeFile(cipher_, *password_, source, out.Sink());
            }
            out.Commit();
        } catch (const Cancelled&) {
            Say("interrupted; " + output + " was left as it was");
            return kInterrupted;
        } catch (const IoError& e) {
            Say(input + ": " + e.what() + "; " + output + " was left as it was");
            return kFailed;
        }
        return kDone;
    }

private:
    bool AskPassword()
    {
        PasswordError error;
        password_ = options_.passwordFromStdin ? ReadFromStdin(error)
                                               : AskOnTerminal(!options_.decode, error);
        if (!password_) Say(Describe(error));
        return password_.has_value();
    }

    const Options& options_;
    std::optional<std::string> password_;
    TDCP_blowfish cipher_;
};

int Run(int argc, char** argv)
{
    int status = kDone;
    const auto options = Parse(argc, argv, status);
    if (!options) return status;
    CatchInterrupts();

    Runner runner(*options);
    int worst = kDone, done = 0, refused = 0, failed = 0;
    for (const auto& input : options->inputs) {
        if (cancelRequested) {
            worst = kInterrupted;
            break;
        }
        const int result = runner.Process(input);
        (result == kDone ? done : result == kRefused ? refused : failed)++;
        if (result == kInterrupted) {
            worst = kInterrupted;
            break;
        }
        if (result > worst) worst = result;
    }
    if (options->inputs.size() > 1)
        std::fprintf(stderr, "zanfo-cli: %d done, %d refused, %d failed\n", done, refused, failed);
    return worst;
}

}  // namespace
}  // namespace zanfo::cli

int main(int argc, char** argv) { return zanfo::cli::Run(argc, argv); }
