#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
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

// File reads and writes go through a buffer of this size: one system call per
// 256 KiB rather than per 8 KiB chunk.
inline constexpr std::size_t FileBufferSize = 256 * 1024;

// Reads a file descriptor; a read is retried until full or at the end.
class FileSource final : public ByteSource {
public:
    explicit FileSource(int fd);
    ~FileSource() override;
    std::size_t Read(std::uint8_t* buffer, std::size_t count) override;

private:
    std::size_t Fill();

    int fd_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t begin_ = 0, end_ = 0;
    bool atEnd_ = false;
};

// Writes a file descriptor; a full disk shows as a short count.
class FileSink final : public ByteSink {
public:
    explicit FileSink(int fd);
    ~FileSink() override;
    std::size_t Write(const std::uint8_t* data, std::size_t count) override;
    // Writes out what is buffered; raises IoError (Disk full included).
    void Flush();

private:
    // Writes out the buffer; false when the medium is full.
    bool Drain();

    int fd_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t used_ = 0;
};

}  // namespace zanfo
