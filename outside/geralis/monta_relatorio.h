// CMontaRelatorio (report builder): the suite's report generator Geralis as the reports call it.
//
// A report runs in four steps. Inicializa reads the report's model (modelo_relatorio.h; where it
// lies: caminhos_relatorio.h). The report then adds its lines. GeraRelatorio writes them into the
// output file as a paginated PDF (pdf_relatorio.h), whole or not at all (saida_relatorio.h).
// Finaliza lets everything go.
//
// Columns: first the model's, in its order (GetNumeroColunas, GetCodigoColuna), then any
// dynamic columns the report adds while it builds its first line. Each column is declared once,
// before its first value: a model column with AdicionaDetalhe, a dynamic one with
// AdicionaColunaDinamica. The declaration gives the kind of the column's values and a caption,
// printed where the model leaves the column's caption empty.
// Lines: a line takes one value per column, in column order (Adiciona), and is closed with
// FinalizaLinha. A subordinate line belongs to the line above it: its columns, a chosen few of
// the report's, are declared with AdicionaDetalheSubordinada before its first value, and it takes
// one value per declared subordinate column (AdicionaSubordinada), each printed in the report's
// column of the same code. A special line (AdicionaLinhaEspecial) goes between closed lines; a
// line one of whose values begins with GERALIS_MARCA_NOTA is a note (geralis_definicoes.h).
//
// Results are HRESULTs (geralis_definicoes.h). A failed call changes nothing except that the
// values added before it stay in the open line. Owns its model and lines; one thread at a time
// (separate objects may work on separate threads).
#pragma once

#include "outside/geralis/conteudo_relatorio.h"
#include "outside/geralis/modelo_relatorio.h"
#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <vector>

// The most columns a report has, dynamic ones included.
inline constexpr int GERALIS_COLUNAS_MAXIMO = 128;

class CMontaRelatorio {
public:
    CMontaRelatorio() = default;
    virtual ~CMontaRelatorio() = default;
    CMontaRelatorio(const CMontaRelatorio&) = delete;
    CMontaRelatorio& operator=(const CMontaRelatorio&) = delete;

    // Starts a report of the company in `szPathEmpresa` for the session (`iUsuario`,
    // `lNumeroSessao`), headed by `szRazaoSocial`, with the model `szModelo` of the module
    // `szPrefixo`'s report `szComponente`, to be written to `szArquivo`. Whatever an earlier report
    // held is dropped first. S_OK; the failures of GeralisCaminhoModelo, GeralisCaminhoSaida and
    // GeralisLeModelo (GetDescricaoErro then says why); on failure the object stays uninitialised.
    [[nodiscard]] platform::HRESULT Inicializa(const char* szPathEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao,
                                               const char* szRazaoSocial, const char* szPrefixo, const char* szComponente,
                                               const char* szArquivo, const char* szModelo);

    // The number of columns the model chose (dynamic columns not counted); 0 before Inicializa.
    [[nodiscard]] int GetNumeroColunas() const;
    // The code of the model's column `iColuna` (0-based); 0 outside 0..GetNumeroColunas()-1.
    [[nodiscard]] int GetCodigoColuna(int iColuna) const;

    // Declares the model's column `iCodigo`: its values' kind `iTipo` and width `iTamanho`, and
    // the caption `szTitulo` (null: none). S_OK; GERALIS_E_ARGUMENTO for a code the model does not
    // have or a kind and width GeralisTamanhoValido refuses; GERALIS_E_SEQUENCIA before Inicializa
    // or for a column declared already.
    [[nodiscard]] platform::HRESULT AdicionaDetalhe(int iCodigo, int iTipo, int iTamanho, const char* szTitulo);
    // Adds a column after all others, declared as above, with a print width that follows from its
    // kind and width. S_OK; GERALIS_E_ARGUMENTO for a code outside 1..32767 or already used, a bad
    // kind or width, or a report at GERALIS_COLUNAS_MAXIMO; GERALIS_E_SEQUENCIA before Inicializa
    // or once the first line has been closed.
    [[nodiscard]] platform::HRESULT AdicionaColunaDinamica(int iCodigo, int iTipo, int iTamanho, const char* szTitulo);
    // Adds the next value of the open line (opening one when none is), `iTamanho` bytes at `pDado`
    // of kind `iTipo`. S_OK; GERALIS_E_ARGUMENTO when the line is full, the kind is not its
    // column's or GeralisTextoDoValor refuses the value (E_POINTER for a null one);
    // GERALIS_E_SEQUENCIA before Inicializa, while a subordinate line is open, or when the column
    // has not been declared.
    [[nodiscard]] platform::HRESULT Adiciona(const void* pDado, int iTipo, int iTamanho);

