// Searching documents by filter through the client library, against a company whose types,
// locations and documents were stored through the server's own methods: the empty filter, the
// access rule and service mode, branches, type groups in both modes, scores and their order,
// field ranges and equalities, expiry, times, file-name patterns, location groups, positions,
// the exclusion bits, refused filters and failing reads.
#include "server/search/qd_busca_ptrs_doc.h"
#include "server/tests/search_test_support.h"
#include "util/tests/time_test_clock.h"
#include "util/time/day_counts.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;
using Lista = std::vector<std::uint32_t>;

class BuscaPtrsDoc : public BuscaTeste {};

DadosDoc Com(std::function<void(DadosDoc&)> ajusta) {
    DadosDoc dados;
    ajusta(dados);
    return dados;
}

// An empty filter finds every visible document that is not deleted, in position order, in both
// modes: a deleted one, one restricted to another user and one of an inactive branch stay out.
TEST_F(BuscaPtrsDoc, EmptyFilterFindsEveryVisibleLiveDocumentInPositionOrder) {
    const std::uint32_t a = Doc({});
    const std::uint32_t apagado = Doc({});
    const std::uint32_t restrito = Doc(Com([](DadosDoc& d) { d.usuarios = {7}; }));
    const std::uint32_t filial1 = Doc(Com([](DadosDoc& d) { d.iFilial = 1; }));
    const std::uint32_t filial2 = Doc(Com([](DadosDoc& d) { d.iFilial = 2; }));
    const std::uint32_t filial1000 = Doc(Com([](DadosDoc& d) { d.iFilial = 1000; }));
    const std::uint32_t b = Doc({});
    ASSERT_EQ(Conexao().ExcluiDoc(1, &apagado), platform::S_OK);
    (void)restrito;
    (void)filial2;
    (void)filial1000;
    EXPECT_EQ(Busca({}), (Lista{a, filial1, b}));
    FiltroTeste qualquer;
    qualquer.dwFlags = 0x1;
    EXPECT_EQ(Busca(qualquer), (Lista{a, filial1, b}));
}

// A document restricted to its users is found by them, by nobody else, and by everyone once the
// session is in service mode; a type's list restricts documents without a list of their own.
TEST_F(BuscaPtrsDoc, RestrictedDocumentFoundByItsUsersAndInServiceMode) {
    ASSERT_EQ(ConexoGravaUsuario(kEmpresaTeste, UsuarioTeste(5, 0), {1}), platform::S_OK);
    const std::uint32_t tipoRestrito = Tipo("07", {5});
    const std::uint32_t livre = Doc({});
    const std::uint32_t doUsuario5 = Doc(Com([](DadosDoc& d) { d.usuarios = {5}; }));
    const std::uint32_t doTipo = Doc(Com([&](DadosDoc& d) { d.lTipDoc = tipoRestrito; }));
    EXPECT_EQ(Busca({}), (Lista{livre}));

    Servidor outro;
    ASSERT_EQ(outro->Inicializa(Sessao(kEmpresaTeste, 5)), platform::S_OK);
    CSilentConexaoGedSrv conexao5;
    conexao5.SetInterface(&*outro);
    CQDArrayPonteiros ponteiros;
    ASSERT_EQ(conexao5.BuscaPtrsDoc(FiltroTeste{}.Monta(), ponteiros), platform::S_OK);
    EXPECT_EQ(Posicoes(ponteiros), (Lista{livre, doUsuario5, doTipo}));

    ASSERT_EQ(Srv().SetModoServico(), platform::S_OK);
    EXPECT_EQ(Busca({}), (Lista{livre, doUsuario5, doTipo}));
}

// A type group "01" takes documents of 01, 0101 and 0102 in both modes, never of 02, even when
// the 02 document meets every other criterion of a scored search.
TEST_F(BuscaPtrsDoc, TypeGroupTakesItsCodePrefixInBothModes) {
    const std::uint32_t t01 = Tipo("01"), t0101 = Tipo("0101"), t0102 = Tipo("0102"), t02 = Tipo("02");
    std::vector<std::uint32_t> docs;
    for (const std::uint32_t tipo : {t01, t0101, t02, t0102}) {
        docs.push_back(Doc(Com([&](DadosDoc& d) {
            d.lTipDoc = tipo;
            d.descricao = "contrato";
        })));
    }
    FiltroTeste filtro;
    filtro.tipos = {t01};
    EXPECT_EQ(Busca(filtro), (Lista{docs[0], docs[1], docs[3]}));
    filtro.dwFlags = 0x1;
    filtro.descricao = "contrato";
    EXPECT_EQ(Busca(filtro), (Lista{docs[0], docs[1], docs[3]}));
    filtro.tipos = {0};  // a list naming no type admits nothing
    EXPECT_EQ(Busca(filtro), Lista{});
}

