#include "codec/Operation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <deque>
#include <filesystem>

#include "codec/IoError.h"
#include "codec/ProtectedFile.h"
#include "crypto/Blowfish.h"
#include "lang/LanguageTable.h"
#include "support/Hex.h"
#include "support/Protect.h"
#include "support/Raised.h"
#include "support/SmallDisk.h"
#include "support/TempDir.h"

using namespace zanfo;

namespace {

// A window without a window: two names, a log of what the user would see, and
// scripted answers to the password box (nothing in the queue means Cancel).
class ScriptedHost final : public OperationHost {
public:
    ScriptedHost(std::string in, std::string out) : in_(std::move(in)), out_(std::move(out)) {}

    std::string InFileName() override { return in_; }
    std::string OutFileName() override { return out_; }
    void FocusOutFileBox() override { log.push_back("focus output box"); }
    void ClearFileBoxes() override
    {
        in_.clear();
        out_.clear();
    }
    std::string Text(MessageId id) override { return texts->messages[id]; }
    void ShowInformation(const std::string& text) override { log.push_back("information: " + text); }
    void ShowMessage(const std::string& text) override { log.push_back("message: " + text); }
    std::optional<std::string> AskPassword(const std::string& prompt) override
    {
        log.push_back("password box: " + prompt);
        if (passwords.empty()) return std::nullopt;
        std::string p = passwords.front();
        passwords.pop_front();
        return p;
    }
    TDCP_blockcipher& Cipher() override { return cipher; }
    void RunStarted(const std::string& inFile, std::uint64_t total) override
    {
        log.push_back("run started: " + std::to_string(total));
        EXPECT_EQ(inFile, in_);
    }
    void Progress(std::uint64_t done) override
    {
        progress.push_back(done);
        if (cancelAfter && progress.size() >= cancelAfter) throw Cancelled();
    }
    void RunEnded() override { log.push_back("run ended"); }

    bool BoxesCleared() const { return in_.empty() && out_.empty(); }

    const LanguageTexts* texts = &LanguageTable[0];
    std::deque<std::string> passwords;
    std::vector<std::string> log;
    std::vector<std::uint64_t> progress;
    std::size_t cancelAfter = 0;
    TDCP_blowfish cipher;

private:
    std::string in_, out_;
};


std::vector<std::string> Log(std::initializer_list<std::string> lines) { return lines; }

}  // namespace

TEST(Operation, EndsQuietlyWhenABoxIsEmpty)
{
    TempDir dir;
    WriteFile(dir / "a", "a");
    for (auto [in, out] : {std::pair{std::string(), dir / "b"}, {dir / "a", ""}, {"", ""}}) {
        for (OperationKind kind : {OperationKind::Codify, OperationKind::Decodify}) {
            ScriptedHost host(in, out);
            host.passwords = {"pw"};
            RunOperation(kind, host);
            EXPECT_TRUE(host.log.empty());
            EXPECT_EQ(host.InFileName(), in);
            EXPECT_EQ(host.OutFileName(), out);
        }
    }
    EXPECT_EQ(dir.Listing(), "a ");
}

TEST(Operation, TwoNamesForOneFileAreRefusedAndTheInputSurvives)
{
    TempDir dir;
    WriteFile(dir / "a", "precious");
    std::filesystem::create_symlink(dir / "a", dir / "link");
    const std::string relative = std::filesystem::relative(dir / "a").string();
    for (const std::string& out : {dir / "a", dir / "link", dir.Path() + "/./a", relative}) {
        ScriptedHost host(dir / "a", out);
        host.passwords = {"pw"};
        RunOperation(OperationKind::Codify, host);
        EXPECT_EQ(host.log, Log({"information: The files is equals", "focus output box"})) << out;
        EXPECT_FALSE(host.BoxesCleared());
    }
    EXPECT_EQ(ReadFile(dir / "a"), "precious");
}

