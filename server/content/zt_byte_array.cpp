#include "server/content/zt_byte_array.h"

CZTByteArray::CZTByteArray(const void* dados, std::size_t tamanho) {
    const auto* bytes = static_cast<const std::uint8_t*>(dados);
    if (bytes && tamanho > 0) m_bytes.assign(bytes, bytes + tamanho);
}

bool CZTByteArray::Serialize(CZTArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(m_bytes.size());
        ar.Write(m_bytes.data(), m_bytes.size());
        return true;
    }
    std::uint64_t contagem = 0;
    if (!ar.ReadCount(contagem) || contagem > ar.GetRestante()) return false;
    std::vector<std::uint8_t> lidos(static_cast<std::size_t>(contagem));
    if (!ar.Read(lidos.data(), lidos.size())) return false;
    m_bytes = std::move(lidos);
    return true;
}
