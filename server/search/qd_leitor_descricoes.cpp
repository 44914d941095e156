#include "server/search/qd_leitor_descricoes.h"

#include "server/record_file/qd_arquivos.h"
#include "server/record_file/record_file_codes.h"

#include <algorithm>

CQDLeitorDescricoes::CQDLeitorDescricoes(IQDArqBind& bind) : m_arquivo(bind, QD_ARQ_DOC_DESCRICAO) {}

int CQDLeitorDescricoes::Abre() {
    if (const int erro = m_arquivo.Open('L', true, true)) return erro;
    std::int64_t comprimento = 0;
    if (const int erro = m_arquivo.SeekEx('F', 0, comprimento)) return erro;
    m_nComprimento = static_cast<std::uint64_t>(std::max<std::int64_t>(comprimento, 0));
    return 0;
}

int CQDLeitorDescricoes::Verifica(std::uint64_t offset, std::uint64_t tamanho) {
    // Byte 0 is the file's header: no description starts there.
    const auto dentro = [&] { return offset >= 1 && offset < m_nComprimento && tamanho <= m_nComprimento - offset; };
    if (dentro()) return 0;
    std::int64_t comprimento = 0;
    if (const int erro = m_arquivo.SeekEx('F', 0, comprimento)) return erro;
    m_nComprimento = static_cast<std::uint64_t>(std::max<std::int64_t>(comprimento, 0));
    return dentro() ? 0 : ZT_ERR_ARQ_FIM;
}

int CQDLeitorDescricoes::LeBytes(std::uint64_t offset, std::uint32_t tamanho, char* destino) {
    std::uint32_t lidos = 0;
    if (const int erro = m_arquivo.ReadAt(offset, tamanho, destino, lidos)) return erro;
    return lidos < tamanho ? ZT_ERR_ARQ_FIM : 0;
}

int CQDLeitorDescricoes::Le(std::uint32_t offset, std::uint32_t tamanho, std::string_view& texto) {
    texto = {};
    if (tamanho == 0) return 0;
    if (const int erro = Verifica(offset, tamanho)) return erro;
    if (offset >= m_nInicio && offset + std::uint64_t{tamanho} <= m_nInicio + m_nBytes) {
        texto = {m_janela.data() + (offset - m_nInicio), tamanho};
        return 0;
    }
    if (tamanho > kTamanhoJanela) {
        m_longa.resize(tamanho);
        if (const int erro = LeBytes(offset, tamanho, m_longa.data())) return erro;
        texto = {m_longa.data(), tamanho};
        return 0;
    }
    m_janela.resize(kTamanhoJanela);
    const auto bytes = static_cast<std::uint32_t>(std::min<std::uint64_t>(kTamanhoJanela, m_nComprimento - offset));
    m_nBytes = 0;
    if (const int erro = LeBytes(offset, bytes, m_janela.data())) return erro;
    m_nInicio = offset;
    m_nBytes = bytes;
    texto = {m_janela.data(), tamanho};
    return 0;
}
