// The stand-in objects: each answers its interface's query from the company's data.
#include "outside/modulos/zt_modulos_servidores.h"

#include "outside/modulos/zt_modulos_dados.h"
#include "platform/com/bstr.h"
#include "platform/com/module_lock.h"
#include "platform/com/ref_counted.h"
#include "platform/com/task_allocator.h"
#include "util/key/zt_chave_mes_ano.h"
#include "util/key/zt_dmc.h"

#include <cstring>
#include <new>

namespace {

using platform::HRESULT;

// `itens` as a task-allocator array for an [out] record; E_OUTOFMEMORY when it cannot be had.
template <class T>
HRESULT CopiaParaChamador(const std::vector<T>& itens, std::uint32_t& qtd, T*& pItens) {
    qtd = 0;
    pItens = nullptr;
    if (itens.empty()) return platform::S_OK;
    auto* bloco = static_cast<T*>(platform::CoTaskMemAlloc(itens.size() * sizeof(T)));
    if (!bloco) return platform::E_OUTOFMEMORY;
    std::memcpy(static_cast<void*>(bloco), itens.data(), itens.size() * sizeof(T));
    qtd = static_cast<std::uint32_t>(itens.size());
    pItens = bloco;
    return platform::S_OK;
}

// What every stand-in object is: one interface, the session's start, and the data it read.
template <class Derivada, class Interface>
class CZTModuloSubstituto : public platform::com::RefCounted<Derivada, Interface> {
public:
    HRESULT QueryInterface(const platform::IID& iid, void** object) override {
        auto* eu = static_cast<Interface*>(this);
        return platform::com::QueryInterfaceFrom({{platform::IID_IUnknown, eu}, {ZTClasseModulo<Interface>::kIid, eu}},
                                                 iid, object);
    }

