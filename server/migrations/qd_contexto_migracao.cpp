#include "server/migrations/qd_contexto_migracao.h"

#include "platform/com/bstr.h"
#include "server/idl/iztqd_srv.h"
#include "server/record_file/qd_arq_t.h"
#include "server/session/qd_propriedades.h"
#include "util/file/zt_path.h"

namespace {

using platform::HRESULT;

// The four texts of a properties record read through the interface, freed with the holder.
struct PropriedadesLidas {
    PropriedadesLidas() = default;
    PropriedadesLidas(const PropriedadesLidas&) = delete;
    PropriedadesLidas& operator=(const PropriedadesLidas&) = delete;
    ~PropriedadesLidas() {
        for (platform::BSTR bs : {ps.bsDominio, ps.bsModeloEmail, ps.bsEmailPara, ps.bsEmailCC}) {
            platform::SysFreeString(bs);
        }
    }
    QD_PROPRIEDADES_PS ps{};
};

}  // namespace

CQDContextoMigracao::CQDContextoMigracao(IZTQD_Srv& srv, const CZTString& pasta, const CZTString& empresa,
                                         const QDAmbienteMigracoes& ambiente)
    : m_srv(srv),
      m_strPasta(pasta),
      m_strEmpresa(empresa),
      m_bind(pasta),
      m_relogio(ambiente.relogio ? *ambiente.relogio : platform::SystemTicker()),
      m_nPrazoTravaMs(ambiente.prazoTravaMs),
      m_pOperacoes(ambiente.operacoes ? ambiente.operacoes : &QDOperacoesArquivoPadrao()) {}

CZTString CQDContextoMigracao::Caminho(const char* nome) const { return ZTConcatenaPath(m_strPasta, nome); }

std::int32_t CQDContextoMigracao::Trava() {
    if (m_nCodigoTrava) return *m_nCodigoTrava;
    m_pTrava = std::make_unique<CQDDBLock>(m_strPasta, m_relogio, m_nPrazoTravaMs);
    m_nCodigoTrava = m_pTrava->Acquire();
    return *m_nCodigoTrava;
}

HRESULT CQDContextoMigracao::LeMarcas(QD_PROPRIEDADES_ARQ& arq) {
    CQDArqT<QD_PROPRIEDADES_ARQ> mestre(m_bind);
    const int codigo = mestre.ReadOnce(mestre.GetCaminhoArquivo(), 0, &arq, sizeof arq);
    return codigo == 0 ? platform::S_OK : platform::HResultFromMessage(static_cast<std::uint32_t>(codigo));
}

HRESULT CQDContextoMigracao::MarcaFlag(std::uint8_t bFlag) { return GravaMarca(bFlag, false); }

HRESULT CQDContextoMigracao::MarcaVersaoSistema() { return GravaMarca(0, true); }

HRESULT CQDContextoMigracao::GravaMarca(std::uint8_t bFlag, bool bVersao) {
    // Written from what is stored now, never from the record the session started with: the texts
    // would otherwise be written back empty, and an earlier conversion's mark lost. Read and
    // written beside the object's methods, which would take this for its client's read; the
    // counter read here is left as stored, whatever another process hands out in between. No
    // content is converted: the encryption flag written is the one read.
    PropriedadesLidas lidas;
    if (const HRESULT hr = QDLePropriedades(m_bind, &lidas.ps); platform::FAILED(hr)) return hr;
    lidas.ps.bFlags = static_cast<std::uint8_t>(lidas.ps.bFlags | bFlag);
    if (bVersao) lidas.ps.iVersaoSistema = QD_VERSAO_SISTEMA_ATUAL;
    return QDGravaPropriedades(m_bind, m_srv, lidas.ps, static_cast<IQDConversaoConteudos*>(nullptr),
                               lidas.ps.iProxNumeroDoc);
}

HRESULT QDHResultTrava(std::int32_t codigo) {
    if (codigo == 0) return platform::S_OK;
    if (codigo < 0) return codigo;
    return platform::HResultFromMessage(static_cast<std::uint32_t>(codigo));
}
