// Archive locations in a server object of this process, through the client library: writing
// with available places and accepted types, the stored bytes, reading, searching, the log
// entries, renaming a heading with everything under it, and deleting.
#include "server/locations/qd_le_locarq.h"
#include "server/tests/locations_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr HRESULT kAlemDoFim = platform::HResultFromMessage(16021);

using Locais = LocaisTeste;

// Overwrites field `offset` (4 bytes) of location `posicao` in QDLOCARQ.DAT, as damage would.
void DanificaLocal(const std::string& caminho, std::uint32_t posicao, std::size_t offset, std::uint32_t valor) {
    std::string bytes = ReadFile(caminho);
    bytes.replace(posicao * kTamanhoLocal + offset, 4, reinterpret_cast<const char*>(&valor), 4);
    WriteFile(caminho, bytes);
}

// A new location has its maximum available; a change counts the documents lying there: not the
// deleted one and not another location's, but also those of another user and of a branch the
// session has not active.
TEST_F(Locais, InsertGetsItsMaximumAndAChangeSubtractsTheDocumentsThere) {
    const std::uint32_t posicao = Grava("1.001", 0, 10);
    EXPECT_EQ(Le(posicao)->nQtdDisponivel, 10);

    GravaDocumentos(Arquivo("QDDOC.DAT"), {Documento(posicao), Documento(posicao, 0, 7, 9),
                                           Documento(posicao, QD_DOC_EXCLUIDO), Documento(posicao + 1),
                                           Documento(posicao, QD_DOC_ACESSO_WEB)});
    Grava(NovoLocal("1.001", 0, 10), posicao);
    EXPECT_EQ(Le(posicao)->nQtdDisponivel, 7);
    EXPECT_EQ(LocalGravado(Arquivo("QDLOCARQ.DAT"), posicao).nQtdDisponivel, 7);
}

// A save computes the maximum less the count as it is: without maximum that is negative.
TEST_F(Locais, ASaveWithoutMaximumShowsMinusTheDocumentCount) {
    const std::uint32_t posicao = Grava("1.002");
    GravaDocumentos(Arquivo("QDDOC.DAT"), {Documento(posicao), Documento(posicao)});
    Grava(NovoLocal("1.002"), posicao);
    EXPECT_EQ(Le(posicao)->nQtdDisponivel, -2);
}

// Every field lies at its offset; the client's available count is not taken; the types lie in
// QDLAQTPD.DAT as 8-byte records.
TEST_F(Locais, TheStoredRecordHasEveryFieldAtItsOffset) {
    Grava("1");
    CQDLocArq local = NovoLocal("1.001.002", 0x0101, 12, {5, 0x01020304}, "Arquivo morto");
    local->nQtdDisponivel = 999;
    const std::uint32_t posicao = Grava(local);
    ASSERT_EQ(posicao, 2u);

    const std::string bytes = RegistroBruto(Arquivo("QDLOCARQ.DAT"), posicao, kTamanhoLocal);
    ASSERT_EQ(bytes.size(), kTamanhoLocal);
    EXPECT_EQ(NumeroEm(bytes, 0, 4), 0x0101u);
    EXPECT_EQ(NumeroEm(bytes, 4, 4), 2u);
    EXPECT_EQ(NumeroEm(bytes, 8, 4), 1u) << "the first type record";
    EXPECT_EQ(NumeroEm(bytes, 12, 4), 12u);
    EXPECT_EQ(NumeroEm(bytes, 16, 4), 12u) << "a new location's places are its maximum";
    EXPECT_EQ(bytes.substr(20, 40), std::string("1.001.002") + std::string(31, '\0'));
    EXPECT_EQ(bytes.substr(60, 66), std::string("Arquivo morto") + std::string(53, '\0'));
    EXPECT_EQ(bytes.substr(126), std::string(34, '\0'));
    EXPECT_EQ(ReadFile(Arquivo("QDLOCARQ.DAT")).substr(0, kTamanhoLocal), std::string(kTamanhoLocal, '\0'));

    const std::string tipos = ReadFile(Arquivo("QDLAQTPD.DAT"));
    ASSERT_EQ(tipos.size(), 3u * 8);
    EXPECT_EQ(tipos.substr(0, 8), std::string(8, '\0'));
    EXPECT_EQ(NumeroEm(tipos, 8, 4), 5u);
    EXPECT_EQ(NumeroEm(tipos, 16, 4), 0x01020304u);
    EXPECT_EQ(NumeroEm(tipos, 12, 4), 0u);
    EXPECT_EQ(NumeroEm(tipos, 20, 4), 0u);
}

