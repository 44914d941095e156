#include "util/com/zt_lista_interfaces.h"

using namespace platform;

CZTListaInterfaces::~CZTListaInterfaces() {
    for (IUnknown* entrada : m_entradas) entrada->Release();
}

void CZTListaInterfaces::Adiciona(const IID& iid, IUnknown* pInterface) {
    if (!pInterface) throw ComError(E_INVALIDARG);
    void* pEntrada = nullptr;
    if (const HRESULT hr = pInterface->QueryInterface(iid, &pEntrada); FAILED(hr)) throw ComError(hr);
    if (m_entradas.size() == m_entradas.capacity()) m_entradas.reserve(m_entradas.size() + kBloco);
    m_entradas.push_back(static_cast<IUnknown*>(pEntrada));
}

void CZTListaInterfaces::Retira(const IID& iid, void** ppInterface) {
    if (!ppInterface || m_entradas.empty()) throw ComError(E_INVALIDARG);
    *ppInterface = nullptr;
    IUnknown* entrada = m_entradas.front();
    m_entradas.erase(m_entradas.begin());
    const HRESULT hr = entrada->QueryInterface(iid, ppInterface);
    entrada->Release();
    if (FAILED(hr)) throw ComError(hr);
}
