// The pieces of the document search that need no files: field comparisons by data type, the
// pairing of field conditions, the record's own criteria, the documents never returned (branches,
// filter bits, expiry), today as a day count from 1950, and the order of scored results.
#include "outside/pendora/qd_campo_valor.h"
#include "outside/pendora/qd_token_mngr.h"
#include "platform/com/task_allocator.h"
#include "platform/tests/support/test_environment.h"
#include "server/search/qd_compara_campo.h"
#include "server/search/qd_condicoes_campos.h"
#include "server/search/qd_criterios_registro.h"
#include "server/search/qd_docs_pontuados.h"
#include "server/search/qd_exclusoes_doc.h"
#include "server/search/qd_hoje_1950.h"
#include "util/tests/time_test_clock.h"
#include "util/time/day_counts.h"
#include "util/time/short_date.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Valor {
    QD_VALOR_CAMPO bytes{};
};
Valor Word(std::uint16_t n) { Valor v; QDSetCampoWord(v.bytes, n); return v; }
Valor DWord(std::uint32_t n) { Valor v; QDSetCampoDWord(v.bytes, n); return v; }
Valor Long(std::int32_t n) { Valor v; QDSetCampoLong(v.bytes, n); return v; }
Valor Moeda(std::int64_t n) { Valor v; QDSetCampoMoeda(v.bytes, CyFromRaw(n)); return v; }
Valor Texto(const char* t) { Valor v; QDSetCampoTexto(v.bytes, t); return v; }
Valor Dia(int dia, int mes, int ano) { return Word(ZTMontaData(dia, mes, ano)); }

QD_DOC_CAMPO_PS Condicao(QD_E_CAMPO_DOC id, const Valor& v) {
    QD_DOC_CAMPO_PS c{};
    std::memcpy(c.BinaryData, v.bytes, sizeof c.BinaryData);
    c.id = id;
    return c;
}
QD_DOC_CAMPO_ARQ Campo(QD_E_CAMPO_DOC id, const Valor& v) {
    QD_DOC_CAMPO_ARQ c{};
    std::memcpy(c.BinaryData, v.bytes, sizeof c.BinaryData);
    c.id = id;
    return c;
}

