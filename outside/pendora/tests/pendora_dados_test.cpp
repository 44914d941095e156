// The data classes: who owns the server's arrays and texts, and that each is freed exactly once
// (the sanitizer build turns a double free, a use after free or a leak into a failure).
#include "outside/pendora/qd_array_ponteiros.h"
#include "outside/pendora/qd_doc.h"
#include "outside/pendora/qd_doc_filtro.h"
#include "outside/pendora/qd_loc_arq.h"
#include "outside/pendora/qd_loc_mascara.h"
#include "outside/pendora/qd_propriedades.h"
#include "outside/pendora/qd_tip_doc.h"
#include "server/idl/tests/support/record_values.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

using server::idl::testing::Clone;
using server::idl::testing::Equal;
using server::idl::testing::Fill;
using server::idl::testing::Free;
using server::idl::testing::IsZero;
using server::idl::testing::Random;

// Calls f(block of a, block of b) for every array and text slot of the record.
template <class R, class F>
void ParaCadaBloco(const R& a, const R& b, F f) {
    platform::idl::RecordTraits<R>::ForEachField([&](auto campo) {
        using Campo = decltype(campo);
        if constexpr (requires { Campo::kMemoryArray; }) {
            f(static_cast<const void*>(a.*Campo::kMemoryArray), static_cast<const void*>(b.*Campo::kMemoryArray));
        } else if constexpr (std::is_same_v<typename Campo::FieldKind, platform::idl::Str>) {
            f(static_cast<const void*>(a.*Campo::kMemory), static_cast<const void*>(b.*Campo::kMemory));
        }
    });
}

// True when no array or text of `a` is also one of `b`: a copy that shared one would free it
// twice.
template <class R>
bool SemMemoriaComum(const R& a, const R& b) {
    bool separados = true;
    ParaCadaBloco(a, b, [&](const void* pa, const void* pb) { separados = separados && (!pa || pa != pb); });
    return separados;
}

// True when every array and text of `a` is the very block of `b`.
template <class R>
bool MesmosBlocos(const R& a, const R& b) {
    bool mesmos = true;
    ParaCadaBloco(a, b, [&](const void* pa, const void* pb) { mesmos = mesmos && pa == pb; });
    return mesmos;
}

// A record as the server hands it out, filled at random (arrays null, empty or full; texts
// null, empty or not).
template <class R>
R DoServidor(unsigned semente) {
    Random random(semente);
    R registro;
    Fill(registro, random);
    return registro;
}

// Loads `objeto` with a record from the server and a position; returns a deep copy of what it
// then holds (for the mask the position is part of the record).
template <class Classe>
typename Classe::Registro Carrega(Classe& objeto, unsigned semente, std::uint32_t posicao) {
    auto registro = DoServidor<typename Classe::Registro>(semente);
    objeto.TakeOwnership(registro);
    objeto.SetPosicao(posicao);
    return Clone(objeto.GetPS());
}

template <class Classe>
class DataClass : public ::testing::Test {};

using Classes = ::testing::Types<CQDDoc, CQDTipDoc, CQDLocArq, CQDLocMascara, CQDPropriedades, CQDDocFiltro,
                                 CQDArrayPonteiros>;
TYPED_TEST_SUITE(DataClass, Classes);

// A new object is an empty record at position 0: nothing to free, nothing stored.
TYPED_TEST(DataClass, StartsEmptyAtPositionZero) {
    const TypeParam objeto;
    EXPECT_TRUE(IsZero(objeto.GetPS()));
    EXPECT_EQ(objeto.GetPosicao(), 0u);
}

// TakeOwnership keeps the server's very blocks and zeroes the caller's record, so neither side
// frees them twice.
TYPED_TEST(DataClass, TakeOwnershipKeepsTheBlocksAndZeroesTheSource) {
    for (unsigned semente = 1; semente <= 20; ++semente) {
        auto registro = DoServidor<typename TypeParam::Registro>(semente);
        auto esperado = Clone(registro);
        const auto original = registro;  // shallow: the same pointers
        TypeParam objeto;
        objeto.TakeOwnership(registro);
        EXPECT_TRUE(IsZero(registro));
        EXPECT_TRUE(MesmosBlocos(objeto.GetPS(), original));
        EXPECT_TRUE(Equal(objeto.GetPS(), esperado));
        Free(esperado);
    }
}

// A second TakeOwnership frees what the first brought (a leak otherwise) and holds the new one.
TYPED_TEST(DataClass, SecondTakeOwnershipReplacesAndFreesTheFirst) {
    auto primeiro = DoServidor<typename TypeParam::Registro>(3);
    auto segundo = DoServidor<typename TypeParam::Registro>(4);
    auto esperado = Clone(segundo);
    TypeParam objeto;
    objeto.TakeOwnership(primeiro);
    objeto.TakeOwnership(segundo);
    EXPECT_TRUE(Equal(objeto.GetPS(), esperado));
    Free(esperado);
}

// Taking over its own record must not free it first.
TYPED_TEST(DataClass, TakeOwnershipOfItsOwnRecordChangesNothing) {
    auto registro = DoServidor<typename TypeParam::Registro>(5);
    auto esperado = Clone(registro);
    TypeParam objeto;
    objeto.TakeOwnership(registro);
    objeto.TakeOwnership(objeto.GetPS());
    EXPECT_TRUE(Equal(objeto.GetPS(), esperado));
    Free(esperado);
}

