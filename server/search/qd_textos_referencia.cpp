#include "server/search/qd_textos_referencia.h"

#include "outside/pendora/conexao_ged_srv.h"
#include "server/locations/qd_le_locarq.h"
#include "server/search/qd_le_em_lotes.h"
#include "server/search/qd_texto_fixo.h"
#include "server/types/qd_le_tipdoc.h"
#include "util/text/code_page.h"

#include <span>
#include <string>
#include <utility>

namespace {

// The reads leave out what the texts do not use.
constexpr std::uint32_t kTiposSemUsuariosProcessos = QD_LETIPDOC_SEM_USUARIOS | QD_LETIPDOC_SEM_PROCESSOS;
constexpr std::uint32_t kLocaisSemTipos = QD_LE_LOCARQ_SEM_TIPOS;

std::span<const std::uint32_t> Posicoes(const CQDArrayPonteiros& ponteiros) {
    const QD_ARRAY_PONTEIROS_PS& ps = ponteiros.GetPS();
    return ps.pPtrs ? std::span<const std::uint32_t>(ps.pPtrs, ps.qtd) : std::span<const std::uint32_t>();
}

void AcrescentaNaoVazio(CZTStringArray& lista, CZTString texto) {
    if (!texto.IsEmpty()) lista.push_back(std::move(texto));
}

}  // namespace

const CZTStringArray* CQDTextosReferencia::Acha(const Mapa& mapa, std::uint32_t lPosicao) {
    const auto achado = mapa.find(lPosicao);
    return achado == mapa.end() ? nullptr : &achado->second;
}

platform::HRESULT CQDTextosReferencia::Le(CConexaoGedSrv& conexao) {
    platform::HRESULT hr = LeTipos(conexao);
    if (!platform::FAILED(hr)) hr = LeLocais(conexao);
    if (platform::FAILED(hr)) {
        m_tipos.clear();
        m_locais.clear();
    }
    return hr;
}

platform::HRESULT CQDTextosReferencia::LeTipos(CConexaoGedSrv& conexao) {
    CQDArrayPonteiros ponteiros;
    if (const platform::HRESULT hr = conexao.BuscaPtrsTipDoc(QD_TIPDOC_FILTRO_PS{}, ponteiros); platform::FAILED(hr)) {
        return hr;
    }
    const std::span<const std::uint32_t> posicoes = Posicoes(ponteiros);
    m_tipos.reserve(3 * posicoes.size());
    return QDLeEmLotes<CQDTipDoc>(
        posicoes, CConexaoGedSrv::kQtdPorLeitura,
        [&](std::uint32_t n, const std::uint32_t* pPos, CQDTipDoc* tipos) {
            return conexao.LeTipDocEx(n, pPos, tipos, kTiposSemUsuariosProcessos);
        },
        [&](const CQDTipDoc& tipo, std::uint32_t lPosicao) {
            tipo.ToStringQS(m_tipos[lPosicao]);
            return platform::S_OK;
        });
}

platform::HRESULT CQDTextosReferencia::LeLocais(CConexaoGedSrv& conexao) {
    CQDArrayPonteiros ponteiros;
    if (const platform::HRESULT hr = conexao.BuscaPtrsLocArq(QD_LOCARQ_FILTRO_PS{}, ponteiros); platform::FAILED(hr)) {
        return hr;
    }
    const std::span<const std::uint32_t> posicoes = Posicoes(ponteiros);
    m_locais.reserve(3 * posicoes.size());
    return QDLeEmLotes<CQDLocArq>(
        posicoes, CConexaoGedSrv::kQtdPorLeitura,
        [&](std::uint32_t n, const std::uint32_t* pPos, CQDLocArq* locais) {
            return conexao.LeLocArqEx(n, pPos, locais, kLocaisSemTipos);
        },
        [&](const CQDLocArq& local, std::uint32_t lPosicao) {
            CZTStringArray& textos = m_locais[lPosicao];
            AcrescentaNaoVazio(textos, CZTString(std::string(QDTextoFixo(local->szCodigo))));
            AcrescentaNaoVazio(textos, ZTRetiraAcentos(std::string(QDTextoFixo(local->szDescricao)).c_str()));
            return platform::S_OK;
        });
}