// Each data type reads the value as its own width and sign: a comparison of the wrong width or
// sign (a signed count read unsigned, money compared by its low word) gives another answer.
TEST(QDComparaValorCampo, EachDataTypeComparesItsOwnWay) {
    struct Caso {
        const char* nome;
        QD_E_CAMPO_DOC id;
        Valor valor, inferior, superior;
        bool combina;
    };
    const Caso casos[] = {
        {"date inside", QD_CAMPO_LIVRE_DMA_0, Word(150), Word(100), Word(200), true},
        {"date at both ends", QD_CAMPO_LIVRE_DMA_0, Word(200), Word(100), Word(200), true},
        {"date above", QD_CAMPO_LIVRE_DMA_0, Word(201), Word(100), Word(200), false},
        // Dates compare the days their stored values mean: from 5 June 2027 on a day is stored as
        // 1, 2, ..., which compared raw fell before every earlier day and left June 2027 empty.
        {"4 June 2027 in June", QD_CAMPO_LIVRE_DMA_0, Dia(4, 6, 2027), Dia(1, 6, 2027), Dia(30, 6, 2027), true},
        {"5 June 2027 in June", QD_CAMPO_LIVRE_DMA_0, Dia(5, 6, 2027), Dia(1, 6, 2027), Dia(30, 6, 2027), true},
        {"1 July 2027 after June", QD_CAMPO_LIVRE_DMA_0, Dia(1, 7, 2027), Dia(1, 6, 2027), Dia(30, 6, 2027), false},
        {"31 May 2027 before June", QD_CAMPO_LIVRE_DMA_0, Dia(31, 5, 2027), Dia(1, 6, 2027), Dia(30, 6, 2027), false},
        {"2030 after 2026", QD_CAMPO_LIVRE_DMA_0, Dia(1, 1, 2030), Dia(1, 1, 2020), Dia(31, 12, 2026), false},
        {"1927 to 2106", QD_CAMPO_LIVRE_DMA_0, Dia(5, 6, 2106), Dia(1, 1, 1927), Dia(5, 6, 2106), true},
        // Month numbers and times are no day numbers: compared raw.
        {"month-year below", QD_CAMPO_LIVRE_MA_0, Word(99), Word(100), Word(200), false},
        {"month-year raw", QD_CAMPO_LIVRE_MA_0, Word(2), Word(1), Word(3), true},
        {"time", QD_CAMPO_GE_HORA_ENTREGA, Word(600), Word(480), Word(720), true},
        {"signed count below zero", QD_CAMPO_LIVRE_V0_0, Long(-5), Long(-10), Long(5), true},
        {"signed count: -20 is below -10", QD_CAMPO_LIVRE_V0_0, Long(-20), Long(-10), Long(5), false},
        {"hundredths", QD_CAMPO_LIVRE_V2_0, Long(-1), Long(-100), Long(0), true},
        {"code is unsigned", QD_CAMPO_CLIFOR_CODIGO, DWord(0x90000000u), DWord(1), DWord(0xA0000000u), true},
        {"number above", QD_CAMPO_NUM_NF, DWord(11), DWord(1), DWord(10), false},
        {"branch 16-bit", QD_CAMPO_FILIAL, Word(3), Word(3), Word(3), true},
        {"money inside", QD_CAMPO_VALOR_NF, Moeda(15000), Moeda(10000), Moeda(20000), true},
        {"money negative below", QD_CAMPO_VALOR_NF, Moeda(-30000), Moeda(-20000), Moeda(20000), false},
        {"money beyond 32 bits", QD_CAMPO_VALOR_NF, Moeda(0x100000000LL), Moeda(0), Moeda(0xFFFFFFFFLL), false},
        {"V8 64-bit", QD_CAMPO_LIVRE_V8_0, Moeda(5), Moeda(1), Moeda(9), true},
        {"unknown field id matches", static_cast<QD_E_CAMPO_DOC>(500), Word(9), Word(1), Word(2), true},
    };
    for (const Caso& caso : casos) {
        int pontos = 0;
        EXPECT_EQ(QDComparaValorCampo(caso.id, caso.valor.bytes, caso.inferior.bytes, caso.superior.bytes, nullptr, pontos),
                  caso.combina)
            << caso.nome;
        EXPECT_EQ(pontos, caso.combina ? 1 : 0) << caso.nome;
    }
}

// A text field scores the hits of the condition's words, not 1.
TEST(QDComparaValorCampo, TextScoresItsWordHits) {
    CQDTokenMngr palavras("nota");
    int pontos = 0;
    EXPECT_TRUE(QDComparaValorCampo(QD_CAMPO_LIVRE_TEXTO_0, Texto("Nota fiscal e nota de debito").bytes,
                                    Texto("nota").bytes, Texto("nota").bytes, &palavras, pontos));
    EXPECT_EQ(pontos, 2);
    EXPECT_FALSE(QDComparaValorCampo(QD_CAMPO_LIVRE_TEXTO_0, Texto("recibo").bytes, Texto("nota").bytes,
                                     Texto("nota").bytes, &palavras, pontos));
    EXPECT_EQ(pontos, 2);
}

