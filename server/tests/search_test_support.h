// Shared helpers of the document-search tests: a company whose types, locations and documents are
// stored through the server's own methods (GravaTipDoc, GravaLocArq, GravaDoc) in this process,
// filters built the way a client builds them, and the two searches reached through the client
// library.
#pragma once

#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/qd_campo_valor.h"
#include "outside/pendora/qd_doc_filtro.h"
#include "platform/text/codepage.h"
#include "platform/com/bstr.h"
#include "server/tests/document_test_support.h"
#include "server/tests/types_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace kelvo::testing {

// The 60 value bytes of a field holding a number, as a client codes it.
inline std::string ValorWord(std::uint16_t numero) {
    QD_VALOR_CAMPO valor{};
    QDSetCampoWord(valor, numero);
    return {reinterpret_cast<const char*>(valor), sizeof valor};
}
inline std::string ValorLong(std::int32_t numero) {
    QD_VALOR_CAMPO valor{};
    QDSetCampoLong(valor, numero);
    return {reinterpret_cast<const char*>(valor), sizeof valor};
}
inline std::string ValorDWord(std::uint32_t numero) {
    QD_VALOR_CAMPO valor{};
    QDSetCampoDWord(valor, numero);
    return {reinterpret_cast<const char*>(valor), sizeof valor};
}
inline std::string ValorMoeda(std::int64_t dezMilesimos) {
    QD_VALOR_CAMPO valor{};
    QDSetCampoMoeda(valor, CyFromRaw(dezMilesimos));
    return {reinterpret_cast<const char*>(valor), sizeof valor};
}

// Windows-1252 text of a UTF-8 literal.
inline std::string Ansi(const char* utf8) { return platform::AnsiFromUtf8(utf8); }

// A document filter as a test describes it; Monta() builds it as a client does.
struct FiltroTeste {
    std::uint32_t dwFlags = 0;
    std::uint32_t lPosDocIni = 0, lPosDocFim = 0;
    std::vector<std::uint32_t> tipos;
    std::vector<std::uint32_t> docs;
    std::uint32_t lLocArq = 0;
    std::uint32_t iNrLocalizacaoIni = 0, iNrLocalizacaoFim = 0;
    std::uint32_t dataInclusaoIni = 0, dataInclusaoFim = 0;
    std::uint32_t dataModificacaoIni = 0, dataModificacaoFim = 0;
    std::uint16_t iDataEmissaoIni = 0, iDataEmissaoFim = 0;
    std::uint16_t iDataValidadeIni = 0, iDataValidadeFim = 0;
    std::uint16_t iUsuarioIncluiu = 0, iUsuarioAlterou = 0;
    std::vector<std::pair<QD_E_CAMPO_DOC, std::string>> campos;  // value bytes, at most 60
    std::string descricao;                                       // ANSI
    std::string nome;                                            // file-name patterns