// Reading hands back the stored fields with the accepted types, or without them for flag 0x1.
TEST_F(Locais, ReadsTheFieldsWithTheTypesUnlessLeftOut) {
    const std::uint32_t posicao = Grava(NovoLocal("2.010", 0x1, 4, {8, 3, 8}, "Estante"));
    const CQDLocArq completo = Le(posicao);
    EXPECT_EQ(std::string(completo->szCodigo), "2.010");
    EXPECT_EQ(std::string(completo->szDescricao), "Estante");
    EXPECT_EQ(completo->dwFlags, 0x1u);
    EXPECT_EQ(completo->nQtdMaximaDocs, 4u);
    EXPECT_EQ(completo->nQtdDisponivel, 4);
    EXPECT_EQ(Tipos(completo), (std::vector<std::uint32_t>{8, 3, 8}));
    EXPECT_EQ(completo.GetPosicao(), posicao);

    const CQDLocArq semTipos = Le(posicao, QD_LE_LOCARQ_SEM_TIPOS);
    EXPECT_EQ(semTipos->nQtdTipDocs, 0u);
    EXPECT_EQ(semTipos->pPtrsTipDocs, nullptr);

    // A location without types still gets an (empty) array when the types are asked for.
    const CQDLocArq vazio = Le(Grava("2.011"));
    EXPECT_EQ(vazio->nQtdTipDocs, 0u);
    EXPECT_NE(vazio->pPtrsTipDocs, nullptr);
}

// Several positions in one call, in the caller's order; position 0 is the empty location.
TEST_F(Locais, ReadsSeveralInTheCallersOrder) {
    const std::uint32_t a = Grava("3.001");
    const std::uint32_t b = Grava("3.002");
    std::uint32_t posicoes[] = {b, 0, a};
    CQDLocArq lidos[3];
    ASSERT_EQ(conexao_.LeLocArq(3, posicoes, lidos, 0), platform::S_OK);
    EXPECT_EQ(std::string(lidos[0]->szCodigo), "3.002");
    EXPECT_EQ(std::string(lidos[1]->szCodigo), "");
    EXPECT_EQ(std::string(lidos[2]->szCodigo), "3.001");
}

// A position past the end fails the whole read and hands nothing out, even after good ones.
TEST_F(Locais, APositionPastTheEndFailsTheReadAndLeavesTheCallersRecords) {
    const std::uint32_t a = Grava("3.001", 0, 0, {4});
    std::uint32_t posicoes[] = {a, a + 1};
    QD_LOCARQ_PS lidos[2];
    std::memset(lidos, 0x5A, sizeof lidos);
    EXPECT_EQ(srv_->LeLocArq(2, posicoes, lidos, 0), kAlemDoFim);
    for (const QD_LOCARQ_PS& lido : lidos) {
        EXPECT_EQ(lido.dwFlags, 0x5A5A5A5Au) << "the caller's records stay as they were";
    }
    std::uint32_t muitoLonge = 0x80000001u;
    QD_LOCARQ_PS um{};
    EXPECT_EQ(srv_->LeLocArq(1, &muitoLonge, &um, 0), platform::HResultFromMessage(16012));
}

