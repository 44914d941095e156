#include "server/content/qd_nome_conteudo.h"

#include "util/file/zt_path.h"

namespace {

constexpr int kLarguraRadical = 7;

// Bytes that may not stand in a file name made for the kernel: the C0 controls, DEL, and the five
// bytes that Windows-1252 leaves undefined (they travel as C1 controls).
bool EhControle(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

}  // namespace

CZTString QDPastaConteudos(const char* diretorioDados) {
    if (!diretorioDados || !*diretorioDados) return {};
    return ZTConcatenaPath(diretorioDados, QD_PASTA_DOCS);
}

CZTString QDExtensaoConteudo(std::string_view nomeOriginal) {
    const size_t ponto = nomeOriginal.rfind('.');
    if (ponto == std::string_view::npos) return {};
    const std::string_view extensao = nomeOriginal.substr(ponto + 1);
    for (const char c : extensao) {
        // A separator after the dot means the dot belongs to a folder; a control character would
        // put an unprintable (or cut) name on the disk.
        if (c == '\\' || c == '/' || EhControle(static_cast<unsigned char>(c))) return {};
    }
    return CZTString(extensao);
}

CZTString QDRadicalConteudo(std::uint32_t lPosicao) {
    static constexpr char kDigitos[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    char invertido[kLarguraRadical] = {};
    int n = 0;
    do {
        invertido[n++] = kDigitos[lPosicao % 36];
        lPosicao /= 36;
    } while (lPosicao != 0 && n < kLarguraRadical);
    CZTString radical;
    while (n > 0) radical += invertido[--n];
    radical.CompletaEsquerda(kLarguraRadical, '0');
    return radical;
}

CZTString QDNomeArquivoConteudo(std::uint32_t lPosicao, std::string_view nomeOriginal) {
    return QDRadicalConteudo(lPosicao) + "." + QDExtensaoConteudo(nomeOriginal);
}

CZTString QDCaminhoConteudo(const char* diretorioDados, std::uint32_t lPosicao, std::string_view nomeOriginal) {
    const CZTString pasta = QDPastaConteudos(diretorioDados);
    if (pasta.IsEmpty()) return {};
    return ZTConcatenaPath(pasta, QDNomeArquivoConteudo(lPosicao, nomeOriginal));
}
