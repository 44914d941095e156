#include "outside/editra/zt_filial_edit.h"

#include "outside/conexo/conexo_dados.h"

#include <algorithm>

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;

namespace {

// The branches of `empresa` with their names and marks; S_OK or the first failure.
platform::HRESULT LeFiliais(const char* empresa, std::vector<CFilialEdit::Filial>& filiais) {
    std::vector<std::uint16_t> codigos;
    if (const platform::HRESULT hr = ConexoListaFiliais(empresa, codigos); platform::FAILED(hr)) return hr;
    std::vector<CFilialEdit::Filial> lidas;
    for (const std::uint16_t codigo : codigos) {
        CFilialEdit::Filial filial;
        filial.iCodigo = codigo;
        CZTString nome;
        if (const platform::HRESULT hr = ConexoLeNomeFilial(empresa, codigo, nome); platform::FAILED(hr)) return hr;
        if (const platform::HRESULT hr = ConexoLeFilialDesativada(empresa, codigo, filial.bDesativada); platform::FAILED(hr)) return hr;
        filial.strNome = nome.GetString();
        lidas.push_back(std::move(filial));
    }
    filiais = std::move(lidas);
    return platform::S_OK;
}

}  // namespace

BOOL CFilialEdit::Inicializa(const char* empresa, std::uint16_t filialAtual) {
    m_strEmpresa = empresa ? empresa : "";
    m_iFilialAtual = filialAtual;
    m_filiais.clear();
    const platform::HRESULT hr = LeFiliais(m_strEmpresa, m_filiais);
    SetFilial(m_iFilial);
    return platform::FAILED(hr) ? FALSE : TRUE;
}

void CFilialEdit::SetFilial(std::uint16_t codigo) {
    m_iFilial = Oferecida(codigo) ? codigo : 0;
    MostraCodigos(m_iFilial ? std::vector<std::uint16_t>{m_iFilial} : std::vector<std::uint16_t>{});
    AtualizaStatic();
}

BOOL CFilialEdit::IsFilialUnica() const {
    const auto ativas = std::count_if(m_filiais.begin(), m_filiais.end(), [](const Filial& f) { return !f.bDesativada; });
    return ativas == 1 ? TRUE : FALSE;
}

std::vector<CFilialEdit::Filial> CFilialEdit::GetFiliaisOferecidas() const {
    std::vector<Filial> oferecidas;
    for (const Filial& filial : m_filiais) {
        if (Oferecida(filial.iCodigo)) oferecidas.push_back(filial);
    }
    return oferecidas;
}

platform::String CFilialEdit::GetTextoStatic() const {
    if (m_iFilial == 0) return kTextoTodas;
    const Filial* filial = Oferecida(m_iFilial);
    return filial ? filial->strNome : platform::String();
}

void CFilialEdit::OnTextoDigitado(bool /*bDoUsuario*/) {
    const std::vector<std::uint16_t> codigos = CodigosDoTexto();
    SetFilial(codigos.empty() ? 0 : codigos.front());
}

const CFilialEdit::Filial* CFilialEdit::Oferecida(std::uint16_t codigo) const {
    for (const Filial& filial : m_filiais) {
        if (filial.iCodigo == codigo) return filial.bDesativada && !m_bMostraDesativadas ? nullptr : &filial;
    }
    return nullptr;
}
