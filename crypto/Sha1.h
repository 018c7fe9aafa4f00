#pragma once
#include <cstdint>

#include "Hash.h"

namespace zanfo {

// SHA-1 (FIPS 180-1) as a hash component.
class TDCP_sha1 final : public TDCP_hash {
public:
    explicit TDCP_sha1(TComponent* owner = nullptr);
    // Burns an initialised component.
    ~TDCP_sha1() override;

    void Init() override;
    void Burn() override;
    // Raises "SHA1: Not initialized" unless initialised.
    void Update(const void* buffer, int32_t size) override;
    // Writes exactly 20 bytes; raises "SHA1: Not initialized" unless initialised.
    void Final(void* digest) override;

private:
    void Compress();

    uint32_t lenHi_ = 0;
    uint32_t lenLo_ = 0;
    int32_t index_ = 0;
    uint32_t hash_[5] = {};
    uint8_t buffer_[64] = {};
};

}  // namespace zanfo
