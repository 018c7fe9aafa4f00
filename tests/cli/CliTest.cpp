// zanfo-cli driven as a user or a script would: a real process, real files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "codec/ProtectedFile.h"
#include "crypto/Blowfish.h"
#include "support/Hex.h"
#include "support/Protect.h"
#include "support/SmallDisk.h"
#include "support/TempDir.h"

extern char** environ;

namespace {

struct Result {
    int status;
    std::string err;
    std::string out;
};

class Cli {
public:
    // Starts zanfo-cli with `input` as its standard input; `detached` runs it without
    // a terminal; `errorOnTerminal` gives it a terminal of the test's own as standard error.
    Cli(const std::vector<std::string>& args, const std::string& input, bool detached = false,
        bool errorOnTerminal = false)
    {
        WriteFile(dir_ / "stdin", input);
        std::vector<std::string> all{ZANFO_CLI};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, (dir_ / "stdin").c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, (dir_ / "stdout").c_str(), O_WRONLY | O_CREAT, 0600);
        if (errorOnTerminal) {
            terminal_ = ::posix_openpt(O_RDWR | O_NOCTTY);
            ::grantpt(terminal_);
            ::unlockpt(terminal_);
            posix_spawn_file_actions_addopen(&actions, 2, ::ptsname(terminal_), O_RDWR | O_NOCTTY, 0);
        } else {
            posix_spawn_file_actions_addopen(&actions, 2, (dir_ / "stderr").c_str(), O_WRONLY | O_CREAT, 0600);
        }
        posix_spawnattr_t attr;
        posix_spawnattr_init(&attr);
        if (detached) posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
        EXPECT_EQ(posix_spawn(&pid_, ZANFO_CLI, &actions, &attr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attr);
    }

    void Signal(int sig) { ::kill(pid_, sig); }

    Result Wait()
    {
        int raw = 0;
        ::waitpid(pid_, &raw, 0);
        std::string err = terminal_ >= 0 ? DrainTerminal() : ReadFile(dir_ / "stderr");
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, err, ReadFile(dir_ / "stdout")};
    }
    ~Cli()
    {
        if (terminal_ >= 0) ::close(terminal_);
    }

private:
    std::string DrainTerminal()
    {
        ::fcntl(terminal_, F_SETFL, O_NONBLOCK);
        std::string text;
        char buffer[4096];
        for (ssize_t n; (n = ::read(terminal_, buffer, sizeof buffer)) > 0;) text.append(buffer, std::size_t(n));
        return text;
    }

    TempDir dir_;
    pid_t pid_ = -1;
    int terminal_ = -1;
};

Result RunCli(const std::vector<std::string>& args, const std::string& input = "", bool detached = false)
{
    return Cli(args, input, detached).Wait();
}


}  // namespace

