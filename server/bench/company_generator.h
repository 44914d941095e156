// GeradorEmpresa (gerador: generator): seeds a realistic company for the benchmarks through the
// client library, against whatever server object the connection is bound to (the real Vaultis
// process, or an object in the process).
//
// What it makes, reproducibly from a seed:
// - users 2, 3, ... (not supervisors, branch 1 active) in the suite's user data;
// - document types in groups: group types "01", "02", ... (group flag) and under each the
//   analytic types "0101", "0102", ..., each with its group's process and search fields, some
//   restricted to a few users;
// - archive locations in groups: "1", "2", ... and "1.001", ... (group flag), and under those the
//   analytic locations "1.001.001", ... with a maximum of documents, some accepting only the
//   types of one group;
// - documents without content (flag QD_DOC_SEM_CONTEUDO): an analytic type and location, a
//   description of about the given size in Portuguese-like words, values for every field of the
//   type coded by the field's data type, issue dates over five years and a validity date on
//   some, branch 1, a user list on some, the web flag on a quarter. They go either through
//   GravaDoc (GeraDocumentos, which times the calls) or straight into the record files with the
//   same bytes (GeraDocumentosDireto, direct_document_writer.h: a million in seconds);
// - links to origin records (the type group's process, a key) on a third of the documents.
//   They do not go through AdicionaVinculoDoc, which the server did not have when this was
//   written: the generator appends the link records itself to QDVINDOC.DAT in the company's
//   data folder through the record-file layer (mode 'G': it waits while a server method holds
//   the file; the file is made with its zero header when missing). Between two calls no server
//   method holds it, so the records land as a server would write them.
//
// Not thread-safe; the connection must stay bound to an object with an open session of the
// company for the generator's life (the direct writes need no call of it, but the set-up does),
// and only one generator may write a company at a time.
#pragma once

#include "outside/pendora/conexao_ged_srv.h"
#include "platform/hresult.h"
#include "server/bench/drawn_document.h"
#include "server/bench/portuguese_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvo::bench {

// The version of what the generator makes: raise it whenever a company drawn from the same
// parameters would differ, so that companies kept from an earlier version are made again.
inline constexpr int kVersaoGerador = 1;

// How big a company to make. The defaults make 100 types and 300 locations.
struct ParametrosEmpresa {
    int nGruposTipos = 10;            // "01" ... (at most 99)
    int nTiposPorGrupo = 9;           // analytic types under each group (at most 99)
    int nGruposLocais = 3;            // "1" ... (at most 9: one digit in the default mask)
    int nSubgruposPorGrupo = 9;       // "1.001" ... (at most 999)
    int nLocaisPorSubgrupo = 10;      // "1.001.001" ... (at most 999)
    int nUsuarios = 8;                // users 2 ... nUsuarios + 1
    std::size_t tamanhoDescricao = 1024;
    std::uint64_t semente = 20240607;
};

// What has been made so far: positions in their record files and the documents' time window.
struct EmpresaGerada {
    std::vector<std::uint32_t> gruposTipos;      // in code order
    std::vector<std::uint32_t> tipos;            // analytic types, in code order
    std::vector<std::uint32_t> gruposLocais;     // first-level groups, in code order
    std::vector<std::uint32_t> subgruposLocais;  // second-level groups, in code order
    std::vector<std::uint32_t> locais;           // analytic locations, in code order
    std::vector<std::uint16_t> usuarios;         // the user codes made (the supervisor is not one)
    std::uint32_t nQtdDocumentos = 0;
    std::uint32_t nQtdVinculos = 0;
    std::uint32_t dataPrimeiraInclusao = 0;      // the stored inclusion moment of the first document
    std::uint32_t dataUltimaInclusao = 0;        // and of the last one
};

// The time one GeraDocumentos (or GeraDocumentosDireto) took.
struct MedidaGravacao {
    std::uint32_t nQtdDocumentos = 0;
    double segundosGravaDoc = 0;   // inside the GravaDoc calls only (the direct writes: 0)
    double segundosTotal = 0;      // the whole batch: drawing the documents, the writes, the links
};

class GeradorEmpresa {
public:
    // `empresa` is the company code of the session and `pastaDados` its data folder (where
    // QDVINDOC.DAT lies).
    GeradorEmpresa(CConexaoGedSrv& conexao, std::string empresa, std::string pastaDados,
                   const ParametrosEmpresa& parametros = {});

    // Makes the users, the types and the locations; once, before any document. S_OK or the first
    // failure (what was made before stays).
    [[nodiscard]] platform::HRESULT GeraCadastros();
    // Makes (again) the users alone, which live in the suite's user data and not in the company's
    // folder: what a company kept from an earlier run needs before its sessions. S_OK or the
    // first failure.
    [[nodiscard]] platform::HRESULT GeraUsuarios();
    // Takes up a company that this generator made earlier with the same parameters (kept between
    // runs) as if it had just made it: further documents go behind its own. Documents drawn from
    // here on differ from those a run without the break would draw.
    void Retoma(const EmpresaGerada& gerada);

    // Writes `qtd` more documents through GravaDoc and the links of a third of them; `medida`
    // (optional) gets the times. S_OK or the first failure (documents written before stay; their
    // links are written all the same when the failure was a document's).
    [[nodiscard]] platform::HRESULT GeraDocumentos(std::uint32_t qtd, MedidaGravacao* medida = nullptr);
    // The same documents and links, straight into the record files of the data folder with the
    // bytes GravaDoc would write for a session of user `iUsuario` (direct_document_writer.h). No
    // server method may write the company meanwhile. S_OK or the first failure, after which the
    // company is unusable.
    [[nodiscard]] platform::HRESULT GeraDocumentosDireto(std::uint32_t qtd, std::uint16_t iUsuario,
                                                         MedidaGravacao* medida = nullptr);

    [[nodiscard]] const EmpresaGerada& Gerada() const { return m_gerada; }
    [[nodiscard]] const TextoPortugues& Texto() const { return m_texto; }

private:
    struct Vinculo;
    struct Hoje;
    [[nodiscard]] platform::HRESULT GeraTipos();
    [[nodiscard]] platform::HRESULT GeraLocais();
    [[nodiscard]] platform::HRESULT GravaLocal(const std::string& codigo, const std::string& descricao,
                                               std::uint32_t dwFlags, std::uint32_t maximo,
                                               const std::vector<std::uint32_t>& tipos, std::uint32_t& posicao);
    // The next document drawn, with dates around `hoje`.
    [[nodiscard]] DocumentoSorteado NovoDocumento(const Hoje& hoje);
    // Draws into `vinculos` the links of the document just written and counted at `posicao` (one
    // in three has some).
    void SorteiaVinculos(std::uint32_t posicao, QD_E_PROCESSO processo, std::vector<Vinculo>& vinculos);
    [[nodiscard]] platform::HRESULT GravaVinculos(const std::vector<Vinculo>& vinculos);
    [[nodiscard]] platform::HRESULT LeInclusao(std::uint32_t posicao, std::uint32_t& data);

    CConexaoGedSrv& m_conexao;
    std::string m_empresa;
    std::string m_pastaDados;
    ParametrosEmpresa m_parametros;
    Sorteio m_sorteio;
    TextoPortugues m_texto;
    EmpresaGerada m_gerada;
    std::uint32_t m_proximoNrLocalizacao = 1;
};

}  // namespace kelvo::bench