// The scored mode drops documents that meet nothing; a matching range and a matching description
// score 1 plus the word hits; equal scores come back in ascending positions. The strict mode
// needs both criteria and returns ascending positions.
TEST_F(BuscaPtrsDoc, ScoredModeOrdersByScoreThenPosition) {
    const std::uint32_t soFaixa = Doc(Com([](DadosDoc& d) { d.iNrLocalizacao = 15; }));
    const std::uint32_t nada = Doc(Com([](DadosDoc& d) {
        d.iNrLocalizacao = 99;
        d.descricao = "recibo";
    }));
    const std::uint32_t ambos = Doc(Com([](DadosDoc& d) {
        d.iNrLocalizacao = 12;
        d.descricao = "nota fiscal, nota de entrada";
    }));
    const std::uint32_t soTexto = Doc(Com([](DadosDoc& d) {
        d.iNrLocalizacao = 40;
        d.descricao = "Nota avulsa";
    }));
    (void)nada;
    FiltroTeste filtro;
    filtro.dwFlags = 0x1;
    filtro.iNrLocalizacaoIni = 10;
    filtro.iNrLocalizacaoFim = 20;
    filtro.descricao = "nota";
    EXPECT_EQ(Busca(filtro), (Lista{ambos, soFaixa, soTexto}));
    filtro.dwFlags = 0;
    EXPECT_EQ(Busca(filtro), (Lista{ambos}));
}

// Two field conditions with id 12 form a range; one alone asks for equality; so do the dates.
TEST_F(BuscaPtrsDoc, FieldConditionsRangeAndEquality) {
    const std::uint32_t x = Doc(Com([](DadosDoc& d) {
        d.campos = {{QD_CAMPO_LIVRE_TEXTO_0, "nota fiscal"}, {QD_CAMPO_LIVRE_DMA_0, ValorWord(150)}};
    }));
    const std::uint32_t y = Doc(Com([](DadosDoc& d) {
        d.campos = {{QD_CAMPO_LIVRE_TEXTO_0, "recibo"}, {QD_CAMPO_LIVRE_DMA_0, ValorWord(250)}};
    }));
    const std::uint32_t semCampos = Doc({});
    (void)semCampos;
    struct Caso {
        const char* nome;
        std::vector<std::pair<QD_E_CAMPO_DOC, std::string>> campos;
        Lista esperado;
    };
    const Caso casos[] = {
        {"id 12 twice: a range", {{QD_CAMPO_LIVRE_TEXTO_0, "nota"}, {QD_CAMPO_LIVRE_TEXTO_0, "zzz"}}, {x}},
        {"id 12 once: equality", {{QD_CAMPO_LIVRE_TEXTO_0, "recibo"}}, {y}},
        {"id 12 once, no such text", {{QD_CAMPO_LIVRE_TEXTO_0, "zzz"}}, {}},
        {"date range", {{QD_CAMPO_LIVRE_DMA_0, ValorWord(100)}, {QD_CAMPO_LIVRE_DMA_0, ValorWord(200)}}, {x}},
        {"date equality", {{QD_CAMPO_LIVRE_DMA_0, ValorWord(250)}}, {y}},
        {"date equality, between the two", {{QD_CAMPO_LIVRE_DMA_0, ValorWord(200)}}, {}},
        {"both fields", {{QD_CAMPO_LIVRE_TEXTO_0, "nota"}, {QD_CAMPO_LIVRE_DMA_0, ValorWord(150)}}, {x}},
        {"both fields, one missed", {{QD_CAMPO_LIVRE_TEXTO_0, "nota"}, {QD_CAMPO_LIVRE_DMA_0, ValorWord(250)}}, {}},
    };
    for (const Caso& caso : casos) {
        FiltroTeste filtro;
        filtro.campos = caso.campos;
        EXPECT_EQ(Busca(filtro), caso.esperado) << caso.nome;
    }
}