// A run of types that the file does not hold (a damaged count) is refused before any
// allocation; flag 0x1 does not look at it.
TEST_F(Locais, ADamagedTypeRunIsRefusedAndNotReadWhenLeftOut) {
    const std::uint32_t posicao = Grava("4.001", 0, 0, {1, 2});
    DanificaLocal(Arquivo("QDLOCARQ.DAT"), posicao, 4, 0x7FFFFFF0u);

    QD_LOCARQ_PS lido{};
    EXPECT_EQ(srv_->LeLocArq(1, &posicao, &lido, 0), kAlemDoFim);
    EXPECT_EQ(lido.pPtrsTipDocs, nullptr);
    EXPECT_EQ(Le(posicao, QD_LE_LOCARQ_SEM_TIPOS)->nQtdTipDocs, 0u);

    QD_LOCARQ_FILTRO_PS filtro{};
    filtro.dwFlags = 0x20;
    filtro.lTipDoc = 1;
    QD_ARRAY_PONTEIROS_PS ponteiros{};
    EXPECT_EQ(srv_->BuscaPtrsLocArq(filtro, &ponteiros), kAlemDoFim);
    EXPECT_EQ(ponteiros.pPtrs, nullptr);
}

// A longer type list moves to the end of QDLAQTPD.DAT, leaving the next location's run alone;
// a shorter one is written over the start of its run.
TEST_F(Locais, AGrowingTypeListMovesToTheEnd) {
    const std::uint32_t a = Grava("5.001", 0, 0, {11, 12});
    const std::uint32_t b = Grava("5.002", 0, 0, {21});
    EXPECT_EQ(LocalGravado(Arquivo("QDLOCARQ.DAT"), a).lPrimeiroTipDoc, 1u);
    EXPECT_EQ(LocalGravado(Arquivo("QDLOCARQ.DAT"), b).lPrimeiroTipDoc, 3u);

    Grava(NovoLocal("5.001", 0, 0, {11, 12, 13}), a);
    EXPECT_EQ(LocalGravado(Arquivo("QDLOCARQ.DAT"), a).lPrimeiroTipDoc, 4u);
    EXPECT_EQ(Tipos(Le(a)), (std::vector<std::uint32_t>{11, 12, 13}));
    EXPECT_EQ(Tipos(Le(b)), (std::vector<std::uint32_t>{21}));

    Grava(NovoLocal("5.001", 0, 0, {14}), a);
    EXPECT_EQ(LocalGravado(Arquivo("QDLOCARQ.DAT"), a).lPrimeiroTipDoc, 4u);
    EXPECT_EQ(LocalGravado(Arquivo("QDLOCARQ.DAT"), a).nQtdTipDocs, 1u);
    EXPECT_EQ(Tipos(Le(a)), (std::vector<std::uint32_t>{14}));
    EXPECT_EQ(ReadFile(Arquivo("QDLAQTPD.DAT")).size(), 7u * 8);

    // An emptied list writes nothing and keeps its first position; growing from nothing appends.
    Grava(NovoLocal("5.001"), a);
    EXPECT_TRUE(Tipos(Le(a)).empty());
    EXPECT_EQ(LocalGravado(Arquivo("QDLOCARQ.DAT"), a).lPrimeiroTipDoc, 4u);
    Grava(NovoLocal("5.001", 0, 0, {15}), a);
    EXPECT_EQ(LocalGravado(Arquivo("QDLOCARQ.DAT"), a).lPrimeiroTipDoc, 7u);
    EXPECT_EQ(Tipos(Le(b)), (std::vector<std::uint32_t>{21}));
}