// Limpa frees and empties, position included; a second Limpa has nothing left to free.
TYPED_TEST(DataClass, LimpaEmptiesRecordAndPosition) {
    auto registro = DoServidor<typename TypeParam::Registro>(6);
    TypeParam objeto;
    objeto.TakeOwnership(registro);
    objeto.SetPosicao(17);
    objeto.Limpa();
    EXPECT_TRUE(IsZero(objeto.GetPS()));
    EXPECT_EQ(objeto.GetPosicao(), 0u);
    objeto.Limpa();
    EXPECT_TRUE(IsZero(objeto.GetPS()));
}

// A copy owns blocks of its own with the same contents and position, and outlives the original.
TYPED_TEST(DataClass, CopyIsDeepAndOutlivesTheOriginal) {
    for (unsigned semente = 10; semente <= 30; ++semente) {
        auto original = std::make_unique<TypeParam>();
        auto esperado = Carrega(*original, semente, semente);
        TypeParam atribuida;
        atribuida = *original;
        const TypeParam construida(*original);
        EXPECT_TRUE(SemMemoriaComum(atribuida.GetPS(), original->GetPS()));
        EXPECT_TRUE(SemMemoriaComum(construida.GetPS(), original->GetPS()));
        original.reset();  // its blocks are freed; the copies must not need them
        for (const TypeParam* copia : {static_cast<const TypeParam*>(&atribuida), &construida}) {
            EXPECT_TRUE(Equal(copia->GetPS(), esperado));
            EXPECT_EQ(copia->GetPosicao(), semente);
        }
        Free(esperado);
    }
}

// Assigning an object to itself must not free what it is about to copy.
TYPED_TEST(DataClass, SelfAssignmentKeepsTheRecord) {
    TypeParam objeto;
    auto esperado = Carrega(objeto, 7, 9);
    TypeParam& mesmo = objeto;
    objeto = mesmo;
    EXPECT_TRUE(Equal(objeto.GetPS(), esperado));
    EXPECT_EQ(objeto.GetPosicao(), 9u);
    Free(esperado);
}

// A move hands the blocks over and leaves the source empty, so only one of them frees them.
TYPED_TEST(DataClass, MoveLeavesTheSourceEmpty) {
    TypeParam origem;
    auto esperado = Carrega(origem, 8, 4);
    TypeParam movido(std::move(origem));
    EXPECT_TRUE(IsZero(origem.GetPS()));
    EXPECT_EQ(origem.GetPosicao(), 0u);
    EXPECT_TRUE(Equal(movido.GetPS(), esperado));
    EXPECT_EQ(movido.GetPosicao(), 4u);

    auto outro = DoServidor<typename TypeParam::Registro>(9);
    TypeParam destino;
    destino.TakeOwnership(outro);  // freed by the move assignment below
    destino = std::move(movido);
    EXPECT_TRUE(IsZero(movido.GetPS()));
    EXPECT_TRUE(Equal(destino.GetPS(), esperado));
    Free(esperado);
}

// The position lives beside the record, except for the mask, whose record holds it.
TEST(DataClassPosition, MaskKeepsItsPositionInTheRecord) {
    CQDLocMascara mascara;
    mascara.SetPosicao(12);
    EXPECT_EQ(mascara->lPosicao, 12u);
    QD_LOCARQ_MSC_PS lido{};
    lido.lPosicao = 31;
    std::strcpy(lido.szCodigo, "1.22.333");
    mascara.TakeOwnership(lido);
    EXPECT_EQ(mascara.GetPosicao(), 31u);
    EXPECT_STREQ(mascara->szCodigo, "1.22.333");

    CQDDoc documento;
    documento.SetPosicao(12);
    EXPECT_TRUE(IsZero(documento.GetPS()));  // nothing of the record moved
    QD_DOC_PS vazio{};
    documento.TakeOwnership(vazio);
    EXPECT_EQ(documento.GetPosicao(), 12u);  // a record from the server does not carry it
}

// A null array, an empty one and a null text stay what they were through a copy.
TEST(DataClassCopy, NullAndEmptyStayApart) {
    QD_DOC_PS registro{};
    registro.nQtdUsuarios = 0;
    registro.pUsuarios = static_cast<std::uint16_t*>(platform::CoTaskMemAlloc(0));
    registro.nQtdCampos = 2;  // a count whose array was left out
    registro.pCampos = nullptr;
    registro.bsDescricao = platform::SysAllocStringLen(nullptr, 0);
    CQDDoc original;
    original.TakeOwnership(registro);
    const CQDDoc copia(original);
    EXPECT_NE(copia->pUsuarios, nullptr);
    EXPECT_EQ(copia->nQtdCampos, 2u);
    EXPECT_EQ(copia->pCampos, nullptr);
    ASSERT_NE(copia->bsDescricao, nullptr);
    EXPECT_EQ(platform::SysStringLen(copia->bsDescricao), 0u);
    EXPECT_EQ(copia->bsFiller, nullptr);
}

// Records whose elements own blocks of their own are copied all the way down.
TEST(DataClassCopy, NestedBlocksAreCopiedToo) {
    for (unsigned semente = 1; semente <= 30; ++semente) {
        auto lote = DoServidor<QD_BATCH_GRAVA_LOG_PS>(semente);
        QD_BATCH_GRAVA_LOG_PS copia{};
        pendora::detail::CopiaProfunda(lote, copia);
        EXPECT_TRUE(Equal(copia, lote));
        for (std::uint32_t i = 0; lote.pLogs && copia.pLogs && i < lote.qtd; ++i) {
            EXPECT_TRUE(SemMemoriaComum(copia.pLogs[i], lote.pLogs[i]));
        }
        Free(lote);
        Free(copia);
    }
}

}  // namespace