TEST(Operation, OpenFailuresShowTheOperationsTextBeforeAnyPassword)
{
    TempDir dir;
    WriteFile(dir / "in", "data");
    std::filesystem::create_directory(dir / "folder");
    const std::pair<std::string, std::string> cases[] = {
        {dir / "missing", dir / "out"},                  // no input
        {dir / "folder", dir / "out"},                   // input is a folder
        {dir / "in", dir / "no/such/folder/out"},        // missing output folder
        {dir / "in", dir / "folder"},                    // output is a folder
        {dir / "in", dir / std::string(300, 'x')},       // a name the system rejects
    };
    for (const auto& [in, out] : cases) {
        ScriptedHost codify(in, out), decodify(in, out);
        RunOperation(OperationKind::Codify, codify);
        RunOperation(OperationKind::Decodify, decodify);
        EXPECT_EQ(codify.log, Log({"information: Unable to open the file to be codified"})) << in << " " << out;
        EXPECT_EQ(decodify.log, Log({"information: Unable to open the file to be decoded"})) << in << " " << out;
        EXPECT_FALSE(codify.BoxesCleared());
    }
    EXPECT_EQ(dir.Listing(), "folder in ");
}

TEST(Operation, CodifyAndDecodifyRoundTrip)
{
    TempDir dir;
    for (std::size_t n : {0u, 1u, 8192u, 8195u}) {
        const std::string plain = Pattern(n, unsigned(n));
        WriteFile(dir / "plain", plain);

        ScriptedHost codify(dir / "plain", dir / "plain.xxx");
        codify.passwords = {"Seña"};
        RunOperation(OperationKind::Codify, codify);
        EXPECT_EQ(codify.log, Log({"password box: Type the Password", "run started: " + std::to_string(n),
                                   "run ended", "message:                File Codified               "}));
        EXPECT_TRUE(codify.BoxesCleared());
        EXPECT_EQ(ReadFile(dir / "plain.xxx"), Protect("Se\xF1" "a", plain)) << n;
        EXPECT_FALSE(codify.cipher.Initialized()) << "the key is burned";

        ScriptedHost decodify(dir / "plain.xxx", dir / "back");
        decodify.passwords = {"Seña"};
        RunOperation(OperationKind::Decodify, decodify);
        EXPECT_EQ(decodify.log, Log({"password box: Type the Password", "run started: " + std::to_string(n + 32),
                                     "run ended", "message:              File Decoded             "}));
        EXPECT_EQ(ReadFile(dir / "back"), plain) << n;
        struct stat st;
        ::stat((dir / "back").c_str(), &st);
        EXPECT_EQ(st.st_mode & 0777, 0600u) << "a restored file is its owner's alone";
        std::filesystem::remove(dir / "back");
    }
    EXPECT_EQ(dir.Listing(), "plain plain.xxx ");
}

TEST(Operation, WrongPasswordLeavesAnExistingOutputByteForByte)
{
    TempDir dir;
    WriteFile(dir / "x.xxx", Protect("right", Pattern(9000)));
    WriteFile(dir / "x", "precious");
    ScriptedHost host(dir / "x.xxx", dir / "x");
    host.passwords = {"wrong"};
    RunOperation(OperationKind::Decodify, host);
    EXPECT_EQ(host.log, Log({"password box: Type the Password", "run started: 9032", "run ended",
                             "message:               Password Incorrect             "}));
    EXPECT_TRUE(host.BoxesCleared());
    EXPECT_EQ(ReadFile(dir / "x"), "precious");
    EXPECT_EQ(dir.Listing(), "x x.xxx ");
}

TEST(Operation, CancelEndsTheRunAndWritesNothing)
{
    TempDir dir;
    WriteFile(dir / "in", "data");
    WriteFile(dir / "in.xxx", "precious");
    for (OperationKind kind : {OperationKind::Codify, OperationKind::Decodify}) {
        ScriptedHost host(dir / "in", dir / "in.xxx");  // no password queued: Cancel
        RunOperation(kind, host);
        EXPECT_EQ(host.log.size(), 1u);
        EXPECT_FALSE(host.BoxesCleared());
    }
    EXPECT_EQ(ReadFile(dir / "in.xxx"), "precious");
    EXPECT_EQ(dir.Listing(), "in in.xxx ");

    // OK on an empty line is the empty password, not a cancel.
    ScriptedHost empty(dir / "in", dir / "in.xxx");
    empty.passwords = {""};
    RunOperation(OperationKind::Codify, empty);
    EXPECT_EQ(ReadFile(dir / "in.xxx"), Protect("", "data"));
}

