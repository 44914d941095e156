// CZTFCValidadorCollection: the validators of one form or dialog, in the order they were added.
//
// The collection owns its validators: removing one deletes it, and so does destroying the
// collection. The "por controle" operations match a validator by its control id, the "por chave"
// ones by its key. User-interface thread.
#pragma once

#include "framework/form/zt_fc_validador.h"

#include <cstdint>
#include <memory>
#include <vector>

class CZTFCValidadorCollection {
public:
    // Appends `pValidador` and takes it over (null: nothing).
    void Adiciona(CZTFCValidador* pValidador);

    // Enables or disables every validator of the control / key; TRUE when any matched.
    platform::BOOL HabilitaPorControle(platform::UINT nIdControle, platform::BOOL bHabilita);
    platform::BOOL HabilitaPorChave(std::int32_t nChave, platform::BOOL bHabilita);

    // The first validator of the control / key; null when none.
    [[nodiscard]] CZTFCValidador* BuscaPorControle(platform::UINT nIdControle) const;
    [[nodiscard]] CZTFCValidador* BuscaPorChave(std::int32_t nChave) const;

    // Deletes every validator of the control / key; TRUE when any matched.
    platform::BOOL RemovePorControle(platform::UINT nIdControle);
    platform::BOOL RemovePorChave(std::int32_t nChave);

    // The first validator, in the order added, that is enabled, belongs to `nGrupo` and fails its
    // check; null when every one passes.
    [[nodiscard]] CZTFCValidador* BuscaPrimeiroInvalido(std::int32_t nGrupo) const;

    [[nodiscard]] int GetSize() const { return static_cast<int>(m_validadores.size()); }
    // Validator `nIndice`; null outside 0..GetSize()-1.
    [[nodiscard]] CZTFCValidador* GetAt(int nIndice) const;

private:
    std::vector<std::unique_ptr<CZTFCValidador>> m_validadores;
};
