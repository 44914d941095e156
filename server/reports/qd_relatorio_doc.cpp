#include "server/reports/qd_relatorio_doc.h"

#include "outside/pendora/qd_array_ponteiros.h"
#include "outside/pendora/qd_campo_tipo_dado.h"
#include "outside/pendora/qd_descricao_campo.h"
#include "outside/pendora/qd_doc.h"
#include "outside/pendora/qd_doc_filtro.h"
#include "outside/pendora/qd_loc_arq.h"
#include "outside/pendora/qd_tip_doc.h"
#include "outside/pendora/qd_validade_doc.h"
#include "platform/com/bstr.h"
#include "platform/com/task_allocator.h"
#include "server/document/qd_doc_arq.h"
#include "server/document/qd_le_doc.h"
#include "server/locations/qd_le_locarq.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/object/zt_qd_srv.h"
#include "server/reports/qd_texto_momento.h"
#include "server/search/qd_hoje_1950.h"
#include "util/time/short_date.h"

#include <algorithm>
#include <limits>
#include <vector>

using platform::HRESULT;

namespace {

constexpr int kLarguraNumero = 10;
constexpr int kLarguraFilial = 5;
constexpr int kLarguraArquivo = 174;
constexpr int kLarguraSimNao = 3;
constexpr int kLarguraLocal = 66;
constexpr int kLarguraTextoLongo = 512;
constexpr int kLarguraUsuario = 18;
constexpr int kLarguraCampo = 128;
constexpr int kPrimeiraColunaCampo = 901;
constexpr std::int64_t kSegundosPorDia = 24 * 60 * 60;

const char* SimNao(bool bSim) { return bSim ? "Sim" : "N\xE3o"; }

CZTString Momento(std::uint32_t tempo) { return tempo == 0 ? CZTString() : QDTextoMomento(tempo, "%d/%m/%y %H:%M"); }

// The moments of the request's period of days (iShort3..iShort4), from the first day's local
// midnight to the last day's last second, cut to the moments there are: a first day before 1970
// starts at the first moment (1, as 0 would leave the period unset) and a last day after 7
// February 2106 ends at the last one. A day left 0 stays 0. E_INVALIDARG when the first day lies
// after the last moment.
HRESULT PeriodoEmMomentos(const QD_RELATORIO_PS& rel, std::uint32_t& inicio, std::uint32_t& fim) {
    constexpr std::int64_t kUltimoMomento = std::numeric_limits<std::uint32_t>::max();
    inicio = fim = 0;
    if (rel.iShort3 != 0) {
        const std::int64_t meiaNoite = ZTDataParaCTime(rel.iShort3);
        if (meiaNoite > kUltimoMomento) return platform::E_INVALIDARG;
        inicio = static_cast<std::uint32_t>(std::max<std::int64_t>(meiaNoite, 1));
    }
    if (rel.iShort4 != 0) {
        const std::int64_t ultimoSegundo = ZTDataParaCTime(rel.iShort4) + kSegundosPorDia - 1;
        fim = static_cast<std::uint32_t>(std::clamp<std::int64_t>(ultimoSegundo, 0, kUltimoMomento));
    }
    return platform::S_OK;
}

// The value of field `id` in `doc`, null when it has none.
const QD_DOC_CAMPO_PS* CampoDoDoc(const QD_DOC_PS& ps, QD_E_CAMPO_DOC id) {
    for (std::uint32_t i = 0; ps.pCampos != nullptr && i < ps.nQtdCampos; ++i) {
        if (ps.pCampos[i].id == id) return &ps.pCampos[i];
    }
    return nullptr;
}

// The caption of a search field: its name, else its standard description, without a final ':'.
CZTString Legenda(const QD_TIPDOC_CAMPO_PS& campo) {
    CZTString legenda = QDTextoCampo(campo.szNome);
    if (legenda.IsEmpty()) legenda = QDGetDescricaoCampo(campo.id);
    if (legenda.TerminaCom(":")) legenda = legenda.Trecho(0, legenda.GetLength() - 1);
    return legenda;
}

}  // namespace

