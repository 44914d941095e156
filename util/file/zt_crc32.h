// CRC-32 over a block of bytes: the reflected CRC of polynomial 0xEDB88320 (the common CRC-32's
// table) without its initial and final inversion, so that a checksum can be continued over
// several blocks by passing the previous result as the start value. Pure; safe from any thread.
#pragma once

#include <cstddef>
#include <cstdint>

// The CRC of `tamanho` bytes at `dados`, the register starting at `inicial`. A null block gives
// `inicial` back.
[[nodiscard]] std::uint32_t ZTCalculaCRC32(const void* dados, std::size_t tamanho, std::uint32_t inicial = 0);
