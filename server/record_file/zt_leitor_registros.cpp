#include "server/record_file/zt_leitor_registros.h"

#include <algorithm>
#include <cstring>

int CZTLeitorRegistros::Aponta(std::int32_t posicao, const char*& registro) {
    registro = nullptr;
    const std::uint32_t tamanho = m_arquivo.GetTamanhoRegistro();
    if (posicao >= m_nPrimeira && posicao < m_nPrimeira + m_nQuantidade) {
        registro = m_janela.get() + static_cast<std::size_t>(posicao - m_nPrimeira) * tamanho;
        return 0;
    }
    const std::uint32_t porJanela = std::max<std::uint32_t>(1, m_nBytesJanela / std::max<std::uint32_t>(tamanho, 1));
    const std::size_t bytes = static_cast<std::size_t>(porJanela) * tamanho;
    if (m_nCapacidade < bytes) {
        m_janela = std::make_unique_for_overwrite<char[]>(bytes);
        m_nCapacidade = bytes;
    }
    m_nQuantidade = 0;
    std::uint32_t lidos = 0;
    if (const int codigo = m_arquivo.ReadRecords(posicao, porJanela, m_janela.get(), lidos)) return codigo;
    m_nPrimeira = posicao;
    m_nQuantidade = lidos;
    registro = m_janela.get();
    return 0;
}

int CZTLeitorRegistros::Le(std::int32_t posicao, void* registro) {
    const char* origem = nullptr;
    if (const int codigo = Aponta(posicao, origem)) return codigo;
    std::memcpy(registro, origem, m_arquivo.GetTamanhoRegistro());
    return 0;
}