    // Declares the next column of subordinate lines: the report's column `iCodigo`, with its values'
    // kind and width. S_OK; GERALIS_E_ARGUMENTO for a code the report does not have or a bad kind
    // or width; GERALIS_E_SEQUENCIA before Inicializa or for a code declared already.
    [[nodiscard]] platform::HRESULT AdicionaDetalheSubordinada(int iCodigo, int iTipo, int iTamanho);
    // Adds the next value of the open subordinate line (opening one when no line is open). S_OK;
    // GERALIS_E_ARGUMENTO for a kind other than the subordinate column's or a refused value;
    // GERALIS_E_SEQUENCIA before Inicializa, while a line is open, before any line has been closed,
    // or when the subordinate column has not been declared.
    [[nodiscard]] platform::HRESULT AdicionaSubordinada(const void* pDado, int iTipo, int iTamanho);

    // Closes the open line. S_OK; GERALIS_E_LINHA_INCOMPLETA when it lacks values (it stays open);
    // GERALIS_E_SEQUENCIA before Inicializa or when no line is open.
    [[nodiscard]] platform::HRESULT FinalizaLinha();
    // Adds the special line `iCodigo` (GERALIS_LINHA_SEPARADORA). S_OK; GERALIS_E_ARGUMENTO for
    // another code; GERALIS_E_SEQUENCIA before Inicializa or while a line is open.
    [[nodiscard]] platform::HRESULT AdicionaLinhaEspecial(int iCodigo);

    // Writes the closed lines into the output file. S_OK; GERALIS_E_SEQUENCIA before Inicializa
    // or while a line is open; the failures of GeralisGravaSaida and GeralisEscrevePdf
    // (GetDescricaoErro then names the file). On failure no output file has been written.
    [[nodiscard]] platform::HRESULT GeraRelatorio();
    // Drops the model and the lines; the object is uninitialised again.
    void Finaliza();

    // Why the last Inicializa or GeraRelatorio failed; empty when the cause needs no words.
    [[nodiscard]] const CZTString& GetDescricaoErro() const { return m_strErro; }
    // The output file the report is written to (set by Inicializa).
    [[nodiscard]] const CZTString& GetArquivo() const { return m_strArquivo; }
    // The session that Inicializa was given.
    [[nodiscard]] const CZTString& GetPathEmpresa() const { return m_strPathEmpresa; }
    [[nodiscard]] std::uint16_t GetUsuario() const { return m_iUsuario; }
    [[nodiscard]] std::int32_t GetNumeroSessao() const { return m_lNumeroSessao; }
    // What has been built so far: heading, columns with their printed captions, closed lines.
    [[nodiscard]] const GeralisConteudo& GetConteudo() const { return m_conteudo; }

private:
    // What the builder knows of a column beyond what is printed.
    struct EstadoColuna {
        bool bDeclarada = false;
        bool bLegendaDoModelo = false;  // the model's caption wins over the declared one
    };
    struct ColunaSubordinada {
        size_t nColuna = 0;  // the report's column the value is printed in
        int iTipo = 0;
    };

    [[nodiscard]] int IndiceDaColuna(int iCodigo) const;
    platform::HRESULT Declara(size_t nColuna, int iTipo, const char* szTitulo);
    // Opens a line of kind `eTipo` unless one is open already.
    void AbreLinha(GeralisTipoLinha eTipo);
    platform::HRESULT FechaPrincipal();
    platform::HRESULT FechaSubordinada();

    bool m_bInicializado = false;
    CZTString m_strPathEmpresa;
    std::uint16_t m_iUsuario = 0;
    std::int32_t m_lNumeroSessao = 0;
    CZTString m_strArquivo;
    CZTString m_strErro;
    int m_nColunasModelo = 0;
    GeralisConteudo m_conteudo;
    std::vector<EstadoColuna> m_estados;               // parallel to m_conteudo.colunas
    std::vector<ColunaSubordinada> m_subordinadas;     // in the order of their values
    bool m_bLinhaAberta = false;
    GeralisLinha m_linha;                              // the open line
    bool m_bPrincipalFechada = false;                  // a line has been closed: no more dynamic columns
};
