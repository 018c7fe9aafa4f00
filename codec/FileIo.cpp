#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "IoError.h"
#include "crypto/Wipe.h"

namespace zanfo {

std::atomic<bool> cancelRequested{false};

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept
{
    if (this != &other) {
        Close();
        fd_ = other.Release();
    }
    return *this;
}

UniqueFd::~UniqueFd() { Close(); }

int UniqueFd::Release()
{
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

int UniqueFd::Close()
{
    if (fd_ < 0) return 0;
    const int result = ::close(Release());
    return result == 0 ? 0 : errno;
}

UniqueFd OpenInput(const std::string& path, int& error)
{
    error = 0;
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        error = errno;
        return fd;
    }
    struct stat st;
    if (::fstat(fd.Get(), &st) != 0) {
        error = errno;
        return UniqueFd();
    }
    if (S_ISDIR(st.st_mode)) {
        error = EISDIR;
        return UniqueFd();
    }
    return fd;
}

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat sa, sb;
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::uint64_t FileSize(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    return std::uint64_t(st.st_size);
}

FileSource::FileSource(int fd) : fd_(fd), buffer_(new std::uint8_t[FileBufferSize]) {}

// The buffers hold file contents, plain ones among them: they do not outlive the run.
FileSource::~FileSource() { SecureZero(buffer_.get(), FileBufferSize); }

// Refills the buffer; a read is retried until the buffer is full or the file ends.
std::size_t FileSource::Fill()
{
    begin_ = end_ = 0;
    while (end_ < FileBufferSize && !atEnd_) {
        const ssize_t n = ::read(fd_, buffer_.get() + end_, FileBufferSize - end_);
        if (n > 0) {
            end_ += std::size_t(n);
        } else if (n == 0) {
            atEnd_ = true;
        } else if (errno != EINTR) {
            throw IoError::FromErrno(errno);
        } else if (cancelRequested.load(std::memory_order_relaxed)) {
            throw Cancelled();
        }
    }
    return end_;
}

std::size_t FileSource::Read(std::uint8_t* buffer, std::size_t count)
{
    if (cancelRequested.load(std::memory_order_relaxed)) throw Cancelled();
    std::size_t done = 0;
    while (done < count) {
        if (begin_ == end_ && (atEnd_ || Fill() == 0)) break;
        const std::size_t n = std::min(count - done, end_ - begin_);
        std::memcpy(buffer + done, buffer_.get() + begin_, n);
        begin_ += n;
        done += n;
    }
    return done;
}

FileSink::FileSink(int fd) : fd_(fd), buffer_(new std::uint8_t[FileBufferSize]) {}

// Whatever is still buffered when the sink goes was not flushed: it belongs to a
// run that failed, and its temporary file is removed anyway.
FileSink::~FileSink() { SecureZero(buffer_.get(), FileBufferSize); }

std::size_t FileSink::Write(const std::uint8_t* data, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        if (used_ == FileBufferSize && !Drain()) break;
        const std::size_t n = std::min(count - done, FileBufferSize - used_);
        std::memcpy(buffer_.get() + used_, data + done, n);
        used_ += n;
        done += n;
    }
    return done;
}

void FileSink::Flush()
{
    if (!Drain()) throw IoError::DiskFull();
}

bool FileSink::Drain()
{
    std::size_t done = 0;
    while (done < used_) {
        const ssize_t n = ::write(fd_, buffer_.get() + done, used_ - done);
        if (n > 0) {
            done += std::size_t(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n == 0 || errno == ENOSPC || errno == EDQUOT || errno == EFBIG) {
            return false;  // the medium is full: the codec reports it
        } else {
            throw IoError::FromErrno(errno);
        }
    }
    used_ = 0;
    return true;
}

}  // namespace zanfo
