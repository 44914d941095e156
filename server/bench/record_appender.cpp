#include "server/bench/record_appender.h"

#include "server/record_file/qd_caminho_dados.h"

#include <algorithm>

namespace kelvo::bench {

namespace {

// Large enough that the system calls vanish from the figures, small enough to stay in the cache.
constexpr std::size_t kBloco = 8u << 20;

}  // namespace

AnexadorArquivo::AnexadorArquivo(const std::string& pastaDados, const char* nome, std::uint32_t tamanhoRegistro)
    : m_caminho(QDCaminhoArquivoDados(pastaDados.c_str(), nome).GetString()), m_tamanhoRegistro(tamanhoRegistro) {}

int AnexadorArquivo::Abre() {
    if (const int codigo = m_arquivo.Open(m_caminho.c_str(), 'G', m_tamanhoRegistro, true, true)) return codigo;
    std::int64_t comprimento = 0;
    if (const int codigo = m_arquivo.SeekEx('F', 0, comprimento)) return codigo;
    m_fimArquivo = static_cast<std::uint64_t>(comprimento);
    m_pendente.reserve(kBloco + m_tamanhoRegistro);
    if (m_fimArquivo == 0) m_pendente.assign(m_tamanhoRegistro, '\0');
    return 0;
}

int AnexadorArquivo::Anexa(const void* dados, std::size_t bytes) {
    const char* inicio = static_cast<const char*>(dados);
    m_pendente.insert(m_pendente.end(), inicio, inicio + bytes);
    return m_pendente.size() >= kBloco ? Descarrega() : 0;
}

int AnexadorArquivo::Descarrega() {
    std::size_t escritos = 0;
    while (escritos < m_pendente.size()) {
        const std::size_t parte = std::min(m_pendente.size() - escritos, kBloco);
        if (const int codigo = m_arquivo.WriteBytes(static_cast<std::uint32_t>(parte), m_pendente.data() + escritos)) {
            return codigo;
        }
        escritos += parte;
    }
    m_fimArquivo += m_pendente.size();
    m_pendente.clear();
    return 0;
}

int AnexadorArquivo::Fecha() {
    const int codigo = Descarrega();
    const int fechamento = m_arquivo.CloseEx();
    return codigo != 0 ? codigo : fechamento;
}

}  // namespace kelvo::bench
