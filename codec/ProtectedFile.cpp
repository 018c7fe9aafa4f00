#include "ProtectedFile.h"

#include "IoError.h"
#include "crypto/Sha1.h"
#include "crypto/Wipe.h"

namespace zanfo {
namespace {

// Burns the cipher and wipes working storage however the run ends.
class RunGuard {
public:
    RunGuard(TDCP_blockcipher& cipher, void* storage, std::size_t size)
        : cipher_(cipher), storage_(storage), size_(size)
    {
    }
    ~RunGuard()
    {
        cipher_.Burn();
        SecureZero(storage_, size_);
    }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

private:
    TDCP_blockcipher& cipher_;
    void* storage_;
    std::size_t size_;
};

// Everything one run keeps: the key check and the chunk buffer, wiped together.
struct RunStorage {
    KeyCheck check;
    std::uint8_t chunk[ChunkSize];
};

// Keys the cipher with the password's KeyBlock and returns the KeyCheck; the
// chaining value is back at the IV, ready for the body.
void Keying(TDCP_blockcipher& cipher, std::string_view password, KeyCheck& check)
{
    check = DeriveKeyBlock(password);
    const int32_t keySize = cipher.MaxKeySize() >= 256 ? 256 : cipher.MaxKeySize();
    cipher.Init(check.data(), keySize, nullptr);
    cipher.EncryptCBC(check.data(), check.data(), int32_t(check.size()));
    cipher.Reset();
}

void WriteAll(ByteSink& target, const std::uint8_t* data, std::size_t count)
{
    if (target.Write(data, count) != count) throw IoError::DiskFull();
}

// Steps the body through the cipher chunk by chunk until the source ends.
template <typename Transform>
void ChunkLoop(ByteSource& source, ByteSink& target, std::uint8_t* chunk, Transform transform)
{
    std::size_t n;
    do {
        n = source.Read(chunk, ChunkSize);
        transform(chunk, int32_t(n));
        WriteAll(target, chunk, n);
    } while (n == ChunkSize);
}

}  // namespace

KeyBlock DeriveKeyBlock(std::string_view password)
{
    KeyBlock block;
    block.fill(0xFF);
    TDCP_sha1 hash(nullptr);
    hash.Init();
    hash.UpdateStr(password);
    hash.Final(block.data());  // writes bytes 0 to 19 only
    return block;
}

void EncodeFile(TDCP_blockcipher& cipher, std::string_view password, ByteSource& source,
                ByteSink& target)
{
    RunStorage run;
    RunGuard guard(cipher, &run, sizeof run);
    Keying(cipher, password, run.check);
    WriteAll(target, run.check.data(), run.check.size());
    ChunkLoop(source, target, run.chunk, [&](std::uint8_t* data, int32_t n) {
        cipher.EncryptCBC(data, data, n);
    });
}

DecodeResult DecodeFile(TDCP_blockcipher& cipher, std::string_view password, ByteSource& source,
                        ByteSink& target)
{
    RunStorage run;
    RunGuard guard(cipher, &run, sizeof run);
    Keying(cipher, password, run.check);

    std::uint8_t* stored = run.chunk;  // the chunk buffer is free until the body
    if (source.Read(stored, run.check.size()) != run.check.size()) throw IoError::EndOfFile();
    std::uint8_t difference = 0;
    for (std::size_t i = 0; i < run.check.size(); ++i) difference |= stored[i] ^ run.check[i];
    if (difference) return DecodeResult::Refused;

    ChunkLoop(source, target, run.chunk, [&](std::uint8_t* data, int32_t n) {
        cipher.DecryptCBC(data, data, n);
    });
    return DecodeResult::Accepted;
}

}  // namespace zanfo
