#pragma once
#include <cstdint>

#include "BlockCipher.h"

namespace zanfo {

// Blowfish: 64-bit blocks, big-endian halves, keys of 8 to 448 bits, ECB, CBC and 8-bit CFB.
class TDCP_blowfish final : public TDCP_blockcipher {
public:
    explicit TDCP_blowfish(TComponent* owner = nullptr);
    // Burns an initialised component.
    ~TDCP_blowfish() override;

    // Raises "Blowfish: Invalid key size - N" unless 8 <= size <= 448 and size % 8 == 0.
    // Without an iv, the IV is the encryption of eight 0xFF bytes under the new key.
    void Init(const void* key, int32_t size, const void* iv) override;
    // Fills tables, IV and chaining value with 0xFF.
    void Burn() override;
    void Reset() override;
    void EncryptECB(const void* inData, void* outData) override;
    void DecryptECB(const void* inData, void* outData) override;
    // CBC; a last partial block is XORed with E(chaining value), which it leaves unchanged.
    void EncryptCBC(const void* inData, void* outData, int32_t size) override;
    void DecryptCBC(const void* inData, void* outData, int32_t size) override;
    void EncryptCFB8bit(const void* inData, void* outData, int32_t size) override;
    void DecryptCFB8bit(const void* inData, void* outData, int32_t size) override;

private:
    void CheckInitialized() const;
    uint32_t F(uint32_t x) const;
    void Encrypt(uint32_t& l, uint32_t& r) const;
    void Decrypt(uint32_t& l, uint32_t& r) const;
    // CBC-decrypts eight blocks at once; cl, cr is the chaining value.
    void Decrypt8(const uint8_t* in, uint8_t* out, uint32_t& cl, uint32_t& cr) const;
    void XorTail(const uint8_t* in, uint8_t* out, int32_t r) const;
    void Cfb8(const uint8_t* in, uint8_t* out, int32_t size, bool decrypt);

    uint8_t iv_[8];
    uint8_t cv_[8];
    uint32_t s_[4][256];
    uint32_t p_[18];
};

}  // namespace zanfo
