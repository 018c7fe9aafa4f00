#include "Password.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "codec/FileIo.h"
#include "codec/Windows1252.h"
#include "crypto/Wipe.h"

namespace zanfo::cli {
namespace {

// Reads one line from fd; false on an interrupt or on end of input before any byte.
bool ReadLine(int fd, std::string& line)
{
    line.clear();
    bool any = false;
    for (;;) {
        char c;
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR) {
            if (cancelRequested) return false;
            continue;
        }
        if (n <= 0) return any;
        any = true;
        if (c == '\n') break;
        line.push_back(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

std::optional<std::string> ToPassword(std::string& utf8, PasswordError& error)
{
    auto bytes = Utf8ToWindows1252(utf8);
    SecureZero(utf8.data(), utf8.size());
    if (!bytes) error = PasswordError::NotWindows1252;
    return bytes;
}

// Echo off for as long as it lives.
class NoEcho {
public:
    explicit NoEcho(int fd) : fd_(fd) { active_ = ::tcgetattr(fd, &saved_) == 0; }
    bool Apply()
    {
        if (!active_) return false;
        termios quiet = saved_;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        return ::tcsetattr(fd_, TCSAFLUSH, &quiet) == 0;
    }
    ~NoEcho()
    {
        if (active_) ::tcsetattr(fd_, TCSAFLUSH, &saved_);
    }

private:
    int fd_;
    bool active_;
    termios saved_{};
};

bool Prompt(int tty, const char* text, std::string& line)
{
    (void)!::write(tty, text, std::char_traits<char>::length(text));
    const bool ok = ReadLine(tty, line);
    if (!ok) (void)!::write(tty, "\n", 1);
    return ok;
}

}  // namespace

std::optional<std::string> AskOnTerminal(bool confirm, PasswordError& error)
{
    error = PasswordError::None;
    const UniqueFd tty(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!tty.Valid()) {
        error = PasswordError::NoTerminal;
        return std::nullopt;
    }
    NoEcho noEcho(tty.Get());
    if (!noEcho.Apply()) {
        error = PasswordError::NoTerminal;
        return std::nullopt;
    }
    std::string first, second;
    if (!Prompt(tty.Get(), "Password: ", first) ||
        (confirm && !Prompt(tty.Get(), "Password again: ", second))) {
        SecureZero(first.data(), first.size());
        error = PasswordError::Interrupted;
        return std::nullopt;
    }
    const bool mismatch = confirm && first != second;
    SecureZero(second.data(), second.size());
    if (mismatch) {
        SecureZero(first.data(), first.size());
        error = PasswordError::Mismatch;
        return std::nullopt;
    }
    return ToPassword(first, error);
}

std::optional<std::string> ReadFromStdin(PasswordError& error)
{
    error = PasswordError::None;
    std::string line;
    if (!ReadLine(STDIN_FILENO, line)) {
        error = cancelRequested ? PasswordError::Interrupted : PasswordError::Empty;
        return std::nullopt;
    }
    return ToPassword(line, error);
}

const char* Describe(PasswordError error)
{
    switch (error) {
    case PasswordError::None: return "";
    case PasswordError::NoTerminal:
        return "no terminal to ask the password on; pipe it in with --password-stdin";
    case PasswordError::Interrupted: return "interrupted";
    case PasswordError::Mismatch: return "the two passwords differ; nothing was done";
    case PasswordError::Empty: return "no password on standard input (an empty line is the empty password)";
    case PasswordError::NotWindows1252:
        return "the password holds a character that Zanfo passwords cannot carry "
               "(only Windows-1252 letters and signs are allowed)";
    }
    return "";
}

}  // namespace zanfo::cli
