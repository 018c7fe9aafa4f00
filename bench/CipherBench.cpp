// Throughput of the kernels the codec runs per 8 KiB chunk, and of SHA-1.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "codec/ProtectedFile.h"
#include "crypto/Blowfish.h"
#include "crypto/Sha1.h"

namespace {

template <void (zanfo::TDCP_blowfish::*Op)(const void*, void*, int32_t)>
void Cbc(benchmark::State& state)
{
    zanfo::TDCP_blowfish cipher;
    const zanfo::KeyBlock key = zanfo::DeriveKeyBlock("benchmark");
    cipher.Init(key.data(), 256, nullptr);
    std::vector<std::uint8_t> chunk(zanfo::ChunkSize, 0x5A);
    for (auto _ : state) {
        (cipher.*Op)(chunk.data(), chunk.data(), int32_t(chunk.size()));
        benchmark::DoNotOptimize(chunk.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(chunk.size()));
}

void EncryptCBC(benchmark::State& state) { Cbc<&zanfo::TDCP_blowfish::EncryptCBC>(state); }
void DecryptCBC(benchmark::State& state) { Cbc<&zanfo::TDCP_blowfish::DecryptCBC>(state); }

void Sha1(benchmark::State& state)
{
    zanfo::TDCP_sha1 hash;
    std::vector<std::uint8_t> chunk(zanfo::ChunkSize, 0x5A);
    std::uint8_t digest[20];
    hash.Init();
    for (auto _ : state) hash.Update(chunk.data(), int32_t(chunk.size()));
    hash.Final(digest);
    benchmark::DoNotOptimize(digest);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(chunk.size()));
}

void KeySetup(benchmark::State& state)
{
    zanfo::TDCP_blowfish cipher;
    const zanfo::KeyBlock key = zanfo::DeriveKeyBlock("benchmark");
    for (auto _ : state) cipher.Init(key.data(), 256, nullptr);
}

}  // namespace

BENCHMARK(EncryptCBC);
BENCHMARK(DecryptCBC);
BENCHMARK(Sha1);
BENCHMARK(KeySetup);