// Filter bit 0x8 leaves out what expired before today and keeps documents without a validity
// date; today is a day count from 1950 also after the last short day number (June 2027).
TEST_F(BuscaPtrsDoc, ExpiryKeepsDocumentsWithoutValidity) {
    zt_time_test::RelogioFixado relogio(zt_time_test::Momento(2030, 1, 15, 10));
    const auto hoje = static_cast<std::uint16_t>(ZTCalculaDiasBase(15, 1, 2030, 1950));
    const std::uint32_t ontem = Doc(Com([&](DadosDoc& d) { d.iDataValidade = hoje - 1; }));
    const std::uint32_t deHoje = Doc(Com([&](DadosDoc& d) { d.iDataValidade = hoje; }));
    const std::uint32_t semValidade = Doc({});
    FiltroTeste filtro;
    filtro.dwFlags = 0x8;
    EXPECT_EQ(Busca(filtro), (Lista{deHoje, semValidade}));
    EXPECT_EQ(Busca({}), (Lista{ontem, deHoje, semValidade}));
}

// The inclusion-time range looks at the inclusion time and the change-time range at the last
// change, each stamped by the server's clock.
TEST_F(BuscaPtrsDoc, InclusionAndChangeTimeRanges) {
    std::vector<std::uint32_t> docs;
    for (const int dia : {10, 11, 12}) {
        zt_time_test::RelogioFixado relogio(zt_time_test::Momento(2026, 3, dia, 9));
        docs.push_back(Doc({}));
    }
    {
        zt_time_test::RelogioFixado relogio(zt_time_test::Momento(2026, 4, 1, 9));
        std::uint32_t posicao = docs[0];
        ASSERT_EQ(Conexao().GravaDoc(&posicao, Documento(DadosDoc{}), 0), platform::S_OK);
    }
    const QD_DOC_ARQ meio = empresa_.Doc(docs[1]);
    const QD_DOC_ARQ alterado = empresa_.Doc(docs[0]);
    FiltroTeste filtro;
    filtro.dataInclusaoIni = meio.dataInclusao - 60;
    filtro.dataInclusaoFim = meio.dataInclusao + 60;
    EXPECT_EQ(Busca(filtro), (Lista{docs[1]}));
    filtro = {};
    filtro.dataModificacaoIni = alterado.dataModificacao;
    filtro.dataModificacaoFim = alterado.dataModificacao + 86400;
    EXPECT_EQ(Busca(filtro), (Lista{docs[0]}));
}

// The record's other criteria reach the stored fields: issue dates, users (the server stamps the
// session user), file-name patterns.
TEST_F(BuscaPtrsDoc, RecordCriteriaReachTheStoredFields) {
    const std::uint32_t nota = Doc(Com([](DadosDoc& d) {
        d.nome = "nota.pdf";
        d.iDataEmissao = 40000;
    }));
    const std::uint32_t contrato = Doc(Com([](DadosDoc& d) {
        d.nome = Ansi("Contrato de locação.DOC");
        d.iDataEmissao = 40010;
    }));
    const std::uint32_t foto = Doc(Com([](DadosDoc& d) { d.nome = "foto.jpg"; }));
    struct Caso {
        const char* nome;
        std::function<void(FiltroTeste&)> define;
        Lista esperado;
    };
    const Caso casos[] = {
        {"patterns", [](FiltroTeste& f) { f.nome = "*.pdf; contrato*"; }, {nota, contrato}},
        {"accented pattern", [](FiltroTeste& f) { f.nome = Ansi("*LOCAÇÃO.doc"); }, {contrato}},
        {"no pattern", [](FiltroTeste& f) { f.nome = " ; "; }, {nota, contrato, foto}},
        {"issue dates", [](FiltroTeste& f) { f.iDataEmissaoIni = 40005; f.iDataEmissaoFim = 40010; }, {contrato}},
        {"including user 1", [](FiltroTeste& f) { f.iUsuarioIncluiu = 1; }, {nota, contrato, foto}},
        {"including user 2", [](FiltroTeste& f) { f.iUsuarioIncluiu = 2; }, {}},
    };
    for (const Caso& caso : casos) {
        FiltroTeste filtro;
        caso.define(filtro);
        EXPECT_EQ(Busca(filtro), caso.esperado) << caso.nome;
    }
}

