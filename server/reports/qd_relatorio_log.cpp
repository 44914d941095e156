#include "server/reports/qd_relatorio_log.h"

#include "outside/pendora/qd_tipo_log.h"
#include "server/log/qd_le_log.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/object/zt_qd_srv.h"
#include "server/reports/qd_log_type.h"
#include "server/reports/qd_relatorio_log_filtro.h"
#include "server/reports/qd_texto_momento.h"

using platform::HRESULT;

namespace {

constexpr int kLarguraRegistro = 50;
constexpr int kLarguraServico = 23;
constexpr int kLarguraUsuario = 42;
constexpr int kLarguraData = 10;
constexpr int kLarguraHora = 6;
constexpr int kLarguraOrigem = 6;
constexpr int kLarguraTexto = 512;

int Largura(int iCodigo) {
    switch (iCodigo) {
        case 101: return kLarguraRegistro;
        case 102: return kLarguraServico;
        case 103: return kLarguraUsuario;
        case 104: return kLarguraData;
        case 105: return kLarguraHora;
        case 106: return kLarguraOrigem;
        case 107: return kLarguraTexto;
        default: return 1;
    }
}

}  // namespace

HRESULT CQDRelatorioLog::Inicializa(const QD_RELATORIO_PS& rel) {
    m_rel = rel;
    m_rel.bsModelo = m_rel.bsArquivo = m_rel.bsRazaoSocial = m_rel.bsComponente = nullptr;
    m_usuarios.Inicializa(m_srv.GetEmpresa(), m_srv.GetUsuario(), m_srv.GetNumeroSessao());
    m_plano.SetTrataErros(false);
    m_plano.SetTratarMensagens(false);
    (void)m_plano.Inicializa(m_srv.GetEmpresa(), m_srv.GetUsuario(), m_srv.GetNumeroSessao());
    return CQDRelatorio::Inicializa(rel);
}

HRESULT CQDRelatorioLog::Coluna(const QD_LOG_PS& log, const CZTString& texto, int iCodigo) {
    switch (iCodigo) {
        case 101:
            return m_monta.Texto(QDGetTipoRegistroFromLog(log.eOperacao), Largura(iCodigo), "Registro");
        case 102:
            return m_monta.Texto(QDGetTipoServicoFromLog(log.eOperacao), Largura(iCodigo), "Servi\xE7o");
        case 103:
            return m_monta.Texto(m_usuarios.Nome(log.iUsuario), Largura(iCodigo), "Usu\xE1rio");
        case 104:
            return m_monta.Texto(QDTextoMomento(log.dataGravacaoLog, "%d/%m/%y"), Largura(iCodigo), "Data");
        case 105:
            return m_monta.Texto(QDTextoMomento(log.dataGravacaoLog, "%H:%M"), Largura(iCodigo), "Hora");
        case 106:
            return m_monta.Texto(log.eOperacao == QD_OP_LOG_DOC_VISUALIZAR_WEB ? "WEB" : "Local", Largura(iCodigo), "Origem");
        case 107:
            return m_monta.Texto(texto, Largura(iCodigo), "Informa\xE7\xF5" "es");
        default:
            // A column this report does not know stays empty rather than failing the report.
            return m_monta.Texto("", Largura(iCodigo), nullptr);
    }
}

HRESULT CQDRelatorioLog::Nota() {
    const CZTString nota = CZTString(GERALIS_MARCA_NOTA, 1) + "* informa\xE7\xE3o retirada da base no estado atual";
    return Linha([&](int iCodigo) {
        return m_monta.Texto(iCodigo == 101 ? nota.GetString() : "", Largura(iCodigo), nullptr);
    });
}

HRESULT CQDRelatorioLog::Gera() {
    std::vector<CQDLogEntrada> entradas;
    if (const HRESULT hr = QDLeLog(m_srv.GetDiretorio(), entradas); platform::FAILED(hr)) return hr;
    CLocalConexaoGedSrv conexao(&m_srv);
    CQDLogContexto contexto{conexao, m_plano, entradas};

    for (std::size_t i = 0; i < entradas.size(); ++i) {
        const QD_LOG_PS& log = entradas[i].GetLog();
        if (!QDRelLogSelecionada(m_rel, log)) continue;
        const std::unique_ptr<CQDLogType> tipo = CQDLogTypeNovo(QDGetTypeFromLog(log.eOperacao));
        if (!tipo) return platform::E_UNEXPECTED;
        CZTString texto;
        if (const HRESULT hr = tipo->Texto(contexto, i, texto); platform::FAILED(hr)) return hr;
        if (const HRESULT hr = Linha([&](int iCodigo) { return Coluna(log, texto, iCodigo); }); platform::FAILED(hr)) return hr;
        if (const HRESULT hr = m_monta.AdicionaLinhaEspecial(GERALIS_LINHA_SEPARADORA); platform::FAILED(hr)) return hr;
    }
    if (contexto.bNotaEstadoAtual) {
        if (const HRESULT hr = Nota(); platform::FAILED(hr)) return hr;
    }
    return Termina();
}
