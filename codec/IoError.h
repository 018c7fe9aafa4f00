#pragma once
#include <string>

#include "crypto/Error.h"

namespace zanfo {

// A failed read or write: the platform's error code and the text shown to the user.
class IoError : public Error {
public:
    IoError(int code, const std::string& message) : Error(message), code_(code) {}

    // The error for errno value `code`, with the system's text for it.
    static IoError FromErrno(int code);
    // A protected file shorter than its key check.
    static IoError EndOfFile();
    // A write that could not put all its bytes on the disk.
    static IoError DiskFull();

    // The platform's error code (an errno value; 0 where the platform reported none).
    int Code() const { return code_; }

private:
    int code_;
};

// A run stopped at the user's request (Ctrl-C, or Cancel in a progress dialog).
class Cancelled : public Error {
public:
    Cancelled() : Error("Cancelled") {}
};

}  // namespace zanfo
