#include "framework/form/zt_fc_validador_collection.h"

#include <algorithm>

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;

namespace {

template <class Escolhe>
BOOL Habilita(const std::vector<std::unique_ptr<CZTFCValidador>>& validadores, Escolhe escolhe, BOOL bHabilita) {
    BOOL achou = FALSE;
    for (const auto& validador : validadores) {
        if (!escolhe(*validador)) continue;
        validador->SetHabilitado(bHabilita);
        achou = TRUE;
    }
    return achou;
}

template <class Escolhe>
CZTFCValidador* Busca(const std::vector<std::unique_ptr<CZTFCValidador>>& validadores, Escolhe escolhe) {
    const auto it = std::find_if(validadores.begin(), validadores.end(), [&](const auto& v) { return escolhe(*v); });
    return it == validadores.end() ? nullptr : it->get();
}

template <class Escolhe>
BOOL Remove(std::vector<std::unique_ptr<CZTFCValidador>>& validadores, Escolhe escolhe) {
    const auto antes = validadores.size();
    std::erase_if(validadores, [&](const auto& v) { return escolhe(*v); });
    return validadores.size() != antes ? TRUE : FALSE;
}

auto DoControle(platform::UINT nIdControle) {
    return [nIdControle](const CZTFCValidador& v) { return v.GetIdControle() == nIdControle; };
}

auto DaChave(std::int32_t nChave) {
    return [nChave](const CZTFCValidador& v) { return v.GetChave() == nChave; };
}

}  // namespace

void CZTFCValidadorCollection::Adiciona(CZTFCValidador* pValidador) {
    if (pValidador) m_validadores.emplace_back(pValidador);
}

BOOL CZTFCValidadorCollection::HabilitaPorControle(platform::UINT nIdControle, BOOL bHabilita) {
    return Habilita(m_validadores, DoControle(nIdControle), bHabilita);
}

BOOL CZTFCValidadorCollection::HabilitaPorChave(std::int32_t nChave, BOOL bHabilita) {
    return Habilita(m_validadores, DaChave(nChave), bHabilita);
}

CZTFCValidador* CZTFCValidadorCollection::BuscaPorControle(platform::UINT nIdControle) const {
    return Busca(m_validadores, DoControle(nIdControle));
}

CZTFCValidador* CZTFCValidadorCollection::BuscaPorChave(std::int32_t nChave) const {
    return Busca(m_validadores, DaChave(nChave));
}

BOOL CZTFCValidadorCollection::RemovePorControle(platform::UINT nIdControle) {
    return Remove(m_validadores, DoControle(nIdControle));
}

BOOL CZTFCValidadorCollection::RemovePorChave(std::int32_t nChave) { return Remove(m_validadores, DaChave(nChave)); }

CZTFCValidador* CZTFCValidadorCollection::BuscaPrimeiroInvalido(std::int32_t nGrupo) const {
    return Busca(m_validadores, [nGrupo](CZTFCValidador& v) { return v.IsHabilitado() && v.GetGrupo() == nGrupo && !v.Valida(); });
}

CZTFCValidador* CZTFCValidadorCollection::GetAt(int nIndice) const {
    if (nIndice < 0 || nIndice >= GetSize()) return nullptr;
    return m_validadores[static_cast<std::size_t>(nIndice)].get();
}