// Two consecutive conditions with one id are a range worth 2; one alone asks for equality.
TEST(CQDCondicoesCampos, ConsecutiveSameIdFormARange) {
    const std::vector<QD_DOC_CAMPO_PS> faixa = {Condicao(QD_CAMPO_LIVRE_TEXTO_0, Texto("nota")),
                                                Condicao(QD_CAMPO_LIVRE_TEXTO_0, Texto("zzz"))};
    const std::vector<QD_DOC_CAMPO_ARQ> doc = {Campo(QD_CAMPO_LIVRE_TEXTO_0, Texto("nota fiscal"))};
    int pontos = 0;
    // Strict: the one value meets the range, worth both conditions.
    EXPECT_TRUE(CQDCondicoesCampos(faixa).Avalia(doc, false, pontos));

    const std::vector<QD_DOC_CAMPO_PS> numeros = {Condicao(QD_CAMPO_LIVRE_DMA_0, Word(100)),
                                                  Condicao(QD_CAMPO_LIVRE_DMA_0, Word(200))};
    CQDCondicoesCampos intervalo(numeros);
    EXPECT_TRUE(intervalo.Avalia(std::vector{Campo(QD_CAMPO_LIVRE_DMA_0, Word(150))}, false, pontos));
    EXPECT_FALSE(intervalo.Avalia(std::vector{Campo(QD_CAMPO_LIVRE_DMA_0, Word(250))}, false, pontos));

    CQDCondicoesCampos igualdade(std::vector{Condicao(QD_CAMPO_LIVRE_DMA_0, Word(150))});
    EXPECT_TRUE(igualdade.Avalia(std::vector{Campo(QD_CAMPO_LIVRE_DMA_0, Word(150))}, false, pontos));
    EXPECT_FALSE(igualdade.Avalia(std::vector{Campo(QD_CAMPO_LIVRE_DMA_0, Word(151))}, false, pontos));
}

// Strict: every condition must be met by some value; the scored mode never rejects and scores
// only what matched.
TEST(CQDCondicoesCampos, StrictNeedsEveryConditionScoredNeverRejects) {
    CQDCondicoesCampos duas(std::vector{Condicao(QD_CAMPO_LIVRE_DMA_0, Word(150)), Condicao(QD_CAMPO_NUM_NF, DWord(7))});
    const std::vector<QD_DOC_CAMPO_ARQ> soUma = {Campo(QD_CAMPO_LIVRE_DMA_0, Word(150))};
    const std::vector<QD_DOC_CAMPO_ARQ> ambas = {Campo(QD_CAMPO_NUM_NF, DWord(7)), Campo(QD_CAMPO_LIVRE_DMA_0, Word(150))};
    const std::vector<QD_DOC_CAMPO_ARQ> erradas = {Campo(QD_CAMPO_NUM_NF, DWord(8)), Campo(QD_CAMPO_LIVRE_DMA_0, Word(150))};
    int pontos = 0;
    EXPECT_FALSE(duas.Avalia(soUma, false, pontos));  // a condition without a value is unmet
    EXPECT_TRUE(duas.Avalia(ambas, false, pontos));
    EXPECT_FALSE(duas.Avalia(erradas, false, pontos));
    pontos = 0;
    EXPECT_TRUE(duas.Avalia(erradas, true, pontos));
    EXPECT_EQ(pontos, 1);
    pontos = 0;
    EXPECT_TRUE(duas.Avalia({}, true, pontos));
    EXPECT_EQ(pontos, 0);
}

QD_DOC_ARQ Registro(std::function<void(QD_DOC_ARQ&)> ajusta = {}) {
    QD_DOC_ARQ doc{};
    doc.iNrLocalizacao = 50;
    doc.dataInclusao = 1000;
    doc.dataModificacao = 2000;
    doc.iDataEmissao = 300;
    doc.iDataValidade = 400;
    doc.iUsuarioIncluiu = 3;
    doc.iUsuarioAlterou = 4;
    std::strcpy(doc.szOriginalFileName, "nota.pdf");
    if (ajusta) ajusta(doc);
    return doc;
}

