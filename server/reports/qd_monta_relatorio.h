// CQDMontaRelatorio: the report generator as the module's reports drive it, and CQDRelatorio, the
// base of the four reports.
//
// A report walks the columns its model chose, in the model's order, and hands one value per
// column; the first line also declares each column (kind, width, caption). Subordinate lines
// carry values in a few of the report's columns under the line they belong to. Owned by one
// report object; one thread.
#pragma once

#include "outside/geralis/geralis_definicoes.h"
#include "outside/geralis/monta_relatorio.h"
#include "server/idl/records.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <cstring>
#include <functional>

class CZTQD_Srv;

// A record's fixed text field up to its NUL or its end, whichever comes first.
template <std::size_t N>
[[nodiscard]] CZTString QDTextoCampo(const char (&campo)[N]) {
    return CZTString(campo, static_cast<int>(strnlen(campo, N)));
}

class CQDMontaRelatorio : public CMontaRelatorio {
public:
    // Adds the value of the current column as text of at most `iLargura` bytes (cut there), declaring
    // the column on the first line with `szTitulo` as its caption.
    [[nodiscard]] platform::HRESULT Texto(const char* szTexto, int iLargura, const char* szTitulo);
    // The same for a 16-bit day number (0: no date).
    [[nodiscard]] platform::HRESULT Dia(std::uint16_t iDia, const char* szTitulo);
    // The same for a 4-byte integer.
    [[nodiscard]] platform::HRESULT Inteiro(std::int32_t lValor, const char* szTitulo);
    // The same for a date already written as text (its own length is the width).
    [[nodiscard]] platform::HRESULT DataTexto(const char* szData, const char* szTitulo);

    // Adds one subordinate line: `valor(codigo)` gives the text of every model column (empty for
    // most); the subordinate columns are declared on the first call, `iLargura` wide.
    [[nodiscard]] platform::HRESULT Subordinada(const std::function<CZTString(int iCodigo)>& valor, int iLargura);

    bool m_bPrimeiraLinha = true;  // the first line has not been described yet
    bool m_bSubordinadas = false;  // the subordinate columns have been declared
    int m_iCodigoColuna = 0;       // the model column whose value is being added

private:
    [[nodiscard]] platform::HRESULT Declara(int iTipo, int iTamanho, const char* szTitulo);
};

class CQDRelatorio {
public:
    explicit CQDRelatorio(CZTQD_Srv& srv) : m_srv(srv) {}
    virtual ~CQDRelatorio() = default;
    CQDRelatorio(const CQDRelatorio&) = delete;
    CQDRelatorio& operator=(const CQDRelatorio&) = delete;

    // Starts the generator for the session of the server object with the request's model, output
    // file, company name and report code (module "QD"). S_OK or the generator's failure.
    [[nodiscard]] virtual platform::HRESULT Inicializa(const QD_RELATORIO_PS& rel);
    // Builds the lines and writes the output file. S_OK or the first failure (no file then).
    [[nodiscard]] virtual platform::HRESULT Gera() = 0;

protected:
    // Adds one line: `coluna(codigo)` adds the value of each model column in turn, `depois` (when
    // given) the values of the report's own columns after them, then the line is closed. The first
    // failure is returned.
    [[nodiscard]] platform::HRESULT Linha(const std::function<platform::HRESULT(int iCodigo)>& coluna,
                                          const std::function<platform::HRESULT()>& depois = nullptr);
    // Writes the output file and lets the generator go. S_OK or the generator's failure.
    [[nodiscard]] platform::HRESULT Termina();

    CZTQD_Srv& m_srv;
    CQDMontaRelatorio m_monta;
};

// Runs the report that `rel.cRelatorio` names for the session of `srv`: S_OK, the failure of its
// start or of its building, E_INVALIDARG for a kind outside 0..3.
[[nodiscard]] platform::HRESULT QDGeraRelatorio(CZTQD_Srv& srv, const QD_RELATORIO_PS& rel);
