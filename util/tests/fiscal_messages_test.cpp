#include "util/fiscal/fiscal_messages.h"
#include "util/message/messages.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int kCodigos[] = {
    ZT_MSG_MUNICIPIO_TAMANHO, ZT_MSG_MUNICIPIO_ZERADO, ZT_MSG_MUNICIPIO_UF, ZT_MSG_MUNICIPIO_DIGITO,
    ZT_MSG_PAIS_TAMANHO, ZT_MSG_PAIS_DIGITO, ZT_MSG_SITUACAO_SAIDA_VAZIA, ZT_MSG_SITUACAO_SAIDA_INVALIDA,
    ZT_MSG_SITUACAO_ENTRADA_INVALIDA, ZT_MSG_SITUACAO_ENTRADA_VAZIA,
};

// Guards the codes themselves: callers and the message file rely on these numbers.
TEST(FiscalMessages, CodesAreTheSystemsNumbers) {
    const int esperados[] = {5474, 5475, 5476, 5477, 5480, 5481, 5127, 5128, 5129, 5130};
    ASSERT_EQ(std::size(kCodigos), std::size(esperados));
    for (size_t i = 0; i < std::size(kCodigos); ++i) EXPECT_EQ(kCodigos[i], esperados[i]);
}

// Guards against a validator's code without a text in the shipped message file.
TEST(FiscalMessages, EveryCodeHasAText) {
    kelvo::testing::TestEnvironment ambiente;
    for (int codigo : kCodigos) {
        CZTString texto;
        ASSERT_TRUE(ZTLeMensagemDoArquivo(KELVO_FISCAL_MESSAGE_FILE, codigo, texto));
        EXPECT_GT(texto.GetLength(), 10) << codigo;
        // The file is Windows-1252: no UTF-8 lead byte of an accented letter may appear.
        EXPECT_EQ(texto.str().find('\xC3'), std::string::npos) << codigo;
    }
}

// Guards the hand-out: the output gets the code when given, and 1 comes only with code 0.
TEST(FiscalMessages, InformaSetsTheOutput) {
    int mensagem = -7;
    EXPECT_EQ(fiscal::Informa(0, &mensagem), 1);
    EXPECT_EQ(mensagem, 0);
    EXPECT_EQ(fiscal::Informa(5477, &mensagem), 0);
    EXPECT_EQ(mensagem, 5477);
    EXPECT_EQ(fiscal::Informa(5477, nullptr), 0);
}

}  // namespace