// The record's criteria, each alone: met scores 1, missed rejects in the strict mode only.
TEST(CQDCriteriosRegistro, EachCriterionAlone) {
    struct Caso {
        const char* nome;
        std::function<void(QD_DOC_FILTRO_PS&)> define;
        bool atendido;
    };
    const Caso casos[] = {
        {"location number inside", [](QD_DOC_FILTRO_PS& f) { f.iNrLocalizacaoIni = 40; f.iNrLocalizacaoFim = 50; }, true},
        {"location number outside", [](QD_DOC_FILTRO_PS& f) { f.iNrLocalizacaoIni = 51; f.iNrLocalizacaoFim = 60; }, false},
        {"inclusion inside", [](QD_DOC_FILTRO_PS& f) { f.dataInclusaoIni = 1000; f.dataInclusaoFim = 1000; }, true},
        {"inclusion outside", [](QD_DOC_FILTRO_PS& f) { f.dataInclusaoIni = 1; f.dataInclusaoFim = 999; }, false},
        {"change inside", [](QD_DOC_FILTRO_PS& f) { f.dataModificacaoIni = 1500; f.dataModificacaoFim = 2500; }, true},
        {"issue outside", [](QD_DOC_FILTRO_PS& f) { f.iDataEmissaoIni = 301; f.iDataEmissaoFim = 302; }, false},
        {"validity inside", [](QD_DOC_FILTRO_PS& f) { f.iDataValidadeIni = 400; f.iDataValidadeFim = 401; }, true},
        {"including user", [](QD_DOC_FILTRO_PS& f) { f.iUsuarioIncluiu = 3; }, true},
        {"changing user", [](QD_DOC_FILTRO_PS& f) { f.iUsuarioAlterou = 4; }, true},
        {"other users", [](QD_DOC_FILTRO_PS& f) { f.iUsuarioIncluiu = 4; f.iUsuarioAlterou = 3; }, false},
        {"file-name pattern", [](QD_DOC_FILTRO_PS& f) { std::strcpy(f.szOriginalFileName, "*.PDF"); }, true},
        {"file-name pattern missed", [](QD_DOC_FILTRO_PS& f) { std::strcpy(f.szOriginalFileName, "*.doc"); }, false},
    };
    for (const Caso& caso : casos) {
        QD_DOC_FILTRO_PS filtro{};
        caso.define(filtro);
        const CQDCriteriosRegistro criterios(filtro);
        int pontos = 0;
        EXPECT_EQ(criterios.Avalia(Registro(), false, pontos), caso.atendido) << caso.nome;
        EXPECT_EQ(pontos, caso.atendido ? 1 : 0) << caso.nome;
        pontos = 0;
        EXPECT_TRUE(criterios.Avalia(Registro(), true, pontos)) << caso.nome;
        EXPECT_EQ(pontos, caso.atendido ? 1 : 0) << caso.nome;
    }
}

// Issue dates are compared as the days they mean and moments as unsigned seconds: a raw 16-bit
// issue range over June 2027 (65532..26) took nothing, and a signed inclusion range across 19
// January 2038 took nothing either. Validity dates are 1950 counts, compared as stored.
TEST(CQDCriteriosRegistro, IssueDaysAndMomentsKeepTheirOrderPastTheirOldEnds) {
    constexpr std::uint32_t k2038 = 0x80000000u;  // the first moment after 19 January 2038 03:14:07
    struct Caso {
        const char* nome;
        std::function<void(QD_DOC_FILTRO_PS&)> define;
        std::function<void(QD_DOC_ARQ&)> ajusta;
        bool atendido;
    };
    const auto junho2027 = [](QD_DOC_FILTRO_PS& f) {
        f.iDataEmissaoIni = ZTMontaData(1, 6, 2027);
        f.iDataEmissaoFim = ZTMontaData(30, 6, 2027);
    };
    const auto emitido = [](int dia, int mes, int ano) {
        return [=](QD_DOC_ARQ& d) { d.iDataEmissao = ZTMontaData(dia, mes, ano); };
    };
    const auto em2038 = [](QD_DOC_FILTRO_PS& f) {
        f.dataInclusaoIni = k2038 - 100;
        f.dataInclusaoFim = k2038 + 100;
    };
    const Caso casos[] = {
        {"issued 4 June 2027", junho2027, emitido(4, 6, 2027), true},
        {"issued 5 June 2027", junho2027, emitido(5, 6, 2027), true},
        {"issued 30 June 2027", junho2027, emitido(30, 6, 2027), true},
        {"issued 1 July 2027", junho2027, emitido(1, 7, 2027), false},
        {"issued 31 May 2027", junho2027, emitido(31, 5, 2027), false},
        {"no issue date", junho2027, emitido(0, 0, 0), false},
        {"included before 2038", em2038, [](QD_DOC_ARQ& d) { d.dataInclusao = k2038 - 1; }, true},
        {"included after 2038", em2038, [](QD_DOC_ARQ& d) { d.dataInclusao = k2038; }, true},
        {"included later", em2038, [](QD_DOC_ARQ& d) { d.dataInclusao = k2038 + 101; }, false},
        {"changed from 2020 to 2100",
         [](QD_DOC_FILTRO_PS& f) { f.dataModificacaoIni = 0x5E000000u; f.dataModificacaoFim = 0xF4000000u; },
         [](QD_DOC_ARQ& d) { d.dataModificacao = 0xC0000000u; }, true},
        {"validity counts stay raw",
         [](QD_DOC_FILTRO_PS& f) { f.iDataValidadeIni = 28000; f.iDataValidadeFim = 29000; },
         [](QD_DOC_ARQ& d) { d.iDataValidade = 28500; }, true},
    };
    for (const Caso& caso : casos) {
        QD_DOC_FILTRO_PS filtro{};
        caso.define(filtro);
        int pontos = 0;
        const bool passa = CQDCriteriosRegistro(filtro).Avalia(Registro(caso.ajusta), false, pontos);
        EXPECT_EQ(passa, caso.atendido) << caso.nome;
    }
}

