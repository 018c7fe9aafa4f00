#pragma once
#include <string>

#include "codec/ProtectedFile.h"
#include "crypto/Blowfish.h"

// The protected form of `plain` under a password (its Windows-1252 bytes), made
// in memory by the codec: what every front end must write.
inline std::string Protect(const std::string& password, const std::string& plain)
{
    zanfo::TDCP_blowfish cipher;
    zanfo::MemorySource source(plain);
    zanfo::MemorySink sink;
    zanfo::EncodeFile(cipher, password, source, sink);
    return sink.Bytes();
}
