// The operations of CConexaoGedSrv: activation and binding, and one forwarding operation per
// method of the interface description, each adapting its parameters as
// conexao_ged_srv_parametros.h says.
#include "outside/pendora/conexao_ged_srv.h"

#include "outside/pendora/qd_registra_interfaces.h"
#include "server/idl/method_table.h"
#include "util/com/zt_cria_instancia.h"

#include <cstring>
#include <new>
#include <tuple>
#include <utility>

namespace {

using platform::HRESULT;

template <class Parametros, std::size_t I>
using ParametroEm = std::tuple_element_t<I, Parametros>;

template <class Parametros, class Funcao, class Args, std::size_t... I>
HRESULT ChamaCom(IZTQD_Srv& srv, Funcao funcao, const Args& args, std::index_sequence<I...>) {
    std::tuple<typename ParametroEm<Parametros, I>::Estado...> estados{};
    HRESULT hr = platform::S_OK;
    try {
        ((hr = platform::SUCCEEDED(hr)
                   ? ParametroEm<Parametros, I>::Prepara(std::get<I>(args), std::get<I>(estados), args)
                   : hr),
         ...);
    } catch (const std::bad_alloc&) {
        return platform::E_OUTOFMEMORY;
    }
    if (platform::FAILED(hr)) return hr;
    hr = (srv.*funcao)(ParametroEm<Parametros, I>::Bruto(std::get<I>(args), std::get<I>(estados))...);
    (ParametroEm<Parametros, I>::template Conclui<Parametros>(std::get<I>(args), std::get<I>(estados), hr, args), ...);
    return hr;
}

// Calls method N of `srv` with the operation's arguments `args`, adapted by `Parametros`.
template <std::uint32_t N, class Parametros, class Args>
HRESULT Encaminha(IZTQD_Srv* srv, const Args& args) {
    if (!srv) return platform::E_POINTER;
    return ChamaCom<Parametros>(*srv, server::idl::MethodOf<N>::kFunction, args,
                                std::make_index_sequence<std::tuple_size_v<Parametros>>{});
}

// The session record, with the company path cut to the field's room.
QD_INICIALIZA_PS MontaInicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao) {
    QD_INICIALIZA_PS ini;
    std::memset(&ini, 0, sizeof ini);
    if (szEmpresa) std::memcpy(ini.szEmpresa, szEmpresa, ::strnlen(szEmpresa, sizeof ini.szEmpresa - 1));
    ini.lNumeroSessao = lNumeroSessao;
    ini.iUsuario = iUsuario;
    return ini;
}

}  // namespace

CConexaoGedSrv::~CConexaoGedSrv() { SetInterface(nullptr); }

void CConexaoGedSrv::SetInterface(IZTQD_Srv* pSrv) {
    if (pSrv) pSrv->AddRef();
    if (m_pSrv) m_pSrv->Release();
    m_pSrv = pSrv;
}

HRESULT CConexaoGedSrv::Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao) {
    QDRegistraInterfacesPendora();
    void* pNovo = nullptr;
    const HRESULT hr = ZTCriaInstanciaServidor(CLSID_ZTQD_Srv, nullptr, platform::CLSCTX_LOCAL_SERVER, IID_IZTQD_Srv,
                                               &pNovo, ZT_CRIA_REGISTRA_EVENTOS | ZT_CRIA_REPETE);
    if (platform::FAILED(hr)) return Trata(hr);
    auto* pSrv = static_cast<IZTQD_Srv*>(pNovo);
    SetInterface(pSrv);
    pSrv->Release();  // the connection's own reference is the one left
    return Inicializa(MontaInicializa(szEmpresa, iUsuario, lNumeroSessao));
}

HRESULT CConexaoGedSrv::Trata(HRESULT hr) {
    if (platform::FAILED(hr)) MostraErro(hr);
    return hr;
}

void CSilentConexaoGedSrv::MostraErro(HRESULT) {}

#define KELVO_PENDORA_DEFINE_OPERACAO(number, name, ...)                                                   \
    HRESULT CConexaoGedSrv::name(KELVO_PENDORA_PARAMETROS(__VA_ARGS__)) {                                   \
        using Parametros = std::tuple<KELVO_IDL_MAP(KELVO_PENDORA_ADAPTADOR __VA_OPT__(, ) __VA_ARGS__)>;  \
        const auto args = std::forward_as_tuple(KELVO_IDL_ARGUMENTS(__VA_ARGS__));                         \
        return Trata(Encaminha<number, Parametros>(m_pSrv, args));                                         \
    }
KELVO_IZTQD_SRV_METHODS(KELVO_PENDORA_DEFINE_OPERACAO)
#undef KELVO_PENDORA_DEFINE_OPERACAO
