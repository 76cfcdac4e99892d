#pragma once
// Shared pieces of the fuzz targets: findings, a per-process scratch file, byte views.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// A broken property: prints what differed and aborts, which libFuzzer records as a crash.
[[noreturn]] void Finding(const std::string& what);
inline void Require(bool condition, const std::string& what)
{
    if (!condition)
        Finding(what);
}

// One file per process, reused for every input and removed at exit.
const std::string& ScratchFile(const std::string& extension);
void WriteScratch(const std::string& fileName, std::span<const uint8_t> data);

inline std::span<const uint8_t> Bytes(const uint8_t* data, size_t size)
{
    return {data, size};
}
