// CZTParametroInicializacao (start-up parameters): what a program hands the company library
// when it asks for the start-up data of the company it opened: the company code, the session
// number, the branch, a 16-bit value the start-up passes as 0, the document's start-up value and
// the access codes the program's document declares.
//
// A plain copyable value; CZTDadosInicializacao::BuscaDados takes a copy.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>
#include <vector>

class CZTParametroInicializacao {
public:
    CZTParametroInicializacao(const char* szEmpresa, std::int32_t lNumeroSecao, std::uint16_t iFilial,
                              std::uint16_t iReservado, std::uint16_t iValorInicializacao)
        : m_strEmpresa(szEmpresa ? szEmpresa : ""), m_lNumeroSecao(lNumeroSecao), m_iFilial(iFilial),
          m_iReservado(iReservado), m_iValorInicializacao(iValorInicializacao) {}

    // The access codes (controles de acesso) whose rights the start-up asks for: the `qtd`
    // values at `codigos` (none for a null array or a count below 1).
    void SetControlesAcesso(int qtd, const std::uint16_t* codigos) {
        m_controles.clear();
        if (codigos && qtd > 0) m_controles.assign(codigos, codigos + qtd);
    }

    [[nodiscard]] const CZTString& GetEmpresa() const { return m_strEmpresa; }
    [[nodiscard]] std::int32_t GetNumeroSecao() const { return m_lNumeroSecao; }
    [[nodiscard]] std::uint16_t GetFilial() const { return m_iFilial; }
    // Kept as given; nothing in this library reads it.
    [[nodiscard]] std::uint16_t GetReservado() const { return m_iReservado; }
    [[nodiscard]] std::uint16_t GetValorInicializacao() const { return m_iValorInicializacao; }
    [[nodiscard]] const std::vector<std::uint16_t>& GetControlesAcesso() const { return m_controles; }

private:
    CZTString m_strEmpresa;
    std::int32_t m_lNumeroSecao;
    std::uint16_t m_iFilial;
    std::uint16_t m_iReservado;
    std::uint16_t m_iValorInicializacao;
    std::vector<std::uint16_t> m_controles;
};
