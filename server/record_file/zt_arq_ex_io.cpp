// Reading, writing and positioning a record file: records through the cache, raw bytes, the
// header, the record count.
#include "server/record_file/zt_arq_ex.h"

#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_arq_causas.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr int kTentativas = 60;
constexpr std::uint64_t kMaiorPosicao = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());

}  // namespace

int CZTArqEx::ReadRecord(std::int32_t posicao, void* buffer) {
    if (posicao < 0) {
        MarcaFalha();
        return ZT_ERR_ARQ_POSICIONAMENTO;
    }
    const std::uint64_t offset = static_cast<std::uint64_t>(posicao) * m_nTamRegistro;
    if (m_nTamRegistro != 0 && m_cache.Copia(offset, m_nTamRegistro, buffer, m_relogio.GetTickCount64())) return 0;
    if (const int codigo = AbreQuandoPreciso()) return codigo;
    return LeDoArquivo(offset, buffer);
}

int CZTArqEx::LeDoArquivo(std::uint64_t offset, void* buffer) {
    try {
        const std::uint64_t comprimento = GetLength();
        if (offset >= comprimento) {
            MarcaFalha();
            return ZT_ERR_ARQ_FIM;
        }
        // A record larger than the cache goes straight to the caller. No more than the file holds
        // is asked for, so that one read answers and none is spent on meeting the end.
        const bool usaCache = m_nTamRegistro <= m_cache.Tamanho();
        const auto restantes = static_cast<unsigned>(std::min<std::uint64_t>(comprimento - offset, m_cache.Tamanho()));
        const unsigned pedidos = usaCache ? restantes : m_nTamRegistro;
        const unsigned lidos = static_cast<const platform::File&>(*this).ReadAt(
            offset, usaCache ? m_cache.Buffer() : static_cast<char*>(buffer), pedidos);
        if (usaCache) m_cache.Preenchido(offset, lidos, m_relogio.GetTickCount64());
        if (lidos < m_nTamRegistro) {
            // A last record cut short holds no whole record: never hand out unfilled bytes.
            MarcaFalha();
            return ZT_ERR_ARQ_FIM;
        }
        if (usaCache) std::memcpy(buffer, m_cache.Buffer(), m_nTamRegistro);
        return 0;
    } catch (const platform::FileException& erro) {
        return FalhaLeitura(erro);
    }
}

int CZTArqEx::FalhaLeitura(const platform::FileException& erro) {
    const int codigo = ZTCodigoCausaArq(ZTOperacaoArq::Leitura, erro.m_cause);
    if (codigo != ZT_ERR_ARQ_FIM) MarcaFalha();
    return codigo;
}

int CZTArqEx::ReadAt(std::uint64_t offset, std::uint32_t bytes, void* buffer, std::uint32_t& lidos) {
    lidos = 0;
    if (const int codigo = AbreQuandoPreciso()) return codigo;
    try {
        lidos = static_cast<const platform::File&>(*this).ReadAt(offset, buffer, bytes);
        return 0;
    } catch (const platform::FileException& erro) {
        return FalhaLeitura(erro);
    }
}

int CZTArqEx::ReadRecords(std::int32_t posicao, std::uint32_t quantidade, void* buffer, std::uint32_t& lidos) {
    lidos = 0;
    if (posicao < 0) {
        MarcaFalha();
        return ZT_ERR_ARQ_POSICIONAMENTO;
    }
    if (m_nTamRegistro == 0) return ZT_ERR_ARQ_NOME_MODO;
    const std::uint64_t bytes = std::min<std::uint64_t>(std::uint64_t{quantidade} * m_nTamRegistro,
                                                        std::numeric_limits<std::uint32_t>::max());
    std::uint32_t bytesLidos = 0;
    const std::uint64_t offset = static_cast<std::uint64_t>(posicao) * m_nTamRegistro;
    if (const int codigo = ReadAt(offset, static_cast<std::uint32_t>(bytes), buffer, bytesLidos)) return codigo;
    lidos = bytesLidos / m_nTamRegistro;
    if (lidos > 0) return 0;
    MarcaFalha();
    return ZT_ERR_ARQ_FIM;
}

int CZTArqEx::WriteRecord(const void* buffer, std::int32_t& posicao) { return WriteRecords(buffer, 1, posicao); }

int CZTArqEx::WriteRecords(const void* buffer, std::uint32_t quantidade, std::int32_t& posicao) {
    if (posicao < 0) {
        MarcaFalha();
        return ZT_ERR_ARQ_POSICIONAMENTO;
    }
    if (quantidade == 0) return 0;
    const std::uint64_t bytes = std::uint64_t{quantidade} * m_nTamRegistro;
    if (bytes > std::numeric_limits<std::uint32_t>::max()) {
        MarcaFalha();
        return ZT_ERR_ARQ_POSICIONAMENTO;
    }
    if (const int codigo = AbreQuandoPreciso()) return codigo;
    const std::uint64_t offset = static_cast<std::uint64_t>(posicao) * m_nTamRegistro;
    std::uint64_t escrito = 0;
    if (const int codigo = GravaComTentativas(buffer, static_cast<std::uint32_t>(bytes), offset, posicao == 0,
                                              quantidade - 1, escrito)) {
        return codigo;
    }
    posicao = static_cast<std::int32_t>(escrito / m_nTamRegistro);
    return 0;
}