// A group location takes the locations whose code begins with its code; any other location
// only itself; each scores 1 in the scored mode.
TEST_F(BuscaPtrsDoc, LocationGroupTakesItsCodePrefix) {
    const std::uint32_t grupo = Local("1", QD_LOCARQ_GRUPO);
    const std::uint32_t l1001 = Local("1.001"), l1002 = Local("1.002"), l2001 = Local("2.001");
    const std::uint32_t d1001 = Doc(Com([&](DadosDoc& d) { d.lLocArq = l1001; }));
    const std::uint32_t d2001 = Doc(Com([&](DadosDoc& d) { d.lLocArq = l2001; }));
    const std::uint32_t semLocal = Doc({});
    const std::uint32_t d1002 = Doc(Com([&](DadosDoc& d) { d.lLocArq = l1002; }));
    (void)d2001;
    (void)semLocal;
    FiltroTeste filtro;
    filtro.lLocArq = grupo;
    EXPECT_EQ(Busca(filtro), (Lista{d1001, d1002}));
    filtro.lLocArq = l1001;
    EXPECT_EQ(Busca(filtro), (Lista{d1001}));
    filtro.dwFlags = 0x1;
    filtro.lLocArq = grupo;
    EXPECT_EQ(Busca(filtro), (Lista{d1001, d1002}));
}

// A filter location or a listed type past the end of its file ends the call with the read's
// end-of-file code in both modes, even where the description alone would find the document; a
// listed type 0 names no type and is skipped.
TEST_F(BuscaPtrsDoc, FilterPositionsPastTheirFileAnswerEndOfFile) {
    const std::uint32_t tipo = Tipo("01");
    const std::uint32_t local = Local("1");
    const std::uint32_t doc = Doc(Com([&](DadosDoc& d) {
        d.lTipDoc = tipo;
        d.lLocArq = local;
        d.descricao = "nota";
    }));
    const HRESULT fimDoArquivo = platform::HResultFromMessage(16021);
    struct Caso {
        const char* nome;
        std::uint32_t dwFlags;
        Lista tipos;
        std::uint32_t lLocArq;
        HRESULT esperado;
    };
    const Caso casos[] = {
        // A location past the end was taken as an ordinary one that no document lies in.
        {"location past the end, strict", 0, {}, local + 1, fimDoArquivo},
        {"location past the end, scored", 0x1, {}, local + 1, fimDoArquivo},
        // A listed type past the end was dropped from the list and the others still admitted.
        {"type past the end, strict", 0, {tipo, tipo + 1}, 0, fimDoArquivo},
        {"type past the end, scored", 0x1, {tipo + 1, tipo}, 0, fimDoArquivo},
        // A listed 0 must not be read as a type.
        {"type 0 skipped, strict", 0, {0, tipo}, local, platform::S_OK},
        {"type 0 skipped, scored", 0x1, {tipo, 0}, 0, platform::S_OK},
    };
    for (const Caso& caso : casos) {
        FiltroTeste filtro;
        filtro.dwFlags = caso.dwFlags;
        filtro.tipos = caso.tipos;
        filtro.lLocArq = caso.lLocArq;
        filtro.descricao = "nota";
        CQDArrayPonteiros ponteiros;
        EXPECT_EQ(Conexao().BuscaPtrsDoc(filtro.Monta(), ponteiros), caso.esperado) << caso.nome;
        EXPECT_EQ(Posicoes(ponteiros), caso.esperado == platform::S_OK ? Lista{doc} : Lista{}) << caso.nome;
    }
}

