// The other modules' servers that the link operations ask about related records
// (outside/modulos/zt_modulos_interfaces.h), created through the suite's activation routine.
//
// The factory makes one of six servers by index: 0 the financial integration, 1 the accounting
// integration, 2 the accounting postings, 3 the integration settings, 4 the purchase orders,
// 5 the purchase contracts. CQDServidorModulo<I> holds one started server for one operation. The
// server's one thread.
#pragma once

#include "outside/modulos/zt_modulos_interfaces.h"
#include "platform/com/bstr.h"
#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <cstdint>

// Indexes of the factory.
inline constexpr int QD_MODULO_FIN_INTEGRACAO = 0;
inline constexpr int QD_MODULO_CTB_INTEGRACAO = 1;
inline constexpr int QD_MODULO_CTB_LANCAMENTOS = 2;
inline constexpr int QD_MODULO_INTEGRACAO = 3;
inline constexpr int QD_MODULO_CMP_PEDIDOS = 4;
inline constexpr int QD_MODULO_CMP_CONTRATOS = 5;

// Creates server `indice` with the activation routine (flags: diagnostics and retry while the
// server is unavailable) and sets *ppInterface to its interface (one reference). Any other index
// answers S_OK and null. E_POINTER for a null ppInterface; otherwise the activation's result
// (*ppInterface null on failure).
[[nodiscard]] platform::HRESULT QDCriaServidorModulo(int indice, void** ppInterface);

// The factory's index of interface I.
template <class I>
inline constexpr int QDIndiceModulo = -1;
template <> inline constexpr int QDIndiceModulo<IZTFinIntegracao> = QD_MODULO_FIN_INTEGRACAO;
template <> inline constexpr int QDIndiceModulo<IZTCtbIntegracao> = QD_MODULO_CTB_INTEGRACAO;
template <> inline constexpr int QDIndiceModulo<IZTCtbLancamentos> = QD_MODULO_CTB_LANCAMENTOS;
template <> inline constexpr int QDIndiceModulo<IZTIntegracao> = QD_MODULO_INTEGRACAO;
template <> inline constexpr int QDIndiceModulo<IZTCmpPedidos> = QD_MODULO_CMP_PEDIDOS;
template <> inline constexpr int QDIndiceModulo<IZTCmpContratos> = QD_MODULO_CMP_CONTRATOS;

// One server of interface I, created and started; released with the holder.
template <class I>
class CQDServidorModulo {
public:
    CQDServidorModulo() = default;
    ~CQDServidorModulo() {
        if (m_p) m_p->Release();
    }
    CQDServidorModulo(const CQDServidorModulo&) = delete;
    CQDServidorModulo& operator=(const CQDServidorModulo&) = delete;

    // Creates the server and starts it for the company, user and session. S_OK or the first
    // failure (the holder stays empty then).
    [[nodiscard]] platform::HRESULT Cria(const CZTString& strEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao) {
        void* p = nullptr;
        const platform::HRESULT hr = QDCriaServidorModulo(QDIndiceModulo<I>, &p);
        if (platform::FAILED(hr)) return hr;
        auto* servidor = static_cast<I*>(p);
        if (!servidor) return platform::E_NOINTERFACE;
        platform::BSTR bsEmpresa = platform::SysAllocStringFromAnsi(strEmpresa.GetString());
        const platform::HRESULT inicio =
            bsEmpresa ? servidor->Inicializa(bsEmpresa, iUsuario, lNumeroSessao) : platform::E_OUTOFMEMORY;
        platform::SysFreeString(bsEmpresa);
        if (platform::FAILED(inicio)) {
            servidor->Release();
            return inicio;
        }
        m_p = servidor;
        return platform::S_OK;
    }

    I* operator->() const { return m_p; }

private:
    I* m_p = nullptr;
};
