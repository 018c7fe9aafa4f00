#include "Operation.h"

#include "FileIo.h"
#include "IoError.h"
#include "ProgressSource.h"
#include "ProtectedFile.h"
#include "SafeOutput.h"
#include "Windows1252.h"
#include "crypto/Wipe.h"

namespace zanfo {
namespace {

// What tells the two operations apart.
struct Kind {
    MessageId openFailed;
    MessageId prompt;
    MessageId success;
    SafeOutput::Access access;
};

const Kind& KindOf(OperationKind kind)
{
    static const Kind codify{MsgCodifyOpenFailed, MsgCodifyPrompt, MsgFileCodified,
                             SafeOutput::Access::Default};
    // A restored plain file is readable by its owner only.
    static const Kind decodify{MsgDecodifyOpenFailed, MsgDecodifyPrompt, MsgFileDecoded,
                               SafeOutput::Access::OwnerOnly};
    return kind == OperationKind::Codify ? codify : decodify;
}

// The password's bytes, wiped when they go.
class Password {
public:
    explicit Password(std::string bytes) : bytes_(std::move(bytes)) {}
    ~Password() { SecureZero(bytes_.data(), bytes_.size()); }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Tells the host that the codec runs, and that it has ended, however it ends.
class RunScope {
public:
    RunScope(OperationHost& host, const std::string& inFile, std::uint64_t total) : host_(host)
    {
        host_.RunStarted(inFile, total);
    }
    ~RunScope() { host_.RunEnded(); }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    OperationHost& host_;
};

}  // namespace

void RunOperation(OperationKind operation, OperationHost& host)
{
    const Kind& kind = KindOf(operation);
    const std::string in = host.InFileName();
    if (in.empty()) return;
    const std::string out = host.OutFileName();
    if (out.empty()) return;

    // Two names for one file count as equal names: writing the output must never
    // destroy the input.
    if (in == out || SameFile(in, out)) {
        host.ShowInformation(host.Text(MsgSameFiles));
        host.FocusOutFileBox();
        return;
    }

    int error = 0;
    UniqueFd input = OpenInput(in, error);
    if (!input.Valid()) {
        host.ShowInformation(host.Text(kind.openFailed));
        return;
    }
    SafeOutput output;
    if (output.Open(out, kind.access) != 0) {
        input.Close();
        host.ShowInformation(host.Text(kind.openFailed));
        return;
    }

    // Cancel ends the run: the temporary file goes, the old output stays.
    std::optional<std::string> typed = host.AskPassword(host.Text(kind.prompt));
    if (!typed) return;
    std::optional<std::string> bytes = Utf8ToWindows1252(*typed);
    SecureZero(typed->data(), typed->size());
    if (!bytes) throw Error("The password holds a character that Zanfo passwords cannot carry");
    const Password password(*bytes);
    SecureZero(bytes->data(), bytes->size());

    DecodeResult result = DecodeResult::Accepted;
    try {
        FileSource file(input.Get());
        ProgressSource source(file, [&](std::uint64_t done) { host.Progress(done); });
        const RunScope scope(host, in, FileSize(input.Get()));
        if (operation == OperationKind::Codify)
            EncodeFile(host.Cipher(), password.Bytes(), source, output.Sink());
        else
            result = DecodeFile(host.Cipher(), password.Bytes(), source, output.Sink());
    } catch (const Cancelled&) {
        return;  // stopped by the user: nothing written, no message
    }
    if (result == DecodeResult::Refused) {
        host.ShowMessage(host.Text(MsgPasswordIncorrect));  // both files still open
        input.Close();
        output.Discard();
        host.ClearFileBoxes();
        return;
    }
    output.Commit();
    if (const int closeError = input.Close()) throw IoError::FromErrno(closeError);
    host.ShowMessage(host.Text(kind.success));
    host.ClearFileBoxes();
}

}  // namespace zanfo