// An insert logs one inclusion entry; a change a before and an after entry in one batch: the
// stored record with the new places and its types, then the new record and the new types.
TEST_F(Locais, LogsInclusionAndChangeWithRecordsAndTypes) {
    const std::uint32_t posicao = Grava(NovoLocal("6.001", 0, 5, {3, 4}));
    const QD_LOCARQ_ARQ inserido = LocalGravado(Arquivo("QDLOCARQ.DAT"), posicao);
    GravaDocumentos(Arquivo("QDDOC.DAT"), {Documento(posicao)});
    Grava(NovoLocal("6.001", 0, 8, {9}, "Outro"), posicao);
    const QD_LOCARQ_ARQ alterado = LocalGravado(Arquivo("QDLOCARQ.DAT"), posicao);
    EXPECT_EQ(alterado.nQtdDisponivel, 7);

    const std::vector<EntradaLog> log = EntradasLog(empresa_.Pasta());
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].operacao, QD_OP_LOG_LOCARQ_INCLUSAO);
    EXPECT_EQ(log[0].posicao, posicao);
    EXPECT_EQ(log[0].dados, BytesLocal(inserido));
    ASSERT_EQ(log[0].itens.size(), 1u);
    EXPECT_EQ(log[0].itens[0].first, QD_TYPE_LOG_TIPDOC);
    EXPECT_EQ(log[0].itens[0].second, BytesTipos({3, 4}));

    QD_LOCARQ_ARQ antes = inserido;
    antes.nQtdDisponivel = 7;  // the stored record carries the new count
    EXPECT_EQ(log[1].operacao, QD_OP_LOG_LOCARQ_ALTERACAO_DE);
    EXPECT_EQ(log[1].posicao, posicao);
    EXPECT_EQ(log[1].dados, BytesLocal(antes));
    ASSERT_EQ(log[1].itens.size(), 1u);
    EXPECT_EQ(log[1].itens[0].second, BytesTipos({3, 4}));
    EXPECT_EQ(log[2].operacao, QD_OP_LOG_LOCARQ_ALTERACAO_PARA);
    EXPECT_EQ(log[2].dados, BytesLocal(alterado));
    ASSERT_EQ(log[2].itens.size(), 1u);
    EXPECT_EQ(log[2].itens[0].second, BytesTipos({9}));

    // A location without types logs no item.
    const std::uint32_t semTipos = Grava("6.002");
    const std::vector<EntradaLog> depois = EntradasLog(empresa_.Pasta());
    ASSERT_EQ(depois.size(), 4u);
    EXPECT_EQ(depois[3].posicao, semTipos);
    EXPECT_TRUE(depois[3].itens.empty());
}

// Renaming heading 1.001 to 1.002 moves everything under it, at any depth, with its types; a
// code that merely begins with the same digits is not under it.
TEST_F(Locais, RenamingAHeadingMovesTheLocationsUnderIt) {
    const std::uint32_t grupo = Grava("1.001", 1);
    const std::uint32_t filho = Grava("1.001.001", 0, 3, {7, 8});
    const std::uint32_t neto = Grava("1.001.001.003", 0, 0, {9});
    const std::uint32_t vizinho = Grava("1.0010");
    const std::uint32_t outro = Grava("1.003.001");

    Grava(NovoLocal("1.002", 1), grupo);
    EXPECT_EQ(Codigo(grupo), "1.002");
    EXPECT_EQ(Codigo(filho), "1.002.001");
    EXPECT_EQ(Codigo(neto), "1.002.001.003");
    EXPECT_EQ(Codigo(vizinho), "1.0010");
    EXPECT_EQ(Codigo(outro), "1.003.001");
    EXPECT_EQ(Tipos(Le(filho)), (std::vector<std::uint32_t>{7, 8}));
    EXPECT_EQ(Tipos(Le(neto)), (std::vector<std::uint32_t>{9}));
    EXPECT_EQ(Le(filho)->nQtdMaximaDocs, 3u);
    EXPECT_EQ(std::string(Le(filho)->szDescricao), "Local");
}

struct CasoRenomeia {
    const char* grupo;
    const char* descendente;
    const char* novo;
    const char* esperado;
};

// A new code with another number of levels neither eats nor repeats the descendant's levels.
TEST_F(Locais, RenamingToAnotherLevelCountKeepsTheDescendantsOwnLevels) {
    const CasoRenomeia casos[] = {
        {"7.001", "7.001.005", "7.002.003", "7.002.003.005"},
        {"7.004.002", "7.004.002.005", "7.003", "7.003.005"},
        {"8", "8.001.002", "9.001", "9.001.001.002"},
    };
    for (const CasoRenomeia& caso : casos) {
        const std::uint32_t grupo = Grava(caso.grupo, 1);
        const std::uint32_t descendente = Grava(caso.descendente);
        Grava(NovoLocal(caso.novo, 1), grupo);
        EXPECT_EQ(Codigo(descendente), caso.esperado) << caso.grupo << " -> " << caso.novo;
    }
}