// A filter by the changing user alone must not take documents whose including user is 0.
TEST(CQDCriteriosRegistro, AUserLeftZeroAsksNothing) {
    QD_DOC_FILTRO_PS filtro{};
    filtro.iUsuarioAlterou = 9;
    const CQDCriteriosRegistro criterios(filtro);
    int pontos = 0;
    EXPECT_FALSE(criterios.Avalia(Registro([](QD_DOC_ARQ& d) { d.iUsuarioIncluiu = 0; }), false, pontos));
    EXPECT_TRUE(criterios.Avalia(Registro([](QD_DOC_ARQ& d) { d.iUsuarioAlterou = 9; }), false, pontos));
}

// A filter of no criterion passes everything and scores nothing; a range whose start is 0 is
// not set, whatever its end; a file-name field filled to its last byte is read within it.
TEST(CQDCriteriosRegistro, UnsetCriteriaAndUnterminatedPattern) {
    QD_DOC_FILTRO_PS filtro{};
    filtro.iNrLocalizacaoFim = 1;
    filtro.iDataEmissaoFim = 1;
    int pontos = 0;
    EXPECT_TRUE(CQDCriteriosRegistro(filtro).Avalia(Registro(), false, pontos));
    EXPECT_EQ(pontos, 0);

    std::memset(filtro.szOriginalFileName, '*', sizeof filtro.szOriginalFileName);
    EXPECT_TRUE(CQDCriteriosRegistro(filtro).Avalia(Registro(), false, pontos));
    EXPECT_EQ(pontos, 1);
}

FILIAIS_ATIVAS Filiais(std::initializer_list<int> ativas) {
    FILIAIS_ATIVAS filiais{};
    for (const int f : ativas) filiais.bAtiva[f] = 1;
    return filiais;
}

