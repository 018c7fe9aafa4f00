// libFuzzer target: any bytes as a protected file, under any password.
// Input layout: one byte n (password length, n % 64), n password bytes, the file.
// Besides not crashing, an encode of the file must decode back to itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "codec/IoError.h"
#include "codec/ProtectedFile.h"
#include "crypto/Blowfish.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::size_t n = std::min<std::size_t>(data[0] % 64, size - 1);
    const std::string password(reinterpret_cast<const char*>(data + 1), n);
    const std::string file(reinterpret_cast<const char*>(data + 1 + n), size - 1 - n);

    zanfo::TDCP_blowfish cipher;
    {
        zanfo::MemorySource source(file);
        zanfo::MemorySink sink;
        try {
            zanfo::DecodeFile(cipher, password, source, sink);
        } catch (const zanfo::IoError&) {
            if (file.size() >= 32) std::abort();  // only a short file may fail
        }
        if (cipher.Initialized()) std::abort();
    }

    zanfo::MemorySource plain(file);
    zanfo::MemorySink encoded;
    zanfo::EncodeFile(cipher, password, plain, encoded);
    if (encoded.Bytes().size() != file.size() + 32) std::abort();
    zanfo::MemorySource back(encoded.Bytes());
    zanfo::MemorySink decoded;
    if (zanfo::DecodeFile(cipher, password, back, decoded) != zanfo::DecodeResult::Accepted ||
        decoded.Bytes() != file)
        std::abort();
    return 0;
}
