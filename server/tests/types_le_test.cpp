// Reading document types: the lists asked for and left out, deleted types, and positions or stored
// runs that do not exist.
#include "server/tests/types_test_support.h"

#include "server/types/qd_le_tipdoc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr HRESULT kFimArquivo = platform::HResultFromMessage(16021);

using LeTipDoc = TiposTeste;

const TipoTeste kContratos{"0301", "Contratos", 0, {2, 4, 6}, {QD_PROCESSO_GE_CONTRATOS},
                           {{0, QD_CAMPO_GE_NUM_CONTRATO, "Contrato"}, {1, QD_CAMPO_GE_CLIENTE_CONTRATO, "Cliente"}}};

}  // namespace

// dwFlags 0 hands out the three lists; each left-out list comes back with count 0 and no array,
// and 0x7 gives the bare record.
TEST_F(LeTipDoc, FlagsLeaveOutTheirListsOnly) {
    const std::uint32_t posicao = Insere(kContratos);
    struct Caso {
        std::uint32_t dwFlags;
        bool usuarios, processos, campos;
    };
    const Caso casos[] = {{0, true, true, true},  {0x1, false, true, true}, {0x2, true, false, true},
                          {0x4, true, true, false}, {0x6, true, false, false}, {0x7, false, false, false}};
    for (const Caso& caso : casos) {
        const CQDTipDoc tipo = Le(posicao, caso.dwFlags);
        const QD_TIPDOC_PS& ps = tipo.GetPS();
        EXPECT_STREQ(ps.szCodigo, "0301") << caso.dwFlags;
        EXPECT_STREQ(ps.szNome, "Contratos") << caso.dwFlags;
        EXPECT_EQ(ps.eValidade, QD_TIPDOC_VALIDADE_MES);
        EXPECT_EQ(ps.iValorValidade, 6);
        EXPECT_EQ(ps.iDiasEnviarEmail, 10);
        EXPECT_EQ(ps.nQtdUsuarios, caso.usuarios ? 3u : 0u) << caso.dwFlags;
        EXPECT_EQ(ps.pUsuarios != nullptr, caso.usuarios) << caso.dwFlags;
        EXPECT_EQ(ps.nQtdProcessos, caso.processos ? 1u : 0u) << caso.dwFlags;
        EXPECT_EQ(ps.pProcessos != nullptr, caso.processos) << caso.dwFlags;
        EXPECT_EQ(ps.nQtdCampos, caso.campos ? 2u : 0u) << caso.dwFlags;
        EXPECT_EQ(ps.pCampos != nullptr, caso.campos) << caso.dwFlags;
        if (caso.usuarios) {
            EXPECT_EQ(Usuarios(ps), kContratos.usuarios);
        }
        if (caso.processos) {
            EXPECT_EQ(Processos(ps), kContratos.processos);
        }
        if (caso.campos) {
            EXPECT_EQ(NomesCampos(ps), (std::vector<std::string>{"Contrato", "Cliente"}));
            EXPECT_EQ(ps.pCampos[1].id, QD_CAMPO_GE_CLIENTE_CONTRATO);
            EXPECT_EQ(ps.pCampos[1].dwFlags, 1u);
        }
    }
}

// An empty list that is asked for still comes in an array (of no elements), so a caller can tell
// "read, empty" from "left out".
TEST_F(LeTipDoc, EmptyListAskedForStillGetsAnArray) {
    const std::uint32_t posicao = Insere({"01", "Grupo", QD_TIPDOC_GRUPO, {}, {}, {}});
    const CQDTipDoc tipo = Le(posicao, 0);
    EXPECT_EQ(tipo->nQtdUsuarios, 0u);
    EXPECT_NE(tipo->pUsuarios, nullptr);
    EXPECT_NE(tipo->pProcessos, nullptr);
    EXPECT_NE(tipo->pCampos, nullptr);
    EXPECT_EQ(tipo->dwFlags, QD_TIPDOC_GRUPO);
}