// The documents a search never returns.
TEST(QDDocExcluidoDaBusca, DeletedBranchesAndFilterBits) {
    const FILIAIS_ATIVAS filiais = Filiais({1, 999});
    const std::int32_t hoje = 30000;
    struct Caso {
        const char* nome;
        std::function<void(QD_DOC_ARQ&)> ajusta;
        std::uint32_t dwFlags;
        bool excluido;
    };
    const Caso casos[] = {
        {"current web document under every bit", [](QD_DOC_ARQ& d) { d.dwFlags = QD_DOC_ACESSO_WEB; }, 0x1E, false},
        {"deleted", [](QD_DOC_ARQ& d) { d.dwFlags = QD_DOC_EXCLUIDO; }, 0, true},
        {"branch 0 belongs to none", [](QD_DOC_ARQ& d) { d.iFilial = 0; }, 0, false},
        {"active branch", [](QD_DOC_ARQ& d) { d.iFilial = 1; }, 0, false},
        {"inactive branch", [](QD_DOC_ARQ& d) { d.iFilial = 2; }, 0, true},
        {"last branch of the table", [](QD_DOC_ARQ& d) { d.iFilial = 999; }, 0, false},
        {"branch 1000 lies past the table", [](QD_DOC_ARQ& d) { d.iFilial = 1000; }, 0, true},
        {"branch 65535", [](QD_DOC_ARQ& d) { d.iFilial = 65535; }, 0, true},
        {"older version kept without 0x2", [](QD_DOC_ARQ& d) { d.lNextDoc = 9; }, 0, false},
        {"older version left out with 0x2", [](QD_DOC_ARQ& d) { d.lNextDoc = 9; }, 0x2, true},
        {"not web with 0x4", {}, 0x4, true},
        {"web with 0x4", [](QD_DOC_ARQ& d) { d.dwFlags = QD_DOC_ACESSO_WEB; }, 0x4, false},
        {"expired with 0x8", [](QD_DOC_ARQ& d) { d.iDataValidade = 29999; }, 0x8, true},
        {"expired without 0x8", [](QD_DOC_ARQ& d) { d.iDataValidade = 29999; }, 0, false},
        {"expiring today is not expired", [](QD_DOC_ARQ& d) { d.iDataValidade = 30000; }, 0x8, false},
        {"no validity is never expired", [](QD_DOC_ARQ& d) { d.iDataValidade = 0; }, 0x8, false},
        {"flag 0x8 with 0x10", [](QD_DOC_ARQ& d) { d.dwFlags = QD_DOC_ESTADO_EXTRA; }, 0x10, true},
        {"flag 0x8 without 0x10", [](QD_DOC_ARQ& d) { d.dwFlags = QD_DOC_ESTADO_EXTRA; }, 0, false},
    };
    for (const Caso& caso : casos) {
        QD_DOC_ARQ doc{};
        doc.iDataValidade = 30001;
        if (caso.ajusta) caso.ajusta(doc);
        EXPECT_EQ(QDDocExcluidoDaBusca(doc, caso.dwFlags, filiais, hoje), caso.excluido) << caso.nome;
    }
}

// Today counts days from 1950 by the clock's date, also past the last 16-bit short day number
// (4 June 2027), where a count taken from the short form would be 0 and expire nothing.
TEST(QDHojeDias1950, CountsFrom1950PastTheShortDates) {
    kelvo::testing::TestEnvironment ambiente;
    for (const auto& [ano, mes, dia] : {std::tuple{2026, 12, 9}, std::tuple{2030, 1, 15}, std::tuple{1950, 1, 1}}) {
        zt_time_test::RelogioFixado relogio(zt_time_test::Momento(ano, mes, dia, 12));
        std::int32_t hoje = -1;
        ASSERT_EQ(QDHojeDias1950(hoje), platform::S_OK);
        EXPECT_EQ(hoje, ZTCalculaDiasBase(dia, mes, ano, 1950)) << ano;
    }
    zt_time_test::RelogioFixado relogio(zt_time_test::Momento(1950, 1, 1, 12));
    std::int32_t hoje = -1;
    ASSERT_EQ(QDHojeDias1950(hoje), platform::S_OK);
    EXPECT_EQ(hoje, 1);
}

// Scores highest first, equal scores in ascending positions; the array holds the positions in
// that order.
TEST(QDDocsPontuados, OrderAndHandOut) {
    QDDocsPontuados lista = {{9, 1}, {3, 2}, {7, 1}, {1, 1}, {4, 2}, {2, 0}};
    QDOrdenaPorPontos(lista);
    QD_ARRAY_PONTEIROS_PS ps{};
    ps.qtd = 7;
    ASSERT_EQ(QDEntregaPontuados(lista, &ps), platform::S_OK);
    ASSERT_EQ(ps.qtd, 6u);
    EXPECT_EQ(std::vector<std::uint32_t>(ps.pPtrs, ps.pPtrs + ps.qtd), (std::vector<std::uint32_t>{3, 4, 1, 7, 9, 2}));
    platform::CoTaskMemFree(ps.pPtrs);
    ASSERT_EQ(QDEntregaPontuados({}, &ps), platform::S_OK);
    EXPECT_EQ(ps.qtd, 0u);
    EXPECT_EQ(ps.pPtrs, nullptr);

    int pontos = INT_MAX - 1;
    QDSomaPontos(pontos, 5);  // held at the maximum, never wrapped negative
    EXPECT_EQ(pontos, INT_MAX);
}

}  // namespace