int CZTArqEx::WriteHeader(const void* buffer, std::uint32_t bytes) {
    if (const int codigo = AbreQuandoPreciso()) return codigo;
    std::uint64_t escrito = 0;
    return GravaComTentativas(buffer, bytes, 0, false, 0, escrito);
}

std::uint64_t CZTArqEx::OffsetAnexo() {
    const std::uint64_t registros = GetLength() / m_nTamRegistro;
    const std::uint64_t quantidade = registros > 0 ? registros - 1 : 0;
    return (quantidade + 1) * m_nTamRegistro;
}

int CZTArqEx::GravaComTentativas(const void* buffer, std::uint32_t bytes, std::uint64_t offset, bool anexa,
                                 std::uint64_t seguintes, std::uint64_t& escrito) {
    for (int tentativa = 0; tentativa < kTentativas; ++tentativa) {
        try {
            const std::uint64_t destino = anexa ? OffsetAnexo() : offset;
            if (seguintes > kMaiorPosicao || destino / m_nTamRegistro > kMaiorPosicao - seguintes) {
                // A record number would not fit the 32-bit positions the records store.
                m_cache.Esvazia();
                MarcaFalha();
                return ZT_ERR_ARQ_POSICIONAMENTO;
            }
            Seek(static_cast<std::int64_t>(destino), begin);
            Write(buffer, bytes);
            m_cache.Esvazia();
            escrito = destino;
            return 0;
        } catch (const platform::FileException& erro) {
            m_cache.Esvazia();
            MarcaFalha();
            const bool ultima = tentativa == kTentativas - 1;
            if (const int codigo = ZTCodigoCausaArq(ZTOperacaoArq::Gravacao, erro.m_cause, ultima)) return codigo;
        }
    }
    return ZT_ERR_ARQ_OUTRO;
}

int CZTArqEx::ReadBytes(std::uint32_t bytes, void* buffer) {
    if (const int codigo = AbreQuandoPreciso()) return codigo;
    try {
        return Read(buffer, bytes) < bytes ? ZT_ERR_ARQ_FIM : 0;
    } catch (const platform::FileException& erro) {
        return FalhaLeitura(erro);
    }
}

int CZTArqEx::WriteBytes(std::uint32_t bytes, const void* buffer) {
    if (const int codigo = AbreQuandoPreciso()) return codigo;
    try {
        Write(buffer, bytes);
        m_cache.Esvazia();
        return 0;
    } catch (const platform::FileException& erro) {
        return FalhaGravacaoUnica(erro);
    }
}

int CZTArqEx::SetLengthEx(std::uint64_t bytes) {
    if (const int codigo = AbreQuandoPreciso()) return codigo;
    try {
        SetLength(bytes);
        m_cache.Esvazia();  // it may hold bytes that are gone now
        return 0;
    } catch (const platform::FileException& erro) {
        return FalhaGravacaoUnica(erro);
    }
}

int CZTArqEx::FalhaGravacaoUnica(const platform::FileException& erro) {
    m_cache.Esvazia();
    MarcaFalha();
    const int codigo = ZTCodigoCausaArq(ZTOperacaoArq::Gravacao, erro.m_cause, true);
    return codigo != 0 ? codigo : ZT_ERR_ARQ_OUTRO;
}

int CZTArqEx::SeekEx(char operacao, std::int64_t offset, std::int64_t& resultado) {
    if (operacao != 'F' && operacao != 'I' && operacao != 'P') return ZT_ERR_ARQ_NOME_MODO;
    if (const int codigo = AbreQuandoPreciso()) return codigo;
    try {
        switch (operacao) {
            case 'F': resultado = static_cast<std::int64_t>(SeekToEnd()); return 0;
            case 'I': SeekToBegin(); resultado = 0; return 0;
            default: break;
        }
        if (offset >= 0 && static_cast<std::uint64_t>(offset) >= GetLength()) {
            MarcaFalha();
            return ZT_ERR_ARQ_FIM;
        }
        resultado = static_cast<std::int64_t>(Seek(offset, begin));
        return 0;
    } catch (const platform::FileException& erro) {
        MarcaFalha();
        return ZTCodigoCausaArq(ZTOperacaoArq::Leitura, erro.m_cause);
    }
}

int CZTArqEx::Carimbo(platform::FileStampReading& carimbo) {
    carimbo = {};
    if (const int codigo = AbreQuandoPreciso()) return codigo;
    try {
        carimbo = ReadStamp();
        return 0;
    } catch (const platform::FileException& erro) {
        MarcaFalha();
        return ZTCodigoCausaArq(ZTOperacaoArq::Leitura, erro.m_cause);
    }
}

std::int64_t CZTArqEx::RecordCount() {
    if (AbreQuandoPreciso() != 0) return 0;
    try {
        const std::uint64_t registros = GetLength() / m_nTamRegistro;
        return registros > 0 ? static_cast<std::int64_t>(registros - 1) : 0;
    } catch (const platform::FileException&) {
        return 0;
    }
}
