#include "util/file/zt_crc32.h"

#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> MakeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t value = i;
        for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        table[i] = value;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

}  // namespace

std::uint32_t ZTCalculaCRC32(const void* dados, std::size_t tamanho, std::uint32_t inicial) {
    if (!dados) return inicial;
    const auto* bytes = static_cast<const unsigned char*>(dados);
    std::uint32_t crc = inicial;
    for (std::size_t i = 0; i < tamanho; ++i) crc = (crc >> 8) ^ kTable[(crc ^ bytes[i]) & 0xFFu];
    return crc;
}