// A heading under a renamed heading is moved once, and its own locations once: each move logs
// exactly one before and one after entry, in batches of their own ahead of the heading's.
TEST_F(Locais, NestedHeadingsAreMovedOnceEach) {
    const std::uint32_t raiz = Grava("1", 1);
    const std::uint32_t sub = Grava("1.001", 1);
    const std::uint32_t folha = Grava("1.001.001");
    const std::size_t antes = EntradasLog(empresa_.Pasta()).size();

    Grava(NovoLocal("2", 1), raiz);
    EXPECT_EQ(Codigo(sub), "2.001");
    EXPECT_EQ(Codigo(folha), "2.001.001");

    const std::vector<EntradaLog> log = EntradasLog(empresa_.Pasta());
    ASSERT_EQ(log.size(), antes + 6);
    const std::pair<QD_E_OPERACAO_LOG, std::uint32_t> esperadas[] = {
        {QD_OP_LOG_LOCARQ_ALTERACAO_DE, sub},  {QD_OP_LOG_LOCARQ_ALTERACAO_PARA, sub},
        {QD_OP_LOG_LOCARQ_ALTERACAO_DE, folha}, {QD_OP_LOG_LOCARQ_ALTERACAO_PARA, folha},
        {QD_OP_LOG_LOCARQ_ALTERACAO_DE, raiz}, {QD_OP_LOG_LOCARQ_ALTERACAO_PARA, raiz},
    };
    for (std::size_t i = 0; i < std::size(esperadas); ++i) {
        EXPECT_EQ(log[antes + i].operacao, esperadas[i].first) << i;
        EXPECT_EQ(log[antes + i].posicao, esperadas[i].second) << i;
    }
    QD_LOCARQ_ARQ folhaAntes{};
    std::memcpy(&folhaAntes, log[antes + 2].dados.data(), sizeof folhaAntes);
    EXPECT_EQ(std::string(folhaAntes.szCodigo), "1.001.001");
    QD_LOCARQ_ARQ folhaDepois{};
    std::memcpy(&folhaDepois, log[antes + 3].dados.data(), sizeof folhaDepois);
    EXPECT_EQ(std::string(folhaDepois.szCodigo), "2.001.001");
}

// A moved code keeps at most 39 characters.
TEST_F(Locais, AMovedCodeIsCutToItsField) {
    const std::string longo = "1.001.002.003.004.005.006.007.008.009";  // 37 characters
    const std::uint32_t grupo = Grava("1", 1);
    const std::uint32_t descendente = Grava(longo.c_str());
    Grava(NovoLocal("1234", 1), grupo);
    const std::string esperado = ("1234" + longo.substr(1)).substr(0, 39);
    EXPECT_EQ(Codigo(descendente), esperado);
    EXPECT_EQ(LocalGravado(Arquivo("QDLOCARQ.DAT"), descendente).szCodigo[39], '\0');
}