HRESULT QDRelDocFiltro(const QD_RELATORIO_PS& rel, CQDDocFiltro& filtro) {
    filtro.Limpa();
    QD_DOC_FILTRO_PS& ps = filtro.GetPS();
    if (rel.lPonteiro1 != 0) {
        ps.pTipDoc = static_cast<std::uint32_t*>(platform::CoTaskMemAlloc(sizeof(std::uint32_t)));
        if (ps.pTipDoc != nullptr) {
            ps.pTipDoc[0] = rel.lPonteiro1;
            ps.nQtdTipDoc = 1;
        }
    }
    ps.lLocArq = rel.lPonteiro2;
    // The request's validity bounds are day counts from 1950 like the stored dates they limit.
    ps.iDataValidadeIni = rel.iShort1;
    ps.iDataValidadeFim = rel.iShort2;
    if (rel.lLong1 != QD_PERIODO_REL_DOC_INCLUSAO && rel.lLong1 != QD_PERIODO_REL_DOC_MODIFICACAO) {
        // Issue dates are stored short days like the request's: the search decodes both.
        ps.iDataEmissaoIni = rel.iShort3;
        ps.iDataEmissaoFim = rel.iShort4;
        return platform::S_OK;
    }
    // An inclusion or change on the last day counts: the period ends at that day's last second.
    std::uint32_t inicio = 0, fim = 0;
    if (const HRESULT hr = PeriodoEmMomentos(rel, inicio, fim); platform::FAILED(hr)) return hr;
    if (rel.lLong1 == QD_PERIODO_REL_DOC_INCLUSAO) {
        ps.dataInclusaoIni = inicio;
        ps.dataInclusaoFim = fim;
    } else {
        ps.dataModificacaoIni = inicio;
        ps.dataModificacaoFim = fim;
    }
    return platform::S_OK;
}

HRESULT CQDRelatorioDoc::Inicializa(const QD_RELATORIO_PS& rel) {
    m_rel = rel;
    m_rel.bsModelo = m_rel.bsArquivo = m_rel.bsRazaoSocial = m_rel.bsComponente = nullptr;
    if (const HRESULT hr = QDHojeDias1950(m_lHoje); platform::FAILED(hr)) return hr;
    m_usuarios.Inicializa(m_srv.GetEmpresa(), m_srv.GetUsuario(), m_srv.GetNumeroSessao());
    // Without the branch names the branch values show their numbers alone.
    (void)m_contexto.Inicializa(m_srv.GetEmpresa(), m_srv.GetUsuario(), m_srv.GetNumeroSessao());
    return CQDRelatorio::Inicializa(rel);
}

HRESULT CQDRelatorioDoc::DescricaoLocal(CConexaoGedSrv& conexao, std::uint32_t lLocArq, CZTString& strDescricao) {
    // A document kept in no location has no location to describe.
    if (lLocArq == 0) {
        strDescricao.Empty();
        return platform::S_OK;
    }
    if (const auto achado = m_locais.find(lLocArq); achado != m_locais.end()) {
        strDescricao = achado->second;
        return platform::S_OK;
    }
    CQDLocArq local;
    if (const HRESULT hr = conexao.LeLocArq(1, &lLocArq, &local, QD_LE_LOCARQ_SEM_TIPOS); platform::FAILED(hr)) return hr;
    strDescricao = QDTextoCampo(local->szDescricao);
    m_locais.emplace(lLocArq, strDescricao);
    return platform::S_OK;
}

