// ToStringLog of types, locations and documents: one line with every stored field, in
// Windows-1252, one mark per accepted type of a location, and a document's dates on their scales.
#include "outside/pendora/qd_descricao_campo.h"
#include "outside/pendora/qd_doc_log.h"
#include "outside/pendora/qd_loc_arq.h"
#include "outside/pendora/qd_nome_processo.h"
#include "outside/pendora/qd_tip_doc.h"
#include "platform/text/codepage.h"
#include "platform/com/task_allocator.h"
#include "util/time/day_counts.h"
#include "util/time/short_date.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using platform::AnsiFromUtf8;

// A list in the form the server hands out, owned by the record it is put into.
template <class E>
E* Lista(const std::vector<E>& itens) {
    auto* bloco = static_cast<E*>(platform::CoTaskMemAlloc(itens.size() * sizeof(E)));
    std::copy(itens.begin(), itens.end(), bloco);
    return bloco;
}

QD_TIPDOC_CAMPO_PS Campo(std::uint32_t dwFlags, int id, const char* nome) {
    QD_TIPDOC_CAMPO_PS campo{};
    campo.dwFlags = dwFlags;
    campo.id = static_cast<QD_E_CAMPO_DOC>(id);
    std::snprintf(campo.szNome, sizeof campo.szNome, "%s", nome);
    return campo;
}

// An analytic type with two users, two processes and two search fields.
void PreencheTipo(CQDTipDoc& tipo) {
    std::snprintf(tipo->szCodigo, sizeof tipo->szCodigo, "01.001");
    std::snprintf(tipo->szNome, sizeof tipo->szNome, "%s", AnsiFromUtf8("Notas de compra à vista").c_str());
    tipo->eValidade = QD_TIPDOC_VALIDADE_MES;
    tipo->iValorValidade = 5;
    tipo->iDiasEnviarEmail = 12;
    tipo->nQtdUsuarios = 2;
    tipo->pUsuarios = Lista<std::uint16_t>({3, 417});
    tipo->nQtdProcessos = 2;
    tipo->pProcessos = Lista<QD_E_PROCESSO>({QD_PROCESSO_FN_CRE_LANC, QD_PROCESSO_CQ_ART});
    tipo->nQtdCampos = 2;
    tipo->pCampos =
        Lista<QD_TIPDOC_CAMPO_PS>({Campo(0x1, QD_CAMPO_LIVRE_DMA_0 + 2, ""), Campo(0, QD_CAMPO_NUM_NF, "Nota")});
}

// Where `parte` begins in `texto`; npos when absent.
std::size_t Onde(const std::string& texto, const std::string& parte) { return texto.find(parte); }

// Every field of the type is in the line: code, name, kind, validity with its unit, e-mail days,
// users, and the processes and fields in list order, a nameless field by its description and a
// required one marked.
TEST(CQDTipDoc, ToStringLogHoldsEveryField) {
    CQDTipDoc tipo;
    PreencheTipo(tipo);
    const std::string texto = tipo.ToStringLog().str();

    for (const std::string& parte :
         {std::string("01.001"), AnsiFromUtf8("Notas de compra à vista"), AnsiFromUtf8("Analítica"),
          std::string("5 Meses"), std::string("12"), std::string("3, 417"), std::string("Nota")}) {
        EXPECT_NE(Onde(texto, parte), std::string::npos) << parte << " in " << texto;
    }
    const std::size_t processo1 = Onde(texto, QDGetNomeProcesso(QD_PROCESSO_FN_CRE_LANC));
    const std::size_t processo2 = Onde(texto, QDGetNomeProcesso(QD_PROCESSO_CQ_ART));
    ASSERT_NE(processo1, std::string::npos);
    ASSERT_NE(processo2, std::string::npos);
    EXPECT_LT(processo1, processo2);
    const std::string semNome =
        std::string(QDGetDescricaoCampo(static_cast<QD_E_CAMPO_DOC>(QD_CAMPO_LIVRE_DMA_0 + 2))) +
        AnsiFromUtf8(" (obrigatório)");
    EXPECT_NE(Onde(texto, semNome), std::string::npos) << texto;
    EXPECT_EQ(Onde(texto, AnsiFromUtf8("Nota (obrigatório)")), std::string::npos);  // not required
    EXPECT_EQ(texto.find_first_of("\r\n"), std::string::npos);
}

// The group bit decides the kind, and no other bit does.
TEST(CQDTipDoc, ToStringLogNamesTheKindByTheGroupBit) {
    CQDTipDoc tipo;
    tipo->dwFlags = 0x1;
    EXPECT_NE(Onde(tipo.ToStringLog().str(), "Grupo"), std::string::npos);
    EXPECT_EQ(Onde(tipo.ToStringLog().str(), AnsiFromUtf8("Analítica")), std::string::npos);
    tipo->dwFlags = 0x2;
    EXPECT_NE(Onde(tipo.ToStringLog().str(), AnsiFromUtf8("Analítica")), std::string::npos);
    EXPECT_EQ(Onde(tipo.ToStringLog().str(), "Grupo"), std::string::npos);
}

// A code field filled to its end without a NUL is read to the field's end only: the name that
// follows it in the record does not leak into the code.
TEST(CQDTipDoc, ToStringLogStopsAtTheFieldsEnd) {
    CQDTipDoc tipo;
    std::memset(tipo->szCodigo, 'X', sizeof tipo->szCodigo);
    std::snprintf(tipo->szNome, sizeof tipo->szNome, "Depois");
    const std::string texto = tipo.ToStringLog().str();
    const std::string codigo(sizeof tipo->szCodigo, 'X');
    EXPECT_NE(Onde(texto, codigo + ";"), std::string::npos) << texto;
    EXPECT_EQ(Onde(texto, codigo + "Depois"), std::string::npos) << texto;
}