// A descendant that cannot be moved ends the rename with its failure; the heading stays renamed
// and logged, and descendants moved before it stay moved.
TEST_F(Locais, AFailingDescendantEndsTheRenameButTheHeadingIsLogged) {
    const std::uint32_t grupo = Grava("1.001", 1);
    const std::uint32_t bom = Grava("1.001.001");
    const std::uint32_t danificado = Grava("1.001.002");
    DanificaLocal(Arquivo("QDLOCARQ.DAT"), danificado, 12, 0xFFFFFFFFu);  // a negative maximum
    const std::size_t antes = EntradasLog(empresa_.Pasta()).size();

    std::uint32_t posicao = grupo;
    EXPECT_EQ(conexao_.GravaLocArq(&posicao, NovoLocal("1.002", 1)), platform::E_INVALIDARG);
    EXPECT_EQ(Codigo(grupo), "1.002");
    EXPECT_EQ(Codigo(bom), "1.002.001");
    EXPECT_EQ(Codigo(danificado), "1.001.002");
    const std::vector<EntradaLog> log = EntradasLog(empresa_.Pasta());
    ASSERT_EQ(log.size(), antes + 4);
    EXPECT_EQ(log[antes].posicao, bom);
    EXPECT_EQ(log[antes + 2].operacao, QD_OP_LOG_LOCARQ_ALTERACAO_DE);
    EXPECT_EQ(log[antes + 2].posicao, grupo);
    EXPECT_EQ(log[antes + 3].operacao, QD_OP_LOG_LOCARQ_ALTERACAO_PARA);

    // A descendant whose type run is damaged cannot even be read: nothing under the heading moves.
    const std::uint32_t outro = Grava("2", 1);
    const std::uint32_t filho = Grava("2.001", 0, 0, {1});
    DanificaLocal(Arquivo("QDLOCARQ.DAT"), filho, 4, 0x10000u);
    posicao = outro;
    EXPECT_EQ(conexao_.GravaLocArq(&posicao, NovoLocal("3", 1)), kAlemDoFim);
    EXPECT_EQ(Codigo(outro), "3");
    EXPECT_EQ(Codigo(filho), "2.001");
    EXPECT_EQ(EntradasLog(empresa_.Pasta()).back().posicao, outro);
}

// Only a heading takes locations with it; the same code change of a plain location, or a heading
// that keeps its code, moves nothing.
TEST_F(Locais, APlainLocationOrAnUnchangedCodeMovesNothing) {
    const std::uint32_t simples = Grava("1.001");
    const std::uint32_t baixo = Grava("1.001.001");
    const std::uint32_t grupo = Grava("1.002", 1);
    const std::uint32_t baixoGrupo = Grava("1.002.001");
    const std::size_t antes = EntradasLog(empresa_.Pasta()).size();

    Grava(NovoLocal("1.009"), simples);
    Grava(NovoLocal("1.002", 1, 5), grupo);
    EXPECT_EQ(Codigo(baixo), "1.001.001");
    EXPECT_EQ(Codigo(baixoGrupo), "1.002.001");
    EXPECT_EQ(EntradasLog(empresa_.Pasta()).size(), antes + 4);
}

// What cannot be written is refused before anything is written.
TEST_F(Locais, RefusesBadArgumentsBeforeWriting) {
    const std::uint32_t posicao = Grava("1.001", 0, 0, {1});
    const std::string locais = ReadFile(Arquivo("QDLOCARQ.DAT"));
    const std::string tipos = ReadFile(Arquivo("QDLAQTPD.DAT"));
    const std::size_t entradas = EntradasLog(empresa_.Pasta()).size();

    QD_LOCARQ_PS ps{};
    std::strcpy(ps.szCodigo, "1.777");
    EXPECT_EQ(srv_->GravaLocArq(nullptr, ps), platform::E_POINTER);
    std::uint32_t alvo = posicao;
    ps.nQtdTipDocs = 3;  // a count without its array
    EXPECT_EQ(srv_->GravaLocArq(&alvo, ps), platform::E_INVALIDARG);
    ps.nQtdTipDocs = 0;
    ps.nQtdMaximaDocs = 0xFFFFFFF0u;  // would be stored as a negative maximum
    EXPECT_EQ(srv_->GravaLocArq(&alvo, ps), platform::E_INVALIDARG);
    alvo = 0;
    EXPECT_EQ(srv_->GravaLocArq(&alvo, ps), platform::E_INVALIDARG);
    EXPECT_EQ(alvo, 0u);

    EXPECT_EQ(ReadFile(Arquivo("QDLOCARQ.DAT")), locais);
    EXPECT_EQ(ReadFile(Arquivo("QDLAQTPD.DAT")), tipos);
    EXPECT_EQ(EntradasLog(empresa_.Pasta()).size(), entradas);

    EXPECT_EQ(srv_->LeLocArq(1, nullptr, &ps, 0), platform::E_POINTER);
    EXPECT_EQ(srv_->LeLocArq(1, &alvo, nullptr, 0), platform::E_POINTER);
    QD_LOCARQ_FILTRO_PS filtro{};
    EXPECT_EQ(srv_->BuscaPtrsLocArq(filtro, nullptr), platform::E_POINTER);
}