    [[nodiscard]] CQDDocFiltro Monta() const {
        CQDDocFiltro filtro;
        QD_DOC_FILTRO_PS& ps = filtro.GetPS();
        ps.dwFlags = dwFlags;
        ps.lPosDocIni = lPosDocIni;
        ps.lPosDocFim = lPosDocFim;
        ps.nQtdTipDoc = static_cast<std::uint32_t>(tipos.size());
        ps.pTipDoc = ArrayTarefa(tipos);
        ps.nQtdDoc = static_cast<std::uint32_t>(docs.size());
        ps.pDoc = ArrayTarefa(docs);
        ps.lLocArq = lLocArq;
        ps.iNrLocalizacaoIni = iNrLocalizacaoIni;
        ps.iNrLocalizacaoFim = iNrLocalizacaoFim;
        ps.dataInclusaoIni = dataInclusaoIni;
        ps.dataInclusaoFim = dataInclusaoFim;
        ps.dataModificacaoIni = dataModificacaoIni;
        ps.dataModificacaoFim = dataModificacaoFim;
        ps.iDataEmissaoIni = iDataEmissaoIni;
        ps.iDataEmissaoFim = iDataEmissaoFim;
        ps.iDataValidadeIni = iDataValidadeIni;
        ps.iDataValidadeFim = iDataValidadeFim;
        ps.iUsuarioIncluiu = iUsuarioIncluiu;
        ps.iUsuarioAlterou = iUsuarioAlterou;
        std::vector<QD_DOC_CAMPO_PS> condicoes(campos.size(), QD_DOC_CAMPO_PS{});
        for (std::size_t i = 0; i < campos.size(); ++i) {
            condicoes[i].id = campos[i].first;
            std::memcpy(condicoes[i].BinaryData, campos[i].second.data(), std::min<std::size_t>(campos[i].second.size(), 60));
        }
        ps.nQtdCampos = static_cast<std::uint32_t>(condicoes.size());
        ps.pCampos = ArrayTarefa(condicoes);
        ps.bsDescricao = descricao.empty() ? nullptr : platform::SysAllocStringFromAnsi(descricao);
        std::strncpy(ps.szOriginalFileName, nome.c_str(), sizeof ps.szOriginalFileName - 1);
        return filtro;
    }
};

// A company of user `usuario` with its types, locations and documents stored through the server's
// methods, searched through the client library.
class BuscaTeste : public ::testing::Test {
protected:
    explicit BuscaTeste(std::uint16_t usuario = 1) : empresa_(usuario) {}

    // A type with `codigo`, its users and search fields; its position.
    std::uint32_t Tipo(const std::string& codigo, const std::vector<std::uint16_t>& usuarios = {},
                       const std::string& nome = "Tipo", const std::vector<CampoTeste>& campos = {}) {
        TipoTeste tipo{codigo, nome, 0, usuarios, {}, campos};
        std::uint32_t posicao = 0;
        EXPECT_EQ(Conexao().GravaTipDoc(&posicao, kelvo::testing::Monta(tipo)), platform::S_OK) << codigo;
        return posicao;
    }

    // A location with `codigo` (a group with QD_LOCARQ_GRUPO in `flags`); its position.
    std::uint32_t Local(const char* codigo, std::uint32_t flags = 0, const char* descricao = "Local") {
        CQDLocArq local;
        QD_LOCARQ_PS& ps = local.GetPS();
        ps.dwFlags = flags;
        std::strncpy(ps.szCodigo, codigo, sizeof ps.szCodigo - 1);
        std::strncpy(ps.szDescricao, descricao, sizeof ps.szDescricao - 1);
        std::uint32_t posicao = 0;
        EXPECT_EQ(Conexao().GravaLocArq(&posicao, local), platform::S_OK) << codigo;
        return posicao;
    }

    // A document with every part; its position.
    std::uint32_t Doc(const DadosDoc& dados) { return empresa_.Insere(dados); }

    // The positions `filtro` finds, S_OK expected.
    std::vector<std::uint32_t> Busca(const FiltroTeste& filtro) {
        CQDArrayPonteiros ponteiros;
        EXPECT_EQ(Conexao().BuscaPtrsDoc(filtro.Monta(), ponteiros), platform::S_OK);
        return Posicoes(ponteiros);
    }

    // The positions the quick search of the UTF-8 `texto` finds, S_OK expected.
    std::vector<std::uint32_t> Rapida(const char* texto, std::int32_t bAcessoWeb = 0) {
        platform::BSTR bs = platform::SysAllocStringFromAnsi(Ansi(texto));
        CQDArrayPonteiros ponteiros;
        EXPECT_EQ(Conexao().BuscaRapida(bs, bAcessoWeb, ponteiros), platform::S_OK) << texto;
        platform::SysFreeString(bs);
        return Posicoes(ponteiros);
    }

    [[nodiscard]] CSilentConexaoGedSrv& Conexao() { return empresa_.Conexao(); }
    [[nodiscard]] CZTQD_Srv& Srv() { return empresa_.Srv(); }

    EmpresaDocs empresa_;
};

}  // namespace kelvo::testing
