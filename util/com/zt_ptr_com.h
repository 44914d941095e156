// CZTPtrCOM: the holder of one interface pointer of a fixed interface.
//
// The interface and its identity are properties of the holder's type
// (CZTPtrCOM<IZTQD_Srv, IID_IZTQD_Srv>). The holder owns its pointer and releases it once, when
// it ends or when a new instance replaces it. Not copyable; not shared between threads.
#pragma once

#include "util/com/zt_cria_instancia.h"

template <class Interface, const platform::IID& Iid>
class CZTPtrCOM {
public:
    CZTPtrCOM() = default;
    ~CZTPtrCOM() {
        if (m_pInterface) m_pInterface->Release();
    }
    CZTPtrCOM(const CZTPtrCOM&) = delete;
    CZTPtrCOM& operator=(const CZTPtrCOM&) = delete;

    // The pointer (null when empty); no reference is added.
    [[nodiscard]] Interface* GetInterface() const { return m_pInterface; }

    // ZTCriaInstanciaServidor with the holder's interface; on success the new pointer replaces
    // (and releases) the one held, on failure the held one stays. Returns its result.
    platform::HRESULT CriaInstancia(const platform::CLSID& clsid, platform::IUnknown* pUnkOuter,
                                    platform::DWORD dwClsContext, platform::DWORD dwFlags) {
        void* pNovo = nullptr;
        const platform::HRESULT hr = ZTCriaInstanciaServidor(clsid, pUnkOuter, dwClsContext, Iid, &pNovo, dwFlags);
        if (platform::FAILED(hr)) return hr;
        if (m_pInterface) m_pInterface->Release();
        m_pInterface = static_cast<Interface*>(pNovo);
        return hr;
    }

private:
    Interface* m_pInterface = nullptr;
};