// Lists that were not read, and values no table knows, still give a whole line: an unknown
// process or unit shows its number.
TEST(CQDTipDoc, ToStringLogSurvivesMissingListsAndUnknownValues) {
    CQDTipDoc tipo;
    tipo->nQtdUsuarios = 4;  // a count without its array
    tipo->nQtdProcessos = 1;
    tipo->pProcessos = Lista<QD_E_PROCESSO>({static_cast<QD_E_PROCESSO>(77)});
    tipo->eValidade = static_cast<QD_E_TIPDOC_VALIDADE>(9);
    tipo->iValorValidade = 2;
    const std::string texto = tipo.ToStringLog().str();
    EXPECT_NE(Onde(texto, "77"), std::string::npos) << texto;
    EXPECT_NE(Onde(texto, "2 9"), std::string::npos) << texto;
}

// A location with three accepted types.
void PreencheLocal(CQDLocArq& local) {
    local->dwFlags = 0;
    std::snprintf(local->szCodigo, sizeof local->szCodigo, "1.001.002");
    std::snprintf(local->szDescricao, sizeof local->szDescricao, "%s", AnsiFromUtf8("Arquivo do depósito").c_str());
    local->nQtdMaximaDocs = 10;
    local->nQtdDisponivel = -2;
    local->nQtdTipDocs = 3;
    local->pPtrsTipDocs = Lista<std::uint32_t>({7, 2, 9});
}

// Every field of the location is in the line, and one 0x01 per accepted type.
TEST(CQDLocArq, ToStringLogHoldsEveryFieldAndOneMarkPerType) {
    CQDLocArq local;
    PreencheLocal(local);
    const std::string texto = local.ToStringLog().str();
    for (const std::string& parte : {std::string("1.001.002"), AnsiFromUtf8("Arquivo do depósito"),
                                     AnsiFromUtf8("Analítica"), std::string("10"), std::string("-2")}) {
        EXPECT_NE(Onde(texto, parte), std::string::npos) << parte << " in " << texto;
    }
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\x01'), 3);
    EXPECT_EQ(texto.find_first_of("\r\n"), std::string::npos);

    local->dwFlags = 0x1;
    EXPECT_NE(Onde(local.ToStringLog().str(), "Grupo"), std::string::npos);
}

// The marks are the report's alone: a 0x01 inside the record's own texts would pair a type with
// the wrong place, so it does not reach the line; a list that was not read gives no mark.
TEST(CQDLocArq, ToStringLogMarksOnlyTheTypes) {
    CQDLocArq local;
    PreencheLocal(local);
    local->szDescricao[0] = '\x01';
    local->szCodigo[1] = '\x01';
    std::string texto = local.ToStringLog().str();
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\x01'), 3) << texto;

    CQDLocArq semTipos;
    PreencheLocal(semTipos);
    semTipos.Limpa();
    semTipos->nQtdTipDocs = 2;  // counted but not read
    texto = semTipos.ToStringLog().str();
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\x01'), 0) << texto;
}

// A document's validity date is a day count from 1950 and its issue date a short day number;
// reading the validity as a short number showed 31/12/2026 as 30/12/1924.
TEST(QDDocToStringLog, ValidityIsADayCountFrom1950) {
    struct Caso {
        std::uint16_t validade;
        const char* texto;
    };
    const Caso casos[] = {
        {static_cast<std::uint16_t>(ZTCalculaDiasBase(31, 12, 2026, 1950)), "Validade: 31/12/2026; "},
        {1, "Validade: 01/01/1950; "},  // the first day of the scale
        {0, "Validade: ; "},            // no expiry: no date, not the scale's day 0
    };
    CConexaoPlano plano;
    for (const Caso& c : casos) {
        CQDDoc doc;
        doc->iDataEmissao = ZTMontaData(10, 2, 2024);
        doc->iDataValidade = c.validade;
        const std::string texto = QDDocToStringLog(doc, plano).str();
        EXPECT_NE(Onde(texto, c.texto), std::string::npos) << texto;
        EXPECT_NE(Onde(texto, AnsiFromUtf8("Emissão: 10/02/2024; ")), std::string::npos) << texto;
    }
}

// The issue date is a stored short day: from 5 June 2027 on it is stored as 1, 2, ..., which read
// as a raw day number printed as 1848 or nothing.
TEST(QDDocToStringLog, IssueDatePrintsTheDayItMeans) {
    struct Caso {
        std::uint16_t emissao;
        const char* texto;
    };
    const Caso casos[] = {
        {ZTMontaData(4, 6, 2027), "Emissão: 04/06/2027; "},
        {ZTMontaData(5, 6, 2027), "Emissão: 05/06/2027; "},
        {ZTMontaData(1, 3, 2040), "Emissão: 01/03/2040; "},
        {0, "Emissão: ; "},
    };
    CConexaoPlano plano;
    for (const Caso& c : casos) {
        CQDDoc doc;
        doc->iDataEmissao = c.emissao;
        const std::string texto = QDDocToStringLog(doc, plano).str();
        EXPECT_NE(Onde(texto, AnsiFromUtf8(c.texto)), std::string::npos) << texto;
    }
}

}  // namespace