// The files of left-out lists are not even opened: on a new company they are not created.
TEST_F(LeTipDoc, LeftOutListFilesAreNotOpened) {
    // The type is written raw, so that only the type file exists.
    WriteFile(Arquivo("QDTPD.DAT"), std::string(256, '\0'));
    ASSERT_FALSE(std::filesystem::exists(Arquivo("QDTPDUSU.DAT")));
    const CQDTipDoc tipo = Le(1, 0x7);
    EXPECT_EQ(tipo->nQtdUsuarios, 0u);
    for (const char* nome : {"QDTPDUSU.DAT", "QDTPDPRC.DAT", "QDTPDCMP.DAT"}) {
        EXPECT_FALSE(std::filesystem::exists(Arquivo(nome))) << nome;
    }
    (void)Le(1, 0x5);
    EXPECT_TRUE(std::filesystem::exists(Arquivo("QDTPDPRC.DAT")));
    EXPECT_FALSE(std::filesystem::exists(Arquivo("QDTPDUSU.DAT")));
}

// Several positions in one call, in the caller's order; a deleted type is read like any other,
// with its flag.
TEST_F(LeTipDoc, SeveralPositionsInTheCallersOrderDeletedIncluded) {
    const std::uint32_t a = Insere({"01", "A", 0, {1}, {}, {}});
    const std::uint32_t b = Insere({"02", "B", 0, {}, {QD_PROCESSO_CQ_DOC}, {}});
    ASSERT_EQ(conexao_.ExcluiTipDoc(a), platform::S_OK);
    const std::uint32_t posicoes[] = {b, a, b};
    CQDTipDoc tipos[3];
    ASSERT_EQ(conexao_.LeTipDoc(3, posicoes, tipos, 0), platform::S_OK);
    EXPECT_STREQ(tipos[0]->szCodigo, "02");
    EXPECT_STREQ(tipos[1]->szCodigo, "01");
    EXPECT_EQ(tipos[1]->dwFlags, QD_TIPDOC_EXCLUIDO);
    EXPECT_EQ(Usuarios(tipos[1].GetPS()), (std::vector<std::uint16_t>{1}));
    EXPECT_EQ(Processos(tipos[2].GetPS()), (std::vector<QD_E_PROCESSO>{QD_PROCESSO_CQ_DOC}));
}

// Position 0 (the file's header), a position past the end and a stored run beyond its file each
// fail with the layer's 16021, and the caller gets no half-filled records.
TEST_F(LeTipDoc, MissingPositionsAndDamagedRunsFailWithNothingHandedOut) {
    const std::uint32_t a = Insere(kContratos);
    const std::uint32_t b = Insere({"02", "B", 0, {5}, {}, {}});
    QD_TIPDOC_ARQ danificado = TipoGravado(Pasta(), b);
    danificado.lPrimeiroUsuario = 500;
    std::string tipos = ReadFile(Arquivo("QDTPD.DAT"));
    tipos.replace(b * 128, 128, BytesDe(danificado));
    WriteFile(Arquivo("QDTPD.DAT"), tipos);

    for (const std::uint32_t ruim : {0u, 3u, 0xFFFFFFFFu, b}) {
        const std::uint32_t posicoes[] = {a, ruim, a};
        QD_TIPDOC_PS ps[3];
        std::memset(ps, 0xAB, sizeof ps);  // [out]: whatever the caller had is ignored, never freed
        EXPECT_EQ(srv_->LeTipDoc(3, posicoes, ps, 0), kFimArquivo) << ruim;
        for (const QD_TIPDOC_PS& p : ps) {
            EXPECT_EQ(p.pUsuarios, nullptr) << ruim;
            EXPECT_EQ(p.pProcessos, nullptr) << ruim;
            EXPECT_EQ(p.pCampos, nullptr) << ruim;
            EXPECT_EQ(p.nQtdUsuarios, 0u) << ruim;
        }
    }
    // Through the wire form's client the same call fails the same way.
    const std::uint32_t posicoes[] = {a, 0};
    CQDTipDoc lidos[2];
    EXPECT_EQ(conexao_.LeTipDoc(2, posicoes, lidos, 0), kFimArquivo);
}

// A null array with a count is refused; a count of 0 reads nothing.
TEST_F(LeTipDoc, NullArraysAreRefusedAndZeroReadsNothing) {
    const std::uint32_t posicao = Insere(kContratos);
    QD_TIPDOC_PS ps{};
    EXPECT_EQ(QDLeTipDoc(*srv_, 1, nullptr, &ps, 0), platform::E_POINTER);
    EXPECT_EQ(QDLeTipDoc(*srv_, 1, &posicao, nullptr, 0), platform::E_POINTER);
    EXPECT_EQ(QDLeTipDoc(*srv_, 0, nullptr, nullptr, 0), platform::S_OK);
}