// The position range and the position list narrow the scan; list positions outside the file or
// the range, and repeats, are skipped.
TEST_F(BuscaPtrsDoc, PositionRangeAndList) {
    std::vector<std::uint32_t> docs;
    for (int i = 0; i < 5; ++i) docs.push_back(Doc({}));
    FiltroTeste filtro;
    filtro.lPosDocIni = docs[1];
    filtro.lPosDocFim = docs[3];
    EXPECT_EQ(Busca(filtro), (Lista{docs[1], docs[2], docs[3]}));
    filtro.docs = {docs[4], 0, docs[2], 999, docs[2], docs[0]};
    EXPECT_EQ(Busca(filtro), (Lista{docs[2]}));
    filtro.lPosDocIni = filtro.lPosDocFim = 0;
    EXPECT_EQ(Busca(filtro), (Lista{docs[0], docs[2], docs[4]}));
    filtro.lPosDocFim = 1000;  // an end past the file is the file's end
    filtro.docs = {};
    EXPECT_EQ(Busca(filtro).size(), 5u);
}

// The exclusion bits: older versions (0x2), web access only (0x4), documents with flag 0x8
// (0x10).
TEST_F(BuscaPtrsDoc, ExclusionBits) {
    const std::uint32_t v1 = Doc({});
    const std::uint32_t v2 = Doc(Com([&](DadosDoc& d) { d.lPrevDoc = v1; }));
    const std::uint32_t web = Doc(Com([](DadosDoc& d) { d.dwFlags = QD_DOC_ACESSO_WEB; }));
    const std::uint32_t extra = Doc(Com([](DadosDoc& d) { d.dwFlags = QD_DOC_ESTADO_EXTRA; }));
    const std::pair<std::uint32_t, Lista> casos[] = {
        {0x2, {v2, web, extra}},
        {0x4, {web}},
        {0x10, {v1, v2, web}},
        {0x16, {web}},
    };
    for (const auto& [flags, esperado] : casos) {
        FiltroTeste filtro;
        filtro.dwFlags = flags;
        EXPECT_EQ(Busca(filtro), esperado) << flags;
    }
}

// A count without its array is refused before anything is read; the result stays zeroed, and a
// null result pointer is refused.
TEST_F(BuscaPtrsDoc, CountsWithoutArraysAreRefused) {
    (void)Doc({});
    for (int caso = 0; caso < 3; ++caso) {
        QD_DOC_FILTRO_PS filtro{};
        if (caso == 0) filtro.nQtdTipDoc = 2;
        if (caso == 1) filtro.nQtdDoc = 1;
        if (caso == 2) filtro.nQtdCampos = 3;
        QD_ARRAY_PONTEIROS_PS resultado{};
        resultado.qtd = 77;
        EXPECT_EQ(Srv().BuscaPtrsDoc(filtro, &resultado), platform::E_POINTER) << caso;
        EXPECT_EQ(resultado.qtd, 0u);
        EXPECT_EQ(resultado.pPtrs, nullptr);
    }
    EXPECT_EQ(Srv().BuscaPtrsDoc(QD_DOC_FILTRO_PS{}, nullptr), platform::E_POINTER);
}

// A failing read ends the search with its code and an empty result: a description that does not
// lie inside its file.
TEST_F(BuscaPtrsDoc, FailingReadEndsTheSearch) {
    (void)Doc(Com([](DadosDoc& d) { d.descricao = "nota"; }));
    const std::uint32_t danificado = Doc(Com([](DadosDoc& d) { d.descricao = "nota"; }));
    QD_DOC_ARQ arq = empresa_.Doc(danificado);
    arq.lPosDescricao = 1'000'000;
    GravaRegistro(empresa_.Bind(), arq, danificado);
    FiltroTeste filtro;
    filtro.descricao = "nota";
    CQDArrayPonteiros ponteiros;
    EXPECT_EQ(Conexao().BuscaPtrsDoc(filtro.Monta(), ponteiros), platform::HResultFromMessage(16021));
    EXPECT_EQ(ponteiros->qtd, 0u);
    EXPECT_EQ(ponteiros->pPtrs, nullptr);
    EXPECT_EQ(Busca({}).size(), 2u);  // without the description nothing reads it
}

// Without a session no file is opened anywhere: the record-file layer's "no directory".
TEST(BuscaPtrsDocSemSessao, AnswersNoDirectory) {
    TestEnvironment ambiente;
    Servidor srv;
    QD_ARRAY_PONTEIROS_PS resultado{};
    EXPECT_EQ(srv->BuscaPtrsDoc(QD_DOC_FILTRO_PS{}, &resultado), platform::HResultFromMessage(16179));
    EXPECT_EQ(resultado.qtd, 0u);
}

}  // namespace
