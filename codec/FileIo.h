#pragma once
#include <atomic>
#include <cstdint>
#include <string>

#include "Stream.h"

namespace zanfo {

// Set from a signal handler or a Cancel button; file reads then raise Cancelled.
extern std::atomic<bool> cancelRequested;

// An open file descriptor, closed when it goes.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    ~UniqueFd();

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Gives up ownership.
    int Release();
    // Closes now; returns 0 or the errno of a failed close.
    int Close();

private:
    int fd_ = -1;
};

// Opens an existing file for reading only; a folder does not count. errno on failure.
UniqueFd OpenInput(const std::string& path, int& error);

// True when both names lead to one file (same device and inode), however spelled.
bool SameFile(const std::string& a, const std::string& b);

// Size of an open file in bytes, 0 when it is not a regular file.
std::uint64_t FileSize(int fd);

// Reads a file descriptor; a read is retried until full or at the end.
class FileSource final : public ByteSource {
public:
    explicit FileSource(int fd) : fd_(fd) {}
    std::size_t Read(std::uint8_t* buffer, std::size_t count) override;

private:
    int fd_;
};

// Writes a file descriptor; a full disk shows as a short count.
class FileSink final : public ByteSink {
public:
    explicit FileSink(int fd) : fd_(fd) {}
    std::size_t Write(const std::uint8_t* data, std::size_t count) override;

private:
    int fd_;
};

}  // namespace zanfo
