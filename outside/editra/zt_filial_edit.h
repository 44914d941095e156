// CFilialEdit: a picker edit of one branch of the company, typed as its number; the static shows
// the branch's name. Branch 0 means every branch (the edit then stays empty).
//
// Inicializa reads the company's branches. A deactivated branch is offered only while
// SetMostraDesativadas is on; a typed number of a branch not offered is dropped. User-interface
// thread.
#pragma once

#include "outside/editra/zt_base_edit_ex_df.h"

#include <cstdint>
#include <vector>

class CFilialEdit : public CBaseEditExDF {
public:
    // One branch as the edit offers it.
    struct Filial {
        std::uint16_t iCodigo = 0;
        platform::String strNome;
        bool bDesativada = false;
    };

    // What the static shows for branch 0.
    static constexpr const char* kTextoTodas = "(Todas)";

    // The company and the session's branch (the current one); reads the company's branches.
    // FALSE (none offered) when they cannot be read.
    platform::BOOL Inicializa(const char* empresa, std::uint16_t filialAtual);
    // Offers the deactivated branches too.
    void SetMostraDesativadas(platform::BOOL mostra) { m_bMostraDesativadas = mostra != platform::FALSE; }

    // The chosen branch (0: all) and its setter, which shows it; a branch not offered chooses 0.
    void SetFilial(std::uint16_t codigo);
    [[nodiscard]] std::uint16_t GetFilial() const { return m_iFilial; }
    // The session's branch given to Inicializa.
    [[nodiscard]] std::uint16_t GetFilialAtual() const { return m_iFilialAtual; }
    // TRUE when the company has exactly one active branch.
    [[nodiscard]] platform::BOOL IsFilialUnica() const;

    // The branches offered, in number order.
    [[nodiscard]] std::vector<Filial> GetFiliaisOferecidas() const;

protected:
    [[nodiscard]] platform::String GetTextoStatic() const override;
    void OnTextoDigitado(bool bDoUsuario) override;

private:
    [[nodiscard]] const Filial* Oferecida(std::uint16_t codigo) const;

    platform::String m_strEmpresa;
    std::uint16_t m_iFilialAtual = 0;
    std::uint16_t m_iFilial = 0;
    bool m_bMostraDesativadas = false;
    std::vector<Filial> m_filiais;
};
