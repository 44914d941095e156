// Conversions between the stored document and the interface record: what travels each way and
// what stays the server's.
#include "server/document/qd_doc_conversao.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A stored record whose every byte differs, so that a field taken from the wrong place shows.
QD_DOC_ARQ Padrao() {
    QD_DOC_ARQ arq;
    auto* bytes = reinterpret_cast<unsigned char*>(&arq);
    for (std::size_t i = 0; i < sizeof arq; ++i) bytes[i] = static_cast<unsigned char>(i * 13 + 1);
    std::strcpy(arq.szOriginalFileName, "c:\\x\\scan.TIF");
    return arq;
}

// To the client every field the record carries goes to its place; the rest of the interface
// record, pointers included, is zero.
TEST(DocConversao, ToTheClient) {
    const QD_DOC_ARQ arq = Padrao();
    QD_DOC_PS ps;
    std::memset(&ps, 0xCD, sizeof ps);
    QDDocParaPS(arq, ps);
    EXPECT_EQ(ps.dwFlags, arq.dwFlags);
    EXPECT_EQ(ps.lTipDoc, arq.lTipDoc);
    EXPECT_EQ(ps.lLocArq, arq.lLocArq);
    EXPECT_EQ(ps.lNextDoc, arq.lNextDoc);
    EXPECT_EQ(ps.lPrevDoc, arq.lPrevDoc);
    EXPECT_EQ(ps.iNrLocalizacao, arq.iNrLocalizacao);
    EXPECT_EQ(ps.iVersao, arq.iVersao);
    EXPECT_EQ(ps.dataInclusao, arq.dataInclusao);
    EXPECT_EQ(ps.dataModificacao, arq.dataModificacao);
    EXPECT_EQ(ps.nQtdUsuarios, arq.nQtdUsuarios);
    EXPECT_EQ(ps.nQtdCampos, arq.nQtdCampos);
    EXPECT_EQ(ps.iDataEmissao, arq.iDataEmissao);
    EXPECT_EQ(ps.iDataValidade, arq.iDataValidade);
    EXPECT_EQ(ps.iFilial, arq.iFilial);
    EXPECT_STREQ(ps.szOriginalFileName, "c:\\x\\scan.TIF");
    EXPECT_EQ(ps.iUsuarioIncluiu, arq.iUsuarioIncluiu);
    EXPECT_EQ(ps.iUsuarioAlterou, arq.iUsuarioAlterou);
    EXPECT_EQ(ps.iFiller, 0u);
    EXPECT_EQ(ps.pUsuarios, nullptr);
    EXPECT_EQ(ps.pCampos, nullptr);
    EXPECT_EQ(ps.nQtdVinculos, 0u);
    EXPECT_EQ(ps.pVinculos, nullptr);
    EXPECT_EQ(ps.cbArquivo, 0u);
    EXPECT_EQ(ps.pArquivo, nullptr);
    EXPECT_EQ(ps.bsDescricao, nullptr);
    EXPECT_EQ(ps.bsFiller, nullptr);
    EXPECT_EQ(ps.iFiller2, 0);
    EXPECT_EQ(std::string(ps.szOriginalFileName + 14, 160), std::string(160, '\0'));
}

// A stored name without its terminator is cut to 173 characters for the client.
TEST(DocConversao, UnterminatedStoredNameIsCut) {
    QD_DOC_ARQ arq = Padrao();
    std::memset(arq.szOriginalFileName, 'n', sizeof arq.szOriginalFileName);
    QD_DOC_PS ps{};
    QDDocParaPS(arq, ps);
    EXPECT_EQ(std::string(ps.szOriginalFileName, 174), std::string(173, 'n') + '\0');
    EXPECT_EQ(QDNomeOriginalDoc(arq).size(), 174u);
}

// From the client only its own fields are taken: the version links, times, runs and their
// counts, the description's place and length and the user codes stay as stored.
TEST(DocConversao, FromTheClientKeepsTheServersFields) {
    const QD_DOC_ARQ gravado = Padrao();
    QD_DOC_ARQ arq = gravado;
    QD_DOC_PS ps{};
    ps.dwFlags = 0x4;
    ps.lTipDoc = 11;
    ps.lLocArq = 12;
    ps.lNextDoc = 13;
    ps.lPrevDoc = 14;
    ps.iNrLocalizacao = 15;
    ps.iVersao = 16;
    ps.dataInclusao = 17;
    ps.dataModificacao = 18;
    ps.nQtdUsuarios = 19;
    ps.nQtdCampos = 20;
    ps.iDataEmissao = 21;
    ps.iDataValidade = 22;
    ps.iFilial = 23;
    ps.iUsuarioIncluiu = 24;
    ps.iUsuarioAlterou = 25;
    std::strcpy(ps.szOriginalFileName, "novo.doc");
    QDDocDePS(ps, arq);

    EXPECT_EQ(arq.dwFlags, 0x4u);
    EXPECT_EQ(arq.lTipDoc, 11u);
    EXPECT_EQ(arq.lLocArq, 12u);
    EXPECT_EQ(arq.iNrLocalizacao, 15u);
    EXPECT_EQ(arq.iVersao, 16u);
    EXPECT_EQ(arq.iDataEmissao, 21);
    EXPECT_EQ(arq.iDataValidade, 22);
    EXPECT_EQ(arq.iFilial, 23);
    EXPECT_EQ(std::string(arq.szOriginalFileName, 10), std::string("novo.doc\0\0", 10));
    for (auto campo : {&QD_DOC_ARQ::lNextDoc, &QD_DOC_ARQ::lPrevDoc, &QD_DOC_ARQ::nQtdUsuarios,
                       &QD_DOC_ARQ::lPrimeiroUsuario, &QD_DOC_ARQ::nQtdCampos, &QD_DOC_ARQ::lPrimeiroCampo,
                       &QD_DOC_ARQ::nTamDescricao, &QD_DOC_ARQ::lPosDescricao}) {
        EXPECT_EQ(arq.*campo, gravado.*campo);
    }
    EXPECT_EQ(arq.dataInclusao, gravado.dataInclusao);
    EXPECT_EQ(arq.dataModificacao, gravado.dataModificacao);
    EXPECT_EQ(arq.iUsuarioIncluiu, gravado.iUsuarioIncluiu);
    EXPECT_EQ(arq.iUsuarioAlterou, gravado.iUsuarioAlterou);
    EXPECT_EQ(std::memcmp(arq.cReservado, gravado.cReservado, sizeof arq.cReservado), 0);
}

}  // namespace