TEST(Cli, CodifyAndDecodifyByTheDefaultNames)
{
    TempDir dir;
    const std::string plain = Pattern(8195);
    WriteFile(dir / "report.doc", plain);

    Result r = RunCli({"codify", dir / "report.doc", "--password-stdin"}, "Seña\n");
    ASSERT_EQ(r.status, 0) << r.err;
    // The password is taken as Windows-1252: "Seña" is the bytes 53 65 F1 61.
    EXPECT_EQ(ReadFile(dir / "report.doc.xxx"), Protect("Se\xF1" "a", plain));

    std::filesystem::remove(dir / "report.doc");
    r = RunCli({"decodify", "--password-stdin", dir / "report.doc.xxx"}, "Seña\r\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(dir / "report.doc"), plain);
    EXPECT_EQ(std::filesystem::status(dir / "report.doc").permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(dir.Listing(), "report.doc report.doc.xxx ");
}

TEST(Cli, EmptyLineIsTheEmptyPasswordAndNoLineIsAnError)
{
    TempDir dir;
    WriteFile(dir / "a", "abc");
    EXPECT_EQ(RunCli({"codify", dir / "a", "--password-stdin"}, "\n").status, 0);
    EXPECT_EQ(ReadFile(dir / "a.xxx"), Protect("", "abc"));

    const Result r = RunCli({"codify", dir / "a", "-o", dir / "b", "--password-stdin"}, "");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("no password"), std::string::npos) << r.err;
    EXPECT_EQ(dir.Listing(), "a a.xxx ");
}

TEST(Cli, WrongPasswordLeavesTheExistingOutputAsItWas)
{
    TempDir dir;
    WriteFile(dir / "x.xxx", Protect("right", Pattern(100)));
    WriteFile(dir / "x", "precious");
    const Result r = RunCli({"decodify", dir / "x.xxx", "--password-stdin"}, "wrong\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("wrong password"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFile(dir / "x"), "precious");
    EXPECT_EQ(dir.Listing(), "x x.xxx ");
}

TEST(Cli, ErrorsAreReportedAndLoseNothing)
{
    TempDir dir;
    WriteFile(dir / "plain", "data");
    WriteFile(dir / "short.xxx", Protect("pw", "").substr(0, 20));
    WriteFile(dir / "short", "precious");
    std::filesystem::create_symlink(dir / "plain", dir / "link");

    struct Case {
        std::vector<std::string> args;
        std::string stdinText;
        const char* message;
    };
    const Case cases[] = {
        {{"decodify", dir / "plain"}, "pw\n", "cannot guess the output name"},
        {{"codify", dir / "plain", "-o", dir / "plain"}, "pw\n", "same file"},
        {{"codify", dir / "plain", "-o", dir / "link"}, "pw\n", "same file"},
        {{"codify", dir / "plain", "-o", dir.Path() + "/./plain"}, "pw\n", "same file"},
        {{"codify", dir / "missing"}, "pw\n", "cannot open"},
        {{"codify", dir / "plain", "-o", dir / "no/such/folder"}, "pw\n", "cannot create"},
        {{"codify", dir / "plain", "-o", dir.Path()}, "pw\n", "cannot create"},
        {{"decodify", dir / "short.xxx", "--password-stdin"}, "pw\n", "Read beyond end of file"},
        {{"codify", dir / "plain", "-o", dir / "p2", "--password-stdin"}, "日本\n", "Windows-1252"},
        {{"codify", dir / "plain", "-o", dir / "p2"}, "", "no terminal"},
        {{}, "", "say codify or decodify"},
        {{"protect", "x"}, "", "unknown command"},
        {{"codify"}, "", "no input file"},
        {{"codify", "a", "b", "-o", "c"}, "", "several inputs"},
        {{"codify", "--bogus", "a"}, "", "unknown option"},
    };
    for (const auto& c : cases) {
        const Result r = RunCli(c.args, c.stdinText, /*detached=*/true);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.message << "\n" << r.err;
    }
    EXPECT_EQ(ReadFile(dir / "plain"), "data");
    EXPECT_EQ(ReadFile(dir / "short"), "precious");
    EXPECT_EQ(dir.Listing(), "link plain short short.xxx ");
}

TEST(Cli, HelpExplainsItself)
{
    const Result r = RunCli({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* part : {"zanfo-cli codify", "zanfo-cli decodify", "--password-stdin", "Exit status"})
        EXPECT_NE(r.out.find(part), std::string::npos) << part;
}

TEST(Cli, SeveralInputsGoOnPastAFailureAndReportTheWorst)
{
    TempDir dir;
    WriteFile(dir / "one", "1");
    WriteFile(dir / "two", "22");
    WriteFile(dir / "bad.xxx", Protect("other", "x"));
    Result r = RunCli({"codify", "--password-stdin", dir / "one", dir / "missing", dir / "two"}, "pw\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("2 done, 0 refused, 1 failed"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFile(dir / "two.xxx"), Protect("pw", "22"));

    std::filesystem::remove(dir / "one");
    r = RunCli({"decodify", "--password-stdin", dir / "one.xxx", dir / "bad.xxx"}, "pw\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("1 done, 1 refused, 0 failed"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFile(dir / "one"), "1");
    EXPECT_FALSE(std::filesystem::exists(dir / "bad"));
}

TEST(Cli, InterruptLeavesNoPartialFile)
{
    TempDir dir;
    const std::string fifo = dir / "slow";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    WriteFile(dir / "slow.xxx", "precious");

    Cli cli({"codify", fifo, "-o", dir / "slow.xxx", "--password-stdin"}, "pw\n");
    const int writer = ::open(fifo.c_str(), O_WRONLY);  // waits until zanfo-cli opens it
    ASSERT_GE(writer, 0);
    const std::string some = Pattern(20000);
    ASSERT_EQ(::write(writer, some.data(), some.size()), ssize_t(some.size()));
    // Wait for the run to be under way: its temporary file exists.
    for (int i = 0; i < 500 && dir.Listing().find(".zanfo-") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_NE(dir.Listing().find(".zanfo-"), std::string::npos);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

    cli.Signal(SIGINT);
    const Result r = cli.Wait();
    ::close(writer);
    EXPECT_EQ(r.status, 130) << r.err;
    EXPECT_NE(r.err.find("interrupted"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFile(dir / "slow.xxx"), "precious");
    EXPECT_EQ(dir.Listing(), "slow slow.xxx ");
}

TEST(Cli, FullDiskKeepsTheExistingOutput)
{
    SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << "mounting a small file system needs root";
    TempDir dir;
    WriteFile(dir / "big", Pattern(200000));
    WriteFile(disk.Dir() / "big.xxx", "precious");
    const Result r = RunCli({"codify", dir / "big", "-o", disk.Dir() / "big.xxx", "--password-stdin"}, "pw\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Disk full"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFile(disk.Dir() / "big.xxx"), "precious");
    EXPECT_EQ(disk.Dir().Listing(), "big.xxx ");
}

TEST(Cli, ProgressIsDrawnOnlyOnATerminal)
{
    TempDir dir;
    WriteFile(dir / "big", Pattern(3 << 20));
    Result r = Cli({"codify", dir / "big", "--password-stdin", "--progress"}, "pw\n", false, true).Wait();
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find(dir / "big" + " 100%"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.back(), '\n') << "the line is finished when the file is done";

    r = RunCli({"codify", dir / "big", "-o", dir / "again.xxx", "--password-stdin", "--progress"}, "pw\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "") << "nothing is drawn into a file or a pipe";
}
