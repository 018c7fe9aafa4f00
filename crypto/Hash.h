#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "Component.h"

namespace zanfo {

// Base of the hash components: Init, any number of Update calls, Final.
class TDCP_hash : public TComponent {
public:
    explicit TDCP_hash(TComponent* owner);
    ~TDCP_hash() override = default;

    // Name of the algorithm; assignments are accepted and discarded.
    const std::string& Algorithm() const { return algorithm_; }
    void SetAlgorithm(const std::string& value) { assignedAlgorithm_ = value; }
    // Digest size in bits; assignments are accepted and discarded.
    int32_t HashSize() const { return hashSize_; }
    virtual void SetHashSize(int32_t) {}

    // Starts a new digest.
    virtual void Init() = 0;
    // Clears all digest state.
    virtual void Burn() = 0;
    // Absorbs size bytes of buffer.
    virtual void Update(const void* buffer, int32_t size) = 0;
    // Writes the digest (HashSize / 8 bytes) and burns.
    virtual void Final(void* digest) = 0;

    // Absorbs the bytes of an 8-bit text: no terminator, no length.
    void UpdateStr(std::string_view str);

    // True from Init until the next Burn.
    bool Initialized() const { return initialized_; }

protected:
    bool initialized_ = false;
    std::string algorithm_;
    int32_t hashSize_ = 0;

private:
    std::string assignedAlgorithm_;  // receives assignments; nothing reads it
};

}  // namespace zanfo
