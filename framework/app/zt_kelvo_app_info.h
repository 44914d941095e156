// CZTKelvoAppInfo: the application information of the running session: the selected company,
// branch and session number (from CZTProfilerEmpresa), the company name (razão social), the
// system code, whether the command line preselected the company, and the systems block of the
// suite's start-up data.
//
// The application owns one; the command line and the company start-up fill it, and documents,
// views, frames and dialogs read it. User-interface thread only.
#pragma once

#include "framework/app/tipos_sistemas.h"
#include "framework/app/zt_profiler_empresa.h"
#include "platform/ui/message/messages.h"

// The message that tells the main window the new company name: the name (a const char*) as
// wParam, lParam 0.
constexpr platform::UINT ZT_WM_RAZAO_SOCIAL = platform::ui::WM_APP + 3;

class CZTKelvoAppInfo : public CZTProfilerEmpresa {
public:
    // No company, branch and session 0, system "DF", not preselected, systems block zero.
    CZTKelvoAppInfo();
    ~CZTKelvoAppInfo() override = default;

    // Selects the company and branch; the session number and the preselected flag stay.
    virtual void SetEmpresa(const char* empresa, std::uint16_t filial);
    // Selects the company, branch and session number, and marks the company as preselected.
    virtual void SetEmpresa(const char* empresa, std::uint16_t filial, std::int32_t numeroSecao);
    // Leaves no company selected (empty code, branch 0). A preselected company stays preselected,
    // kept aside for ReabreEmpresaPreSelecionada.
    void FechaEmpresa();
    // Selects the preselected company, branch and session number again; nothing when the command
    // line preselected none.
    void ReabreEmpresaPreSelecionada();

    // True when the company code is not empty (a code of blanks is a selected company).
    [[nodiscard]] bool TemEmpresa() const { return !m_strEmpresa.IsEmpty(); }
    // True once the three-value SetEmpresa chose the company (the command line's switches).
    [[nodiscard]] bool GetEmpresaPreSelecionada() const { return m_bPreSelecionada != 0; }
    [[nodiscard]] CZTString GetRazaoSocial() const { return m_strRazaoSocial; }
    // Stores the company name and sends it to the calling thread's main window as
    // ZT_WM_RAZAO_SOCIAL, when there is one.
    void SetRazaoSocial(const char* razaoSocial);
    // The system code, "DF".
    [[nodiscard]] CZTString GetSistema() const { return m_strSistema; }
    void SetNumeroSecao(std::int32_t numeroSecao) { m_lNumeroSecao = numeroSecao; }

    // Copies the 64-byte block in.
    void SetTiposSistemas(const TIPOS_SISTEMAS& tipos) { m_tiposSistemas = tipos; }
    // Readers of the block that no program of this system calls: a copy, a pointer to it, the
    // 16-bit value at offset 4, and whether byte 30 is 'S' in either case.
    [[nodiscard]] TIPOS_SISTEMAS GetTiposSistemas() const { return m_tiposSistemas; }
    [[nodiscard]] const TIPOS_SISTEMAS* GetPtrTiposSistemas() const { return &m_tiposSistemas; }
    [[nodiscard]] std::uint16_t GetValorTiposSistemas() const;
    [[nodiscard]] bool IsByte30TiposSistemasS() const;

private:
    CZTString m_strRazaoSocial;
    CZTString m_strSistema;
    std::uint8_t m_bPreSelecionada = 0;
    // The preselected company, which closing the company leaves in place for the next opening.
    CZTString m_strEmpresaPreSelecionada;
    std::uint16_t m_iFilialPreSelecionada = 0;
    std::int32_t m_lSecaoPreSelecionada = 0;
    TIPOS_SISTEMAS m_tiposSistemas{};
};