    HRESULT Inicializa(platform::BSTR bsEmpresa, std::uint16_t, std::int32_t) override {
        if (platform::SysStringLen(bsEmpresa) == 0) return platform::E_INVALIDARG;
        m_bIniciado = false;
        const HRESULT hr = ZTCarregaDadosModulos(platform::AnsiFromBstr(bsEmpresa).GetString(), m_dados);
        m_bIniciado = platform::SUCCEEDED(hr);
        return hr;
    }

protected:
    // The company's data, or null before a successful start.
    [[nodiscard]] const ZTDadosModulos* Dados() const { return m_bIniciado ? &m_dados : nullptr; }

private:
    platform::com::ModuleReference m_referencia;
    ZTDadosModulos m_dados;
    bool m_bIniciado = false;
};

class CZTIntegracao final : public CZTModuloSubstituto<CZTIntegracao, IZTIntegracao> {
public:
    HRESULT LeConfiguracao(ZT_INTEGRACAO_CONFIG_PS* pConfig) override {
        if (!pConfig) return platform::E_POINTER;
        if (!Dados()) return platform::E_UNEXPECTED;
        *pConfig = Dados()->configuracao;
        return platform::S_OK;
    }
};

class CZTFinIntegracao final : public CZTModuloSubstituto<CZTFinIntegracao, IZTFinIntegracao> {
public:
    HRESULT BuscaTitulosOrigem(std::uint32_t eProc, std::uint32_t lChave, ZT_ARRAY_TITULOS_PS* pTitulos) override {
        if (!pTitulos) return platform::E_POINTER;
        *pTitulos = {};
        if (!Dados()) return platform::E_UNEXPECTED;
        std::vector<ZT_TITULO_PS> achados;
        for (const ZTTituloOrigem& t : Dados()->titulos) {
            if (t.eProc == eProc && t.lChave == lChave) achados.push_back(t.titulo);
        }
        return CopiaParaChamador(achados, pTitulos->qtd, pTitulos->pTitulos);
    }
};

class CZTCtbIntegracao final : public CZTModuloSubstituto<CZTCtbIntegracao, IZTCtbIntegracao> {
public:
    HRESULT BuscaLotesOrigem(std::uint32_t eProc, std::uint32_t lChave, QD_ARRAY_PONTEIROS_PS* pLotes) override {
        if (!pLotes) return platform::E_POINTER;
        *pLotes = {};
        if (!Dados()) return platform::E_UNEXPECTED;
        std::vector<std::uint32_t> achados;
        for (const ZTLoteOrigem& l : Dados()->lotes) {
            if (l.eProc == eProc && l.lChave == lChave) achados.push_back(l.lLote);
        }
        return CopiaParaChamador(achados, pLotes->qtd, pLotes->pPtrs);
    }
};

class CZTCtbLancamentos final : public CZTModuloSubstituto<CZTCtbLancamentos, IZTCtbLancamentos> {
public:
    HRESULT LeLancamentosLote(std::uint32_t lLote, ZT_ARRAY_LANCAMENTOS_PS* pLancamentos) override {
        if (!pLancamentos) return platform::E_POINTER;
        *pLancamentos = {};
        if (!Dados()) return platform::E_UNEXPECTED;
        std::vector<ZT_LANCAMENTO_PS> achados;
        for (const ZTLancamentoLote& l : Dados()->lancamentos) {
            if (l.lLote == lLote) achados.push_back(l.lancamento);
        }
        return CopiaParaChamador(achados, pLancamentos->qtd, pLancamentos->pLancamentos);
    }
};

// The orders of `lista` whose origin is the month/key value that `dmc` describes (kind 2).
HRESULT PedidosDaOrigem(const std::vector<ZTPedidoOrigem>& lista, const REG_ZTDMC& dmc, ZT_ARRAY_PEDIDOS_PS* pPedidos) {
    const std::uint32_t chaveMesAno =
        ZTMontaChaveMesAno(static_cast<std::uint16_t>(ZTDMCGetPeriodo(dmc.lZTDMC)), ZTDMCGetChave(dmc.lZTDMC));
    std::vector<ZT_PEDIDO_PS> achados;
    if (ZTDMCGetTipo(dmc.lZTDMC) == ZT_DMC_TIPO_MES) {
        for (const ZTPedidoOrigem& p : lista) {
            if (p.lChaveMesAno == chaveMesAno) achados.push_back(p.pedido);
        }
    }
    return CopiaParaChamador(achados, pPedidos->qtd, pPedidos->pPedidos);
}

class CZTCmpPedidos final : public CZTModuloSubstituto<CZTCmpPedidos, IZTCmpPedidos> {
public:
    HRESULT BuscaPedidosOrigem(REG_ZTDMC dmc, ZT_ARRAY_PEDIDOS_PS* pPedidos) override {
        if (!pPedidos) return platform::E_POINTER;
        *pPedidos = {};
        if (!Dados()) return platform::E_UNEXPECTED;
        return PedidosDaOrigem(Dados()->pedidos, dmc, pPedidos);
    }
};

class CZTCmpContratos final : public CZTModuloSubstituto<CZTCmpContratos, IZTCmpContratos> {
public:
    HRESULT BuscaPedidosOrigem(REG_ZTDMC dmc, ZT_ARRAY_PEDIDOS_PS* pPedidos) override {
        if (!pPedidos) return platform::E_POINTER;
        *pPedidos = {};
        if (!Dados()) return platform::E_UNEXPECTED;
        return PedidosDaOrigem(Dados()->contratos, dmc, pPedidos);
    }
};

// The class object of the stand-in class `Objeto`.
template <class Objeto>
class CZTFabricaModulo final : public platform::com::RefCounted<CZTFabricaModulo<Objeto>, platform::IClassFactory> {
public:
    HRESULT QueryInterface(const platform::IID& iid, void** object) override {
        return platform::com::QueryInterfaceFrom({{platform::IID_IUnknown, this}, {platform::IID_IClassFactory, this}},
                                                 iid, object);
    }
    HRESULT CreateInstance(platform::IUnknown* outer, const platform::IID& iid, void** object) override {
        if (!object) return platform::E_POINTER;
        *object = nullptr;
        if (outer) return platform::CLASS_E_NOAGGREGATION;
        auto* objeto = new Objeto;
        const HRESULT hr = objeto->QueryInterface(iid, object);
        objeto->Release();
        return hr;
    }
    HRESULT LockServer(bool lock) override {
        lock ? platform::com::ModuleLock() : platform::com::ModuleUnlock();
        return platform::S_OK;
    }
};

template <class Objeto, class Interface>
HRESULT RegistraClasse(std::vector<platform::DWORD>& cookies) {
    auto* fabrica = new CZTFabricaModulo<Objeto>;
    platform::DWORD cookie = 0;
    const HRESULT hr = platform::CoRegisterClassObject(ZTClasseModulo<Interface>::kClsid, fabrica,
                                                       platform::CLSCTX_LOCAL_SERVER, platform::REGCLS_MULTIPLEUSE, &cookie);
    fabrica->Release();
    if (platform::SUCCEEDED(hr)) cookies.push_back(cookie);
    return hr;
}

}  // namespace

platform::HRESULT ZTRegistraClassesModulos(std::vector<platform::DWORD>& cookies) {
    using Registro = HRESULT (*)(std::vector<platform::DWORD>&);
    constexpr Registro kRegistros[] = {
        &RegistraClasse<CZTIntegracao, IZTIntegracao>,         &RegistraClasse<CZTFinIntegracao, IZTFinIntegracao>,
        &RegistraClasse<CZTCtbIntegracao, IZTCtbIntegracao>,   &RegistraClasse<CZTCtbLancamentos, IZTCtbLancamentos>,
        &RegistraClasse<CZTCmpPedidos, IZTCmpPedidos>,         &RegistraClasse<CZTCmpContratos, IZTCmpContratos>,
    };
    for (const Registro registra : kRegistros) {
        if (const HRESULT hr = registra(cookies); platform::FAILED(hr)) return hr;
    }
    return platform::S_OK;
}

void ZTRevogaClassesModulos(std::vector<platform::DWORD>& cookies) {
    for (const platform::DWORD cookie : cookies) (void)platform::CoRevokeClassObject(cookie);
    cookies.clear();
}