TEST(Operation, IoErrorsLeaveTheExistingOutputAndNoTemporaryFile)
{
    TempDir dir;
    WriteFile(dir / "short.xxx", Protect("pw", "").substr(0, 31));
    WriteFile(dir / "short", "precious");
    ScriptedHost host(dir / "short.xxx", dir / "short");
    host.passwords = {"pw"};
    EXPECT_EQ(Raised<IoError>([&] { RunOperation(OperationKind::Decodify, host); }), "Read beyond end of file");
    EXPECT_FALSE(host.BoxesCleared());
    EXPECT_EQ(ReadFile(dir / "short"), "precious");
    EXPECT_EQ(dir.Listing(), "short short.xxx ");
}

TEST(Operation, FullDiskLeavesTheExistingOutput)
{
    SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << "mounting a small file system needs root";
    TempDir dir;
    WriteFile(dir / "big", Pattern(300000));
    WriteFile(disk.Dir() / "big.xxx", "precious");
    ScriptedHost host(dir / "big", disk.Dir() / "big.xxx");
    host.passwords = {"pw"};
    EXPECT_EQ(Raised<IoError>([&] { RunOperation(OperationKind::Codify, host); }), "Disk full");
    EXPECT_FALSE(host.BoxesCleared());
    EXPECT_EQ(ReadFile(disk.Dir() / "big.xxx"), "precious");
    EXPECT_EQ(disk.Dir().Listing(), "big.xxx ");
}

TEST(Operation, AReadOnlyInputCanBeProtected)
{
    SmallDisk disk;
    TempDir dir;
    std::string input = dir / "locked";
    if (disk.Mounted()) {
        input = disk.Dir() / "locked";
        WriteFile(input, "data");
        ASSERT_TRUE(disk.MakeReadOnly());
    } else {
        WriteFile(input, "data");
        ::chmod(input.c_str(), 0444);
    }
    ScriptedHost host(input, dir / "locked.xxx");
    host.passwords = {"pw"};
    RunOperation(OperationKind::Codify, host);
    EXPECT_EQ(ReadFile(dir / "locked.xxx"), Protect("pw", "data"));
}

TEST(Operation, MessagesComeInTheCurrentLanguage)
{
    TempDir dir;
    WriteFile(dir / "in", "data");
    ScriptedHost host(dir / "in", dir / "in.xxx");
    host.texts = &LanguageTable[1];
    host.passwords = {"pw"};
    RunOperation(OperationKind::Codify, host);
    EXPECT_EQ(host.log, Log({"password box: Digite la Seña", "run started: 4", "run ended",
                             "message:                Archivo Codificado               "}));

    ScriptedHost wrong(dir / "in.xxx", dir / "out");
    wrong.texts = &LanguageTable[1];
    wrong.passwords = {"nope"};
    RunOperation(OperationKind::Decodify, wrong);
    EXPECT_EQ(wrong.log.back(), "message:               Seña Incorrecta             ");
}

TEST(Operation, ProgressIsReportedAndCancelStopsBetweenChunks)
{
    TempDir dir;
    WriteFile(dir / "in", Pattern(5 * 8192 + 3));
    WriteFile(dir / "in.xxx", "precious");
    ScriptedHost host(dir / "in", dir / "in.xxx");
    host.passwords = {"pw"};
    host.cancelAfter = 3;
    RunOperation(OperationKind::Codify, host);
    ASSERT_EQ(host.progress.size(), 3u);
    EXPECT_EQ(host.progress, (std::vector<std::uint64_t>{8192, 16384, 24576}));
    EXPECT_EQ(host.log, Log({"password box: Type the Password", "run started: 40963", "run ended"}))
        << "no message after a cancel";
    EXPECT_FALSE(host.BoxesCleared());
    EXPECT_EQ(ReadFile(dir / "in.xxx"), "precious");
    EXPECT_EQ(dir.Listing(), "in in.xxx ");
}
