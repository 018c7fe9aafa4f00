#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace zanfo {

// Where the codec reads from. Errors are raised as IoError.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to count bytes; fewer only at the end of the source.
    virtual std::size_t Read(std::uint8_t* buffer, std::size_t count) = 0;
};

// Where the codec writes to. Errors are raised as IoError.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes up to count bytes and returns how many; fewer means the medium is full.
    virtual std::size_t Write(const std::uint8_t* data, std::size_t count) = 0;
};

// A source over bytes held in memory.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(const std::string& bytes) : bytes_(bytes) {}
    std::size_t Read(std::uint8_t* buffer, std::size_t count) override;

private:
    const std::string& bytes_;
    std::size_t position_ = 0;
};

// A sink into memory that takes at most `capacity` bytes, like a disk of that size.
class MemorySink final : public ByteSink {
public:
    explicit MemorySink(std::size_t capacity = SIZE_MAX) : capacity_(capacity) {}
    std::size_t Write(const std::uint8_t* data, std::size_t count) override;
    // Everything written so far.
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::size_t capacity_;
};

}  // namespace zanfo
