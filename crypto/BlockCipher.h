#pragma once
#include <cstdint>
#include <string>

#include "Component.h"

namespace zanfo {

// Base of the block cipher components: a key, an IV and a chaining value.
class TDCP_blockcipher : public TComponent {
public:
    explicit TDCP_blockcipher(TComponent* owner);
    ~TDCP_blockcipher() override = default;

    // Name, block size and largest key size in bits; assignments are accepted and discarded.
    const std::string& Algorithm() const { return algorithm_; }
    void SetAlgorithm(const std::string& value) { assignedAlgorithm_ = value; }
    int32_t BlockSize() const { return blockSize_; }
    void SetBlockSize(int32_t value) { assignedSize_ = value; }
    int32_t MaxKeySize() const { return maxKeySize_; }
    void SetMaxKeySize(int32_t value) { assignedSize_ = value; }

    // Keys the cipher with size bits of key; iv (BlockSize / 8 bytes) may be null.
    virtual void Init(const void* key, int32_t size, const void* iv) = 0;
    // Wipes the key, the IV and the chaining value.
    virtual void Burn() = 0;
    // Puts the chaining value back to the IV.
    virtual void Reset() = 0;
    virtual void EncryptECB(const void* inData, void* outData) = 0;
    virtual void DecryptECB(const void* inData, void* outData) = 0;
    virtual void EncryptCBC(const void* inData, void* outData, int32_t size) = 0;
    virtual void DecryptCBC(const void* inData, void* outData, int32_t size) = 0;
    virtual void EncryptCFB8bit(const void* inData, void* outData, int32_t size) = 0;
    virtual void DecryptCFB8bit(const void* inData, void* outData, int32_t size) = 0;

    // True from a successful Init until the next Burn.
    bool Initialized() const { return initialized_; }

protected:
    bool initialized_ = false;
    std::string algorithm_;
    int32_t blockSize_ = 0;
    int32_t maxKeySize_ = 0;

private:
    std::string assignedAlgorithm_;  // receive assignments; nothing reads them
    int32_t assignedSize_ = 0;
};

}  // namespace zanfo
