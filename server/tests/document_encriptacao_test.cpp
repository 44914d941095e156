// Contents of a company whose contents are encrypted: written as cipher text, read back as the
// plain content by this and by a later session, renamed with the extension, and deleted.
#include "server/document/qd_grava_doc.h"
#include "server/tests/document_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace kelvo::testing;

namespace {

TEST(DocEncriptado, ContentRoundTripsThroughTheCipher) {
    EmpresaDocs empresa;
    const std::string claro = std::string("conte\xFA" "do claro ") + std::string(5000, 'q');
    DadosDoc antes;
    antes.conteudo = "escrito antes";
    const std::uint32_t anterior = empresa.Insere(antes);
    LigaEncriptacao(empresa.Conexao());

    DadosDoc dados;
    dados.conteudo = claro;
    const std::uint32_t posicao = empresa.Insere(dados);
    const std::string gravado = Bytes(empresa.Docs("0000002.pdf"));
    EXPECT_FALSE(gravado.empty());
    EXPECT_EQ(gravado.find("conte"), std::string::npos);
    EXPECT_EQ(Conteudo(empresa.Le(posicao)), claro);
    EXPECT_EQ(Conteudo(empresa.Le(anterior)), "escrito antes");  // converted by the switch

    // The extension follows a rename without re-encrypting; the content still reads.
    dados.nome = "nota.txt";
    std::uint32_t reescrita = posicao;
    ASSERT_EQ(empresa.Conexao().GravaDoc(&reescrita, Documento(dados), 0), platform::S_OK);
    EXPECT_EQ(Bytes(empresa.Docs("0000002.txt")), gravado);
    EXPECT_EQ(Conteudo(empresa.Le(posicao)), claro);

    // Another session of the company derives the same key.
    {
        Servidor outro;
        ASSERT_EQ(outro->Inicializa(Sessao(kEmpresaTeste, 1, 2)), platform::S_OK);
        CSilentConexaoGedSrv conexao;
        conexao.SetInterface(&*outro);
        CQDDoc doc;
        ASSERT_EQ(conexao.LeDoc(1, &posicao, &doc, 0x17), platform::S_OK);
        EXPECT_EQ(Conteudo(doc), claro);
    }

    ASSERT_EQ(empresa.Conexao().ExcluiDoc(1, &posicao), platform::S_OK);
    EXPECT_FALSE(std::filesystem::exists(empresa.Docs("0000002.txt")));
}

// Without the session's key an encrypted content is neither written nor read in the clear.
TEST(DocEncriptado, NoKeyNoContent) {
    EmpresaDocs empresa;
    LigaEncriptacao(empresa.Conexao());
    const QDSessaoDocs semChave{empresa.Srv(), empresa.Srv(), 1, nullptr};
    DadosDoc dados;
    dados.conteudo = "segredo";
    CQDDoc doc = Documento(dados);
    std::uint32_t posicao = 0;
    EXPECT_EQ(QDGravaDoc(semChave, &posicao, doc.GetPS(), 0x4), platform::E_UNEXPECTED);
    // The content comes before its record, so no record names the content that failed.
    EXPECT_EQ(posicao, 0u);
    EXPECT_EQ(Bytes(empresa.Arquivo("QDDOC.DAT")).size(), 256u);
    EXPECT_FALSE(std::filesystem::exists(empresa.Docs("0000001.pdf")));
}

}  // namespace
