#include "IoError.h"

#include <cerrno>
#include <cstring>

namespace zanfo {

IoError IoError::FromErrno(int code)
{
    if (code == ENOSPC || code == EDQUOT) return DiskFull();
    return IoError(code, std::strerror(code));
}

// A short file is no failure of the platform's: the file simply ends too soon.
IoError IoError::EndOfFile() { return IoError(0, "Read beyond end of file"); }

IoError IoError::DiskFull() { return IoError(ENOSPC, "Disk full"); }

}  // namespace zanfo
