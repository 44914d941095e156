// CZTByteArray: an array of bytes that serialises as the framework's byte array does (its
// element count in the archive's count encoding, then the bytes). Stored contents are wrapped in
// one before they are encrypted.
//
// Loading checks the count it reads against the bytes the archive still holds before it takes
// any memory, so damaged or wrongly decrypted bytes can never make it read beyond them or
// reserve a size they do not hold. Value type; one thread at a time.
#pragma once

#include "server/content/zt_archive.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CZTByteArray : public CZTSerializavel {
public:
    CZTByteArray() = default;
    explicit CZTByteArray(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    CZTByteArray(const void* dados, std::size_t tamanho);

    [[nodiscard]] std::size_t GetSize() const { return m_bytes.size(); }
    [[nodiscard]] const std::uint8_t* GetData() const { return m_bytes.data(); }
    [[nodiscard]] std::vector<std::uint8_t>& Bytes() { return m_bytes; }
    [[nodiscard]] const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

    // Stores count and bytes; loads them, false (array unchanged) when the count is malformed or
    // larger than the bytes left.
    [[nodiscard]] bool Serialize(CZTArchive& ar) override;

private:
    std::vector<std::uint8_t> m_bytes;
};