// Changing a position that holds no location fails and writes nothing.
TEST_F(Locais, ChangingAPositionPastTheEndFails) {
    Grava("1.001");
    const std::string antes = ReadFile(Arquivo("QDLOCARQ.DAT"));
    std::uint32_t posicao = 5;
    EXPECT_EQ(conexao_.GravaLocArq(&posicao, NovoLocal("1.005")), kAlemDoFim);
    EXPECT_EQ(posicao, 5u);
    EXPECT_EQ(ReadFile(Arquivo("QDLOCARQ.DAT")), antes);
}

// Deleting answers S_OK for any position and changes nothing at all.
TEST_F(Locais, DeletingChangesNothing) {
    const std::uint32_t posicao = Grava("1.001", 0, 3, {2});
    const std::string locais = ReadFile(Arquivo("QDLOCARQ.DAT"));
    const std::string tipos = ReadFile(Arquivo("QDLAQTPD.DAT"));
    const std::string log = ReadFile(Arquivo("QDLOG.DAT"));
    for (const std::uint32_t alvo : {posicao, 0u, 99u, 0xFFFFFFFFu}) EXPECT_EQ(conexao_.ExcluiLocArq(alvo), platform::S_OK);
    EXPECT_EQ(ReadFile(Arquivo("QDLOCARQ.DAT")), locais);
    EXPECT_EQ(ReadFile(Arquivo("QDLAQTPD.DAT")), tipos);
    EXPECT_EQ(ReadFile(Arquivo("QDLOG.DAT")), log);
    EXPECT_EQ(Codigo(posicao), "1.001");
}

// The search returns positions in file order, each bit narrowing it.
TEST_F(Locais, SearchKeepsFileOrderAndAppliesEveryBit) {
    const std::uint32_t g1 = Grava("1", 1);                   // 1
    const std::uint32_t a = Grava("1.001", 0, 0, {4});        // 2: no maximum
    const std::uint32_t g10 = Grava("10", 1);                 // 3
    const std::uint32_t b = Grava("10.001", 0, 2, {5, 6});    // 4
    const std::uint32_t c = Grava("1.001.001", 0, 1);         // 5
    const std::uint32_t d = Grava("1.0010", 0, 0);            // 6
    GravaDocumentos(Arquivo("QDDOC.DAT"), {Documento(a), Documento(a), Documento(a), Documento(c)});
    Grava(NovoLocal("1.001", 0, 0, {4}), a);  // no maximum, 3 documents: -3
    Grava(NovoLocal("1.001.001", 0, 1), c);   // full

    using V = std::vector<std::uint32_t>;
    EXPECT_EQ(Busca(0), (V{g1, a, g10, b, c, d}));
    EXPECT_EQ(Busca(0x40, "", 1), (V{g1, a, c, d}));
    EXPECT_EQ(Busca(0x40, "", 10), (V{g10, b}));
    EXPECT_EQ(Busca(0x04), (V{g1, g10}));
    EXPECT_EQ(Busca(0x08), (V{a, b, c, d}));
    EXPECT_EQ(Busca(0x01, "1.001"), (V{a}));
    EXPECT_EQ(Busca(0x03, "1.001"), (V{a, c, d}));
    EXPECT_EQ(Busca(0x03, "1.001."), (V{c}));
    EXPECT_EQ(Busca(0x10 | 0x08), (V{a, b, d})) << "no maximum keeps its place whatever its count";
    EXPECT_EQ(Busca(0x20, "", 0, 5), (V{g1, g10, b, c, d})) << "no types accepts every type";
    EXPECT_EQ(Busca(0x20, "", 0, 4), (V{g1, a, g10, c, d}));
    EXPECT_EQ(Busca(0x20, "", 0, 0), (V{g1, a, g10, b, c, d}));
    EXPECT_EQ(Busca(0x40 | 0x08 | 0x20, "", 1, 5), (V{c, d}));
    EXPECT_TRUE(Busca(0x04 | 0x08).empty());
}

}  // namespace
