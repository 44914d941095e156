// Creation of a missing record file through the folder's control list ZTCTLARQ.DAT.
//
// The list remembers every file the layer created in the folder. A missing file whose name is
// listed existed once and was lost: it is reported (16055), never created again empty. The list
// is held open (deny write) from the look-up until the new file exists with its header, so that
// two processes creating files in one folder take turns; the one that waited then finds the
// name listed and the file already there, and simply opens it. Creation never empties a file:
// a list or file that another process made meanwhile is kept as it is.
#include "server/record_file/zt_arq_ex.h"

#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_ctlarq.h"
#include "util/file/zt_path.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr unsigned kEsperaListaMs = 50;
constexpr std::uint32_t kTamanhoEntrada = sizeof(ZT_CTLARQ_ARQ);
// Create when missing, never truncate, deny writers while the header goes in.
constexpr unsigned kFlagsCriacao = platform::File::modeReadWrite | platform::File::shareDenyWrite |
                                   platform::File::modeCreate | platform::File::modeNoTruncate;

// The control-list entry for `nome` (already upper case): its first 32 characters, zero-padded.
ZT_CTLARQ_ARQ EntradaDe(const CZTString& nome) {
    ZT_CTLARQ_ARQ entrada{};
    const size_t tamanho = std::min(sizeof entrada.szNome, static_cast<size_t>(nome.GetLength()));
    std::memcpy(entrada.szNome, nome.GetString(), tamanho);
    return entrada;
}

// Whether `entrada` is one of the list's records (the zeroed header never matches a name);
// 0 or the code of a failing read.
int ProcuraNaLista(CZTArqEx& lista, const ZT_CTLARQ_ARQ& entrada, bool& listado) {
    listado = false;
    const std::int64_t quantidade = lista.RecordCount();
    for (std::int64_t posicao = 0; posicao <= quantidade; ++posicao) {
        ZT_CTLARQ_ARQ lida{};
        if (const int codigo = lista.ReadRecord(static_cast<std::int32_t>(posicao), &lida)) return codigo;
        if (std::memcmp(lida.szNome, entrada.szNome, sizeof lida.szNome) == 0) {
            listado = true;
            return 0;
        }
    }
    return 0;
}

}  // namespace

int CZTArqEx::CriaComCabecalho(const CZTString& caminho, std::uint32_t tamanhoRegistro, platform::Ticker& relogio) {
    CZTArqEx arquivo(relogio);
    arquivo.m_strCaminho = caminho;
    arquivo.m_cModo = 'C';
    arquivo.m_nTamRegistro = tamanhoRegistro;
    if (const int codigo = arquivo.AbreComTentativas(kFlagsCriacao, false)) return codigo;
    std::int64_t tamanho = 0;
    if (const int codigo = arquivo.SeekEx('F', 0, tamanho)) return codigo;
    if (tamanho == 0) {
        const std::vector<char> cabecalho(tamanhoRegistro, '\0');
        if (const int codigo = arquivo.WriteHeader(cabecalho.data(), tamanhoRegistro)) return codigo;
    }
    return arquivo.CloseEx();
}

int CZTArqEx::AbreLista(CZTArqEx& lista, const CZTString& caminho, platform::Ticker& relogio) {
    int codigo = lista.Open(caminho, 'G', kTamanhoEntrada, false, true);
    if (codigo == ZT_ERR_ARQ_COMPARTILHAMENTO) {
        relogio.Sleep(kEsperaListaMs);
        codigo = lista.Open(caminho, 'G', kTamanhoEntrada, false, true);
    }
    if (codigo != ZT_ERR_ARQ_NAO_ENCONTRADO) return codigo;
    if (const int criacao = CriaComCabecalho(caminho, kTamanhoEntrada, relogio)) return criacao;
    return lista.Open(caminho, 'G', kTamanhoEntrada, false, true);
}

int CZTArqEx::CriaPeloControle() {
    CZTString nome = ZTExtraiNomeArquivo(m_strCaminho);
    nome.MakeUpper();
    if (nome.IsEmpty()) return ZT_ERR_ARQ_FIM;
    if (!m_bUsaControle) {
        if (const int codigo = CriaComCabecalho(m_strCaminho, m_nTamRegistro, m_relogio)) return codigo;
        return AbreQuandoPreciso(false);
    }

    CZTArqEx lista(m_relogio);
    const CZTString caminhoLista = ZTConcatenaPath(ZTExtraiDiretorio(m_strCaminho), ZT_ARQ_CONTROLE);
    if (const int codigo = AbreLista(lista, caminhoLista, m_relogio)) return codigo;

    ZT_CTLARQ_ARQ entrada = EntradaDe(nome);
    bool listado = false;
    if (const int codigo = ProcuraNaLista(lista, entrada, listado)) return codigo;
    if (!listado) {
        std::int32_t posicao = 0;
        if (const int codigo = lista.WriteRecord(&entrada, posicao)) return codigo;
        // The list stays open (deny write) until the file exists, so no other creator overtakes.
        if (const int codigo = CriaComCabecalho(m_strCaminho, m_nTamRegistro, m_relogio)) return codigo;
    }
    (void)lista.CloseEx();
    // A listed file is opened only when another process made it while this one waited for the
    // list; one that is really gone answers 16055.
    return AbreQuandoPreciso(false);
}
