// CZTKelvoUsuario: the suite's user object: the user's name, the supervisor flag and the access
// list, one entry per access code that the program's document declares, each with what the
// company start-up granted.
//
// The document constructor declares the codes (SetControles); opening a company sets name,
// supervisor and granted values; closing it clears them (Limpa) and keeps the codes.
// User-interface thread only.
#pragma once

#include "framework/app/zt_fc_usuario.h"
#include "util/text/zt_string.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// One entry of the access list (tem acesso: has access).
struct _ZTKelvoTemAcesso {
    std::uint16_t iCodigo = 0;
    std::int32_t lTemAcesso = 0;  // non-zero: granted
};
static_assert(sizeof(_ZTKelvoTemAcesso) == 8 && offsetof(_ZTKelvoTemAcesso, lTemAcesso) == 4);

class CZTKelvoUsuario : public CZTFCUsuario {
public:
    [[nodiscard]] CZTString GetNomeUsuario() const { return m_strNomeUsuario; }
    void SetNomeUsuario(const char* nome) { m_strNomeUsuario = nome; }
    [[nodiscard]] bool GetSupervisor() const { return m_bSupervisor != 0; }
    void SetSupervisor(bool supervisor) { m_bSupervisor = supervisor ? 1 : 0; }

    // The list becomes `qtd` entries (taken as 16 bits), entry i with code codigos[i] and nothing
    // granted.
    void SetControles(int qtd, const std::uint16_t* codigos);
    [[nodiscard]] int GetQtdControles() const { return static_cast<int>(m_acessos.size()); }
    // The code of entry `indice` (0 to GetQtdControles() - 1).
    [[nodiscard]] std::uint16_t GetControle(int indice) const { return m_acessos.at(static_cast<std::size_t>(indice)).iCodigo; }
    // Sets the first entry with `codigo`; a code not in the list changes nothing.
    void SetAcesso(std::uint16_t codigo, std::int32_t temAcesso);
    // The first entry's value for `codigo`; 0 when the code is not in the list, even for a
    // supervisor (the supervisor rule belongs to the document's access test).
    [[nodiscard]] std::int32_t GetAcesso(std::uint16_t codigo) const;
    // True when any entry is granted.
    [[nodiscard]] bool TemAlgumAcesso() const;
    // Empties the name, clears the supervisor flag and every granted value; the codes stay.
    void Limpa();

private:
    CZTString m_strNomeUsuario;
    std::uint8_t m_bSupervisor = 0;
    std::vector<_ZTKelvoTemAcesso> m_acessos;
};
