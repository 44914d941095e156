// The connection's reads of types and locations beyond what one call may carry, and their
// look-up by code.
#include "outside/pendora/conexao_ged_srv.h"

#include "outside/pendora/conexao_ged_srv_leitura.h"
#include "platform/idl/value_codec.h"
#include "platform/idl/wire_limits.h"

#include <cstring>
#include <utility>

namespace {

using platform::HRESULT;
using pendora::detail::LeEmPartes;

constexpr std::uint32_t kTipDocComparaCodigo = 0x02;
constexpr std::uint32_t kTipDocCodigoInicial = 0x04;
constexpr std::uint32_t kLocArqComparaCodigo = 0x01;
constexpr std::uint32_t kLocArqCodigoInicial = 0x02;

static_assert(sizeof(QD_TIPDOC_FILTRO_PS::szCodigo) == sizeof(QD_TIPDOC_PS::szCodigo));
static_assert(sizeof(QD_LOCARQ_FILTRO_PS::szCodigo) == sizeof(QD_LOCARQ_PS::szCodigo));
// Even empty records of a whole call stay a small part of one message.
static_assert(CConexaoGedSrv::kQtdPorLeitura * platform::idl::Codec<QD_LOCARQ_PS>::kWireSize <
              platform::idl::kMaxMessageBytes / 256);

// Puts the code into the filter's field; false when there is none or it is too long for the
// record's field, so that no stored record could have it.
template <std::size_t N>
bool CopiaCodigo(const char* szCodigo, char (&destino)[N]) {
    if (!szCodigo) return false;
    const std::size_t tamanho = ::strnlen(szCodigo, N);
    if (tamanho == N) return false;
    std::memcpy(destino, szCodigo, tamanho);
    destino[tamanho] = '\0';
    return true;
}

// A filter record with every byte zero.
template <class Filtro>
Filtro FiltroVazio() {
    Filtro filtro;
    std::memset(&filtro, 0, sizeof filtro);
    return filtro;
}

// The first position that a search found; 0 for none.
std::uint32_t PrimeiraPosicao(const CQDArrayPonteiros& achados) {
    if (achados->qtd == 0 || !achados->pPtrs) return 0;
    return achados->pPtrs[0];
}

// Reads the record at lPos into *pObjeto with le(1, &lPos, &objeto) when an object is wanted;
// returns lPos, or 0 when that read fails (the object then stays as it was).
template <class Classe, class Le>
std::uint32_t Preenche(std::uint32_t lPos, Classe* pObjeto, Le le) {
    if (lPos == 0 || !pObjeto) return lPos;
    Classe lido;
    if (platform::FAILED(le(lPos, lido))) return 0;
    *pObjeto = std::move(lido);
    return lPos;
}

}  // namespace

HRESULT CConexaoGedSrv::LeTipDocEx(std::uint32_t qtd, const std::uint32_t* pPos, CQDTipDoc* pTipDoc,
                                   std::uint32_t dwFlags) {
    if (qtd == 0) return platform::S_OK;
    if (!pPos || !pTipDoc) return Trata(platform::E_POINTER);
    return LeEmPartes(qtd, pPos, pTipDoc, kQtdPorLeitura,
                      [&](std::uint32_t n, const std::uint32_t* pos, CQDTipDoc* tipos) {
                          return LeTipDoc(n, pos, tipos, dwFlags);
                      });
}

HRESULT CConexaoGedSrv::LeLocArqEx(std::uint32_t qtd, const std::uint32_t* pPos, CQDLocArq* pLocArq,
                                   std::uint32_t dwFlags) {
    if (qtd == 0) return platform::S_OK;
    if (!pPos || !pLocArq) return Trata(platform::E_POINTER);
    return LeEmPartes(qtd, pPos, pLocArq, kQtdPorLeitura,
                      [&](std::uint32_t n, const std::uint32_t* pos, CQDLocArq* locais) {
                          return LeLocArq(n, pos, locais, dwFlags);
                      });
}

std::uint32_t CConexaoGedSrv::ExisteTipDoc(const char* szCodigo, std::uint32_t dwFlags, CQDTipDoc* pTipDoc) {
    auto filtro = FiltroVazio<QD_TIPDOC_FILTRO_PS>();
    if (!CopiaCodigo(szCodigo, filtro.szCodigo)) return 0;
    filtro.dwFlags = (dwFlags | kTipDocComparaCodigo) & ~kTipDocCodigoInicial;
    CQDArrayPonteiros achados;
    if (platform::FAILED(BuscaPtrsTipDoc(filtro, achados))) return 0;
    return Preenche(PrimeiraPosicao(achados), pTipDoc,
                    [&](std::uint32_t lPos, CQDTipDoc& tipo) { return LeTipDocEx(1, &lPos, &tipo, 0); });
}

std::uint32_t CConexaoGedSrv::ExisteLocArq(const char* szCodigo, std::uint32_t dwFlags, CQDLocArq* pLocArq) {
    auto filtro = FiltroVazio<QD_LOCARQ_FILTRO_PS>();
    if (!CopiaCodigo(szCodigo, filtro.szCodigo)) return 0;
    filtro.dwFlags = (dwFlags | kLocArqComparaCodigo) & ~kLocArqCodigoInicial;
    CQDArrayPonteiros achados;
    if (platform::FAILED(BuscaPtrsLocArq(filtro, achados))) return 0;
    return Preenche(PrimeiraPosicao(achados), pLocArq,
                    [&](std::uint32_t lPos, CQDLocArq& local) { return LeLocArqEx(1, &lPos, &local, 0); });
}