HRESULT CQDRelatorioDoc::Coluna(CConexaoGedSrv& conexao, const CQDDoc& doc, int iCodigo) {
    const QD_DOC_PS& ps = doc.GetPS();
    switch (iCodigo) {
        case 101:
            return m_monta.Texto(CZTString::Formata("%u", doc.GetPosicao()), kLarguraNumero, "C\xF3" "digo");
        case 102:
            return m_monta.Texto(CZTString::Formata("%u", ps.iFilial), kLarguraFilial, "Filial");
        case 103:
            return m_monta.Texto(QDTextoCampo(ps.szOriginalFileName), kLarguraArquivo, "Arquivo");
        case 104:
            return m_monta.Texto(SimNao((ps.dwFlags & QD_DOC_ACESSO_WEB) != 0), kLarguraSimNao, "WEB");
        case 105:
            return m_monta.Dia(ps.iDataEmissao, "Emiss\xE3o");
        case 106:
            return m_monta.DataTexto(QDTextoValidade(ps.iDataValidade), "Validade");
        case 107: {
            CZTString descricao;
            if (const HRESULT hr = DescricaoLocal(conexao, ps.lLocArq, descricao); platform::FAILED(hr)) return hr;
            return m_monta.Texto(descricao, kLarguraLocal, "Local de Arquivamento");
        }
        case 108:
            return m_monta.Texto(CZTString::Formata("%u", ps.iNrLocalizacao), kLarguraNumero, "Localiza\xE7\xE3o");
        case 109:
            return m_monta.Texto(m_usuarios.Nomes(ps.nQtdUsuarios, ps.pUsuarios), kLarguraTextoLongo, "Usu\xE1rios");
        case 110:
            return m_monta.Texto(platform::AnsiFromBstr(ps.bsDescricao), kLarguraTextoLongo, "Descri\xE7\xE3o");
        case 111:
            return m_monta.DataTexto(Momento(ps.dataInclusao), "Inclus\xE3o");
        case 112:
            return m_monta.DataTexto(Momento(ps.dataModificacao), "Modifica\xE7\xE3o");
        case 113:
            return m_monta.Texto(CZTString::Formata("%u", ps.iVersao), kLarguraNumero, "Vers\xE3o");
        case 114:
            return m_monta.Texto(SimNao((ps.dwFlags & QD_DOC_SEM_CONTEUDO) != 0), kLarguraSimNao, "N\xE3o Digital");
        case 115:
            return m_monta.Texto(m_usuarios.Nome(ps.iUsuarioIncluiu), kLarguraUsuario, "Inclu\xED" "do por");
        case 116:
            return m_monta.Texto(m_usuarios.Nome(ps.iUsuarioAlterou), kLarguraUsuario, "Alterado por");
        case 117: {
            const std::int32_t dias = ps.iDataValidade == 0 ? 0 : ps.iDataValidade - m_lHoje;
            return m_monta.Inteiro(dias, "Dias para Vencer");
        }
        default:
            // A column this report does not know stays empty rather than failing the report.
            return m_monta.Texto("", 1, nullptr);
    }
}

HRESULT CQDRelatorioDoc::CamposDoTipo(const CQDTipDoc& tipo, const CQDDoc& doc) {
    const QD_TIPDOC_PS& ps = tipo.GetPS();
    for (std::uint32_t i = 0; ps.pCampos != nullptr && i < ps.nQtdCampos; ++i) {
        const QD_TIPDOC_CAMPO_PS& campo = ps.pCampos[i];
        const int iTipo = QDGetCampoDataType(campo.id) == QD_TIPO_DADO_DATA ? GERALIS_TIPO_DATA_TEXTO : GERALIS_TIPO_TEXTO;
        if (m_monta.m_bPrimeiraLinha) {
            const HRESULT hr = m_monta.AdicionaColunaDinamica(kPrimeiraColunaCampo + static_cast<int>(i), iTipo, kLarguraCampo,
                                                              Legenda(campo));
            if (platform::FAILED(hr)) return hr;
        }
        const QD_DOC_CAMPO_PS* valor = CampoDoDoc(doc.GetPS(), campo.id);
        const CZTString texto = valor != nullptr ? QDBinaryDataToString(valor->BinaryData, campo.id, m_contexto) : CZTString();
        const int tamanho = std::min(texto.GetLength(), kLarguraCampo);
        if (const HRESULT hr = m_monta.Adiciona(texto.GetString(), iTipo, tamanho); platform::FAILED(hr)) return hr;
    }
    return platform::S_OK;
}

HRESULT CQDRelatorioDoc::Gera() {
    CLocalConexaoGedSrv conexao(&m_srv);
    CQDTipDoc tipo;
    if (m_rel.lPonteiro1 != 0) {
        if (const HRESULT hr = conexao.LeTipDoc(1, &m_rel.lPonteiro1, &tipo, 0); platform::FAILED(hr)) return hr;
    }
    CQDDocFiltro filtro;
    if (const HRESULT hr = QDRelDocFiltro(m_rel, filtro); platform::FAILED(hr)) return hr;
    CQDArrayPonteiros achados;
    if (const HRESULT hr = conexao.BuscaPtrsDoc(filtro, achados); platform::FAILED(hr)) return hr;
    const std::uint32_t qtd = achados->pPtrs != nullptr ? achados->qtd : 0;
    std::vector<CQDDoc> docs(qtd);
    const HRESULT hrLe = conexao.LeDocEx(qtd, achados->pPtrs, docs.data(), QD_LEDOC_SEM_VINCULOS | QD_LEDOC_SEM_CONTEUDO);
    if (platform::FAILED(hrLe)) return hrLe;

    for (const CQDDoc& doc : docs) {
        const HRESULT hr = Linha([&](int iCodigo) { return Coluna(conexao, doc, iCodigo); },
                                 [&] { return CamposDoTipo(tipo, doc); });
        if (platform::FAILED(hr)) return hr;
    }
    return Termina();
}
