// Whether a document filter sets a criterion of the search.
#include "outside/pendora/qd_doc_filtro.h"

#include "platform/com/bstr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

// A zeroed filter that frees the description it is given.
struct Filtro {
    QD_DOC_FILTRO_PS ps{};
    ~Filtro() { platform::SysFreeString(ps.bsDescricao); }
    void Descricao(const char* ansi) {
        platform::SysFreeString(ps.bsDescricao);
        ps.bsDescricao = platform::SysAllocStringFromAnsi(ansi);
    }
};

// Guards the empty filter.
TEST(CQDDocFiltro, ZeroedFilterIsEmpty) {
    Filtro f;
    EXPECT_TRUE(CQDDocFiltro::IsEmpty(f.ps));
    EXPECT_TRUE(CQDDocFiltro().IsEmpty());
}

// Guards every criterion that can score: each one alone makes the filter not empty.
TEST(CQDDocFiltro, EachCriterionAloneCounts) {
    std::uint32_t posicoes[] = {3};
    QD_DOC_CAMPO_PS campos[1] = {};
    const std::pair<const char*, std::function<void(QD_DOC_FILTRO_PS&)>> casos[] = {
        {"location number", [](QD_DOC_FILTRO_PS& p) { p.iNrLocalizacaoIni = 1; }},
        {"inclusion time", [](QD_DOC_FILTRO_PS& p) { p.dataInclusaoIni = 1; }},
        {"inclusion time after 2038", [](QD_DOC_FILTRO_PS& p) { p.dataInclusaoIni = 0x80000000u; }},
        {"change time", [](QD_DOC_FILTRO_PS& p) { p.dataModificacaoIni = 1; }},
        {"issue date", [](QD_DOC_FILTRO_PS& p) { p.iDataEmissaoIni = 28856; }},
        {"validity date", [](QD_DOC_FILTRO_PS& p) { p.iDataValidadeIni = 28856; }},
        {"including user", [](QD_DOC_FILTRO_PS& p) { p.iUsuarioIncluiu = 2; }},
        {"changing user", [](QD_DOC_FILTRO_PS& p) { p.iUsuarioAlterou = 2; }},
        {"file name", [](QD_DOC_FILTRO_PS& p) { std::strcpy(p.szOriginalFileName, "*.pdf"); }},
        {"types", [&](QD_DOC_FILTRO_PS& p) { p.nQtdTipDoc = 1; p.pTipDoc = posicoes; }},
        {"location", [](QD_DOC_FILTRO_PS& p) { p.lLocArq = 4; }},
        {"fields", [&](QD_DOC_FILTRO_PS& p) { p.nQtdCampos = 1; p.pCampos = campos; }},
    };
    for (const auto& [nome, ajusta] : casos) {
        Filtro f;
        ajusta(f.ps);
        EXPECT_FALSE(CQDDocFiltro::IsEmpty(f.ps)) << nome;
    }
}

// Guards what only narrows the scan: mode and exclusion bits, position range and list, and a
// range whose start is 0. Counting them would make a search in any mode drop every document.
TEST(CQDDocFiltro, ScanLimitsAndRangeEndsDoNotCount) {
    std::uint32_t posicoes[] = {3, 5};
    const std::pair<const char*, std::function<void(QD_DOC_FILTRO_PS&)>> casos[] = {
        {"any mode", [](QD_DOC_FILTRO_PS& p) { p.dwFlags = 0x1; }},
        {"exclusions", [](QD_DOC_FILTRO_PS& p) { p.dwFlags = 0x2 | 0x4 | 0x8 | 0x10; }},
        {"all bits", [](QD_DOC_FILTRO_PS& p) { p.dwFlags = 0xFFFFFFFF; }},
        {"position range", [](QD_DOC_FILTRO_PS& p) { p.lPosDocIni = 2; p.lPosDocFim = 9; }},
        {"position list", [&](QD_DOC_FILTRO_PS& p) { p.nQtdDoc = 2; p.pDoc = posicoes; }},
        {"location number end", [](QD_DOC_FILTRO_PS& p) { p.iNrLocalizacaoFim = 9; }},
        {"inclusion end", [](QD_DOC_FILTRO_PS& p) { p.dataInclusaoFim = 9; }},
        {"change end", [](QD_DOC_FILTRO_PS& p) { p.dataModificacaoFim = 9; }},
        {"issue end", [](QD_DOC_FILTRO_PS& p) { p.iDataEmissaoFim = 30000; }},
        {"validity end", [](QD_DOC_FILTRO_PS& p) { p.iDataValidadeFim = 30000; }},
    };
    for (const auto& [nome, ajusta] : casos) {
        Filtro f;
        ajusta(f.ps);
        EXPECT_TRUE(CQDDocFiltro::IsEmpty(f.ps)) << nome;
    }
}

// Guards the description: it counts only when it holds a search word.
TEST(CQDDocFiltro, DescriptionCountsWhenItHoldsAWord) {
    struct Caso { const char* texto; bool vazio; };
    const Caso casos[] = {
        {"", true}, {"   ", true}, {" \t ", true}, {"\"\"", true}, {"\"  \"", true},
        {"nota", false}, {"  x ", false}, {"\"nota fiscal\"", false}, {"a\xE7\xE3o", false},
    };
    for (const Caso& c : casos) {
        Filtro f;
        f.Descricao(c.texto);
        EXPECT_EQ(CQDDocFiltro::IsEmpty(f.ps), c.vazio) << c.texto;
    }
}

// Guards the member form: it asks about the object's own record.
TEST(CQDDocFiltro, MemberAsksAboutItsRecord) {
    CQDDocFiltro filtro;
    filtro->dwFlags = 0x1;
    EXPECT_TRUE(filtro.IsEmpty());
    filtro->bsDescricao = platform::SysAllocStringFromAnsi("contrato");  // the object frees it
    EXPECT_FALSE(filtro.IsEmpty());
    filtro.Limpa();
    EXPECT_TRUE(filtro.IsEmpty());
}

}  // namespace
