#include "server/content/qd_vigia_docs.h"

#include "platform/file/folder_list.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>

namespace {

// Company folders watched at once; beyond them the one used longest ago gives way.
constexpr std::size_t kMaxPastas = 16;
constexpr std::size_t kLarguraRadical = 7;

// The position whose stem `nome` starts with, followed by a dot ("0000001.pdf" is 1); none for a
// name that no document's file name could start with.
std::optional<std::uint32_t> PosicaoDoNome(std::string_view nome) {
    if (nome.size() <= kLarguraRadical || nome[kLarguraRadical] != '.') return std::nullopt;
    std::uint64_t posicao = 0;
    for (const char c : nome.substr(0, kLarguraRadical)) {
        const int digito = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'z' ? c - 'a' + 10 : -1;
        if (digito < 0) return std::nullopt;
        posicao = posicao * 36 + static_cast<std::uint64_t>(digito);
    }
    if (posicao > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(posicao);
}

void Acrescenta(std::vector<std::uint32_t>& posicoes, std::string_view nome) {
    const std::optional<std::uint32_t> posicao = PosicaoDoNome(nome);
    if (!posicao) return;
    // Names mostly arrive for new documents, past every position already counted.
    if (posicoes.empty() || posicoes.back() < *posicao) {
        posicoes.push_back(*posicao);
        return;
    }
    const auto lugar = std::lower_bound(posicoes.begin(), posicoes.end(), *posicao);
    if (*lugar != *posicao) posicoes.insert(lugar, *posicao);
}

}  // namespace

bool CQDVigiaDocs::Lista(const CZTString& pastaDocs, Pasta& pasta) {
    if (!pasta.vigia.Start(pastaDocs)) return false;
    std::vector<platform::FolderEntry> entradas;
    if (platform::ListFolder(pastaDocs, entradas).Failed()) return false;
    pasta.posicoes.clear();
    for (const platform::FolderEntry& entrada : entradas) {
        if (const std::optional<std::uint32_t> posicao = PosicaoDoNome(entrada.name.view())) {
            pasta.posicoes.push_back(*posicao);
        }
    }
    std::sort(pasta.posicoes.begin(), pasta.posicoes.end());
    pasta.posicoes.erase(std::unique(pasta.posicoes.begin(), pasta.posicoes.end()), pasta.posicoes.end());
    return true;
}

CQDVigiaDocs::Pasta* CQDVigiaDocs::Vigiada(const CZTString& pastaDocs) {
    auto encontrada = m_pastas.find(pastaDocs.str());
    if (encontrada == m_pastas.end()) {
        if (m_pastas.size() >= kMaxPastas) EsqueceAMaisAntiga();
        encontrada = m_pastas.emplace(pastaDocs.str(), std::make_unique<Pasta>()).first;
        encontrada->second->uso = ++m_usos;
        if (!Lista(pastaDocs, *encontrada->second)) {
            m_pastas.erase(encontrada);
            return nullptr;
        }
        return encontrada->second.get();
    }
    Pasta& pasta = *encontrada->second;
    pasta.uso = ++m_usos;
    std::vector<platform::String> chegadas;
    if (pasta.vigia.TakeArrivals(chegadas)) {
        for (const platform::String& nome : chegadas) Acrescenta(pasta.posicoes, nome.view());
        return &pasta;
    }
    if (Lista(pastaDocs, pasta)) return &pasta;
    m_pastas.erase(encontrada);
    return nullptr;
}

void CQDVigiaDocs::EsqueceAMaisAntiga() {
    const auto antiga = std::min_element(m_pastas.begin(), m_pastas.end(),
                                         [](const auto& a, const auto& b) { return a.second->uso < b.second->uso; });
    if (antiga != m_pastas.end()) m_pastas.erase(antiga);
}

bool CQDVigiaDocs::PodeTerArquivo(const CZTString& pastaDocs, std::uint32_t lPosicao) {
    if (pastaDocs.IsEmpty()) return true;
    const Pasta* pasta = Vigiada(pastaDocs);
    return !pasta || std::binary_search(pasta->posicoes.begin(), pasta->posicoes.end(), lPosicao);
}

CQDVigiaDocs& QDVigiaDocs() {
    static CQDVigiaDocs vigia;
    return vigia;
}
