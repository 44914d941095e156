#include "server/reports/qd_relatorio_tipdoc.h"

#include "outside/pendora/qd_array_ponteiros.h"
#include "outside/pendora/qd_descricao_campo.h"
#include "outside/pendora/qd_nome_processo.h"
#include "outside/pendora/qd_tip_doc.h"
#include "outside/pendora/qd_tipo_validade.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/object/zt_qd_srv.h"
#include "server/types/qd_tipdoc_arq.h"

#include <algorithm>
#include <vector>

using platform::HRESULT;

namespace {

// Widths of the columns whose widths follow from the type record or are fixed by the report.
constexpr int kLarguraCodigo = 8;
constexpr int kLarguraNome = 50;
constexpr int kLarguraValidade = 15;
constexpr int kLarguraUsuarios = 512;

// BuscaPtrsTipDoc's filter bits: compare the code, as a prefix.
constexpr std::uint32_t kFiltroCodigoPrefixo = 0x06;
constexpr std::uint32_t kLeSemListas = 0x07;

CZTString NomeProcesso(const QD_TIPDOC_PS& ps, std::uint32_t i) {
    if (ps.pProcessos == nullptr || i >= ps.nQtdProcessos) return {};
    return QDGetNomeProcesso(ps.pProcessos[i]);
}

CZTString NomeCampo(const QD_TIPDOC_PS& ps, std::uint32_t i) {
    if (ps.pCampos == nullptr || i >= ps.nQtdCampos) return {};
    const CZTString nome = QDTextoCampo(ps.pCampos[i].szNome);
    return nome.IsEmpty() ? CZTString(QDGetDescricaoCampo(ps.pCampos[i].id)) : nome;
}

CZTString Validade(const QD_TIPDOC_PS& ps) {
    CZTString texto = CZTString::Formata("%d %s", ps.iValorValidade, QDGetDescricaoTipoValidade(ps.eValidade));
    texto.MakeLower();
    return texto;
}

}  // namespace

HRESULT CQDRelatorioTipDoc::Inicializa(const QD_RELATORIO_PS& rel) {
    m_lRaiz = rel.lPonteiro1;
    m_usuarios.Inicializa(m_srv.GetEmpresa(), m_srv.GetUsuario(), m_srv.GetNumeroSessao());
    return CQDRelatorio::Inicializa(rel);
}

bool CQDRelatorioTipDoc::Escolhida(int iCodigo) const {
    for (int i = 0; i < m_monta.GetNumeroColunas(); ++i) {
        if (m_monta.GetCodigoColuna(i) == iCodigo) return true;
    }
    return false;
}

HRESULT CQDRelatorioTipDoc::Coluna(const CQDTipDoc& tipo, int iCodigo) {
    const QD_TIPDOC_PS& ps = tipo.GetPS();
    switch (iCodigo) {
        case 101:
            return m_monta.Texto(QDTextoCampo(ps.szCodigo), kLarguraCodigo, "C\xF3" "digo");
        case 102:
            return m_monta.Texto((ps.dwFlags & QD_TIPDOC_GRUPO) != 0 ? "Grupo" : "Anal\xEDtica", 9, "Tipo");
        case 103:
            return m_monta.Texto(QDTextoCampo(ps.szNome), kLarguraNome, "Nome");
        case 104:
            return m_monta.Texto(NomeProcesso(ps, 0), kLarguraNome, "Processo");
        case 105:
            return m_monta.Texto(NomeCampo(ps, 0), kLarguraNome, "Campo");
        case 106:
            return m_monta.Texto(Validade(ps), kLarguraValidade, "Validade");
        case 107:
            return m_monta.Texto(m_usuarios.Nomes(ps.nQtdUsuarios, ps.pUsuarios), kLarguraUsuarios, "Usu\xE1rios");
        default:
            // A column this report does not know stays empty rather than failing the report.
            return m_monta.Texto("", 1, nullptr);
    }
}

HRESULT CQDRelatorioTipDoc::Subordinadas(const CQDTipDoc& tipo) {
    const QD_TIPDOC_PS& ps = tipo.GetPS();
    const std::uint32_t processos = Escolhida(104) ? ps.nQtdProcessos : 0;
    const std::uint32_t campos = Escolhida(105) ? ps.nQtdCampos : 0;
    const std::uint32_t n = std::max(processos, campos);
    for (std::uint32_t i = 1; i < n; ++i) {
        const HRESULT hr = m_monta.Subordinada(
            [&](int iCodigo) {
                if (iCodigo == 104) return NomeProcesso(ps, i);
                if (iCodigo == 105) return NomeCampo(ps, i);
                return CZTString();
            },
            kLarguraNome);
        if (platform::FAILED(hr)) return hr;
    }
    return platform::S_OK;
}

HRESULT CQDRelatorioTipDoc::Gera() {
    CLocalConexaoGedSrv conexao(&m_srv);
    QD_TIPDOC_FILTRO_PS filtro{};
    if (m_lRaiz != 0) {
        CQDTipDoc raiz;
        if (const HRESULT hr = conexao.LeTipDoc(1, &m_lRaiz, &raiz, kLeSemListas); platform::FAILED(hr)) return hr;
        filtro.dwFlags = kFiltroCodigoPrefixo;
        std::memcpy(filtro.szCodigo, raiz->szCodigo, sizeof filtro.szCodigo);
    }
    CQDArrayPonteiros achados;
    if (const HRESULT hr = conexao.BuscaPtrsTipDoc(filtro, achados); platform::FAILED(hr)) return hr;
    const std::uint32_t qtd = achados->pPtrs != nullptr ? achados->qtd : 0;
    std::vector<CQDTipDoc> tipos(qtd);
    if (const HRESULT hr = conexao.LeTipDocEx(qtd, achados->pPtrs, tipos.data(), 0); platform::FAILED(hr)) return hr;

    for (const CQDTipDoc& tipo : tipos) {
        if (const HRESULT hr = Linha([&](int iCodigo) { return Coluna(tipo, iCodigo); }); platform::FAILED(hr)) return hr;
        if (const HRESULT hr = Subordinadas(tipo); platform::FAILED(hr)) return hr;
    }
    return Termina();
}
