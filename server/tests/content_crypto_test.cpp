#include "server/content/zt_crypto.h"

#include "platform/system/account.h"
#include "platform/text/codepage.h"
#include "util/config/module_table.h"
#include "util/message/zt_exception.h"

#include "content_test_support.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using content_test::Bytes;
using content_test::EventLogRecorder;
using content_test::FromHex;
using content_test::Hex;
using content_test::PassPhrase;

CCrypto& Chaveado(CCrypto& crypto) {
    EXPECT_TRUE(crypto.SetKey(PassPhrase()));
    return crypto;
}

// Expected cipher texts computed with openssl enc -rc2-cbc -K b00f25ad8a206ba19525a2105a0e2e77
// (the MD5 of the Windows-1252 pass phrase) -iv 0000000000000000 over the serialised plain bytes.
TEST(CCrypto, ByteArraysAndTextsEncryptToTheIndependentVectors) {
    CCrypto crypto(nullptr);
    Chaveado(crypto);
    struct Caso {
        const char* nome;
        Bytes conteudo;
        const char* cifra;
    } casos[] = {
        {"one byte: 01 00 41", Bytes{'A'}, "cbe6b6c4a7d9703b"},
        {"no bytes: 00 00", Bytes{}, "76e0d73727515d70"},
    };
    for (Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        CZTByteArray plano(caso.conteudo);
        CZTByteArray cifra;
        ASSERT_TRUE(crypto.EncryptObject(plano, cifra));
        EXPECT_EQ(Hex(cifra.Bytes()), caso.cifra);
        CZTByteArray lido(Bytes{9, 9});
        ASSERT_TRUE(crypto.DecryptObject(CZTByteArray(FromHex(caso.cifra)), lido));
        EXPECT_EQ(lido.Bytes(), caso.conteudo);
    }
    CZTByteArray cifra;
    ASSERT_TRUE(crypto.EncryptString(PassPhrase(), cifra));
    EXPECT_EQ(Hex(cifra.Bytes()), "fd30a362b93c6521e27e500a45b319a2ac65501ca2bc2839");
    CZTString texto;
    ASSERT_TRUE(crypto.DecryptString(cifra, texto));
    EXPECT_EQ(texto.str(), PassPhrase());
}

// Guards against a cipher buffer sized at twice the plain length, too small for the padding of
// the shortest contents.
TEST(CCrypto, ShortAndLongContentsRoundTrip) {
    CCrypto crypto(nullptr);
    Chaveado(crypto);
    for (const size_t tamanho : {0u, 1u, 2u, 5u, 6u, 7u, 8u, 0xFFFEu, 0xFFFFu, 100000u}) {
        CZTByteArray plano(content_test::Pattern(tamanho, 3));
        CZTByteArray cifra;
        ASSERT_TRUE(crypto.EncryptObject(plano, cifra)) << tamanho;
        EXPECT_NE(cifra.Bytes(), plano.Bytes());
        CZTByteArray lido;
        ASSERT_TRUE(crypto.DecryptObject(cifra, lido)) << tamanho;
        EXPECT_EQ(lido.Bytes(), plano.Bytes()) << tamanho;
    }
}

TEST(CCrypto, WithoutAKeyNothingIsEncrypted) {
    CCrypto crypto(nullptr);
    CZTByteArray plano(Bytes{1, 2, 3});
    CZTByteArray cifra(Bytes{7});
    EXPECT_FALSE(crypto.EncryptObject(plano, cifra));
    EXPECT_EQ(crypto.GetUltimoErro(), platform::NTE_BAD_KEY);
    EXPECT_EQ(cifra.Bytes(), Bytes{7});
    EXPECT_FALSE(crypto.DecryptObject(CZTByteArray(FromHex("cbe6b6c4a7d9703b")), plano));
    EXPECT_EQ(crypto.GetUltimoErro(), platform::NTE_BAD_KEY);
}

TEST(CCrypto, AnotherKeyDoesNotReadTheContent) {
    CCrypto crypto(nullptr);
    Chaveado(crypto);
    CZTByteArray plano(content_test::Pattern(40, 1));
    CZTByteArray cifra;
    ASSERT_TRUE(crypto.EncryptObject(plano, cifra));
    ASSERT_TRUE(crypto.SetKey(platform::AnsiFromUtf8("Filial Sao Paulo")));
    CZTByteArray lido(Bytes{5});
    EXPECT_FALSE(crypto.DecryptObject(cifra, lido));
    EXPECT_TRUE(crypto.GetUltimoErro() == platform::NTE_BAD_DATA || crypto.GetUltimoErro() == platform::ERROR_INVALID_DATA);
    EXPECT_EQ(lido.Bytes(), Bytes{5});
}

// Writes whatever bytes it is given, to forge plain serialisations.
class Forjado final : public CZTSerializavel {
public:
    explicit Forjado(Bytes bytes) : m_bytes(std::move(bytes)) {}
    bool Serialize(CZTArchive& ar) override {
        ar.Write(m_bytes.data(), m_bytes.size());
        return true;
    }

private:
    Bytes m_bytes;
};

// Guards against using the count of a decrypted byte array before checking it against the
// plain bytes, and against taking bytes that hold more than one array.
TEST(CCrypto, DecryptedCountIsCheckedAgainstThePlainBytes) {
    CCrypto crypto(nullptr);
    Chaveado(crypto);
    struct Caso {
        const char* plano;
        bool contagemRecusada;  // refused before the array is touched
    } casos[] = {{"0a00414243", true}, {"ffff00000010", true}, {"ffffffffffff0000000000000040", true}, {"", true}, {"01004142", false}};
    for (const Caso& caso : casos) {
        Forjado forjado(FromHex(caso.plano));
        CZTByteArray cifra;
        ASSERT_TRUE(crypto.EncryptObject(forjado, cifra));
        CZTByteArray lido(Bytes{5});
        EXPECT_FALSE(crypto.DecryptObject(cifra, lido)) << caso.plano;
        EXPECT_EQ(crypto.GetUltimoErro(), platform::ERROR_INVALID_DATA) << caso.plano;
        if (caso.contagemRecusada) {
            EXPECT_EQ(lido.Bytes(), Bytes{5}) << caso.plano;
        }
    }
}

// Answers with a fixed identity.
class FonteFixa final : public IZTFonteIdentidade {
public:
    FonteFixa(bool tem, const char* conta, const char* senha) : m_tem(tem), m_conta(conta), m_senha(senha) {}
    bool GetUserProfileInfo(CZTString& strConta, CZTString& strSenha) override {
        strConta = m_conta;
        strSenha = m_senha;
        return m_tem;
    }

private:
    bool m_tem;
    CZTString m_conta;
    CZTString m_senha;
};

struct Carga {
    std::string dominio;
    std::string usuario;
    std::string senha;
};

// Records what it is asked to load.
class PerfisGravados final : public IZTPerfilUsuario {
public:
    explicit PerfisGravados(std::vector<Carga>& cargas, platform::Win32Error falha = 0) : m_cargas(cargas), m_falha(falha) {}
    void CarregaPerfil(const CZTString& dominio, const CZTString& usuario, const CZTString& senha) override {
        if (m_falha) throw new CZTException("", ZT_MODULO_GED, m_falha);
        m_cargas.push_back({dominio.str(), usuario.str(), senha.str()});
    }

private:
    std::vector<Carga>& m_cargas;
    platform::Win32Error m_falha;
};

TEST(CCrypto, RunAsAccountIsSplitAndItsProfileLoaded) {
    struct Caso {
        const char* nome;
        bool tem;
        const char* conta;
        std::vector<std::string> esperado;  // domain, user; empty: nothing loaded
    } casos[] = {
        {"domain and user", true, "EMPRESA\\servico", {"EMPRESA", "servico"}},
        {"local account", true, ".\\servico", {".", "servico"}},
        {"no backslash is local", true, "servico", {".", "servico"}},
        {"split at the first backslash", true, "a\\b\\c", {"a", "b\\c"}},
        {"interactive user in any case", true, "interactive USER", {}},
        {"no identity", false, "EMPRESA\\servico", {}},
        {"empty account", true, "", {}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        std::vector<Carga> cargas;
        FonteFixa fonte(caso.tem, caso.conta, "s3nha");
        CCrypto crypto(&fonte, std::make_unique<PerfisGravados>(cargas));
        if (caso.esperado.empty()) {
            EXPECT_TRUE(cargas.empty());
            continue;
        }
        ASSERT_EQ(cargas.size(), 1u);
        EXPECT_EQ(cargas[0].dominio, caso.esperado[0]);
        EXPECT_EQ(cargas[0].usuario, caso.esperado[1]);
        EXPECT_EQ(cargas[0].senha, "s3nha");
    }
}

TEST(CCrypto, ProfileFailureEndsConstruction) {
    std::vector<Carga> cargas;
    FonteFixa fonte(true, ".\\servico", "x");
    try {
        CCrypto crypto(&fonte, std::make_unique<PerfisGravados>(cargas, platform::ERROR_ACCESS_DENIED));
        FAIL() << "no exception";
    } catch (CZTException* e) {
        EXPECT_EQ(e->GetErroSO(), platform::ERROR_ACCESS_DENIED);
        EXPECT_TRUE(e->GetTexto().IsEmpty());
        e->Delete();
    }
}

TEST(CCrypto, ProviderFailureThrowsTheContextText) {
    // Without OpenSSL's provider modules the provider cannot be acquired.
    ::setenv("OPENSSL_MODULES", "/nonexistent-kelvo-modules", 1);
    try {
        CCrypto crypto(nullptr);
        FAIL() << "no exception";
    } catch (CZTException* e) {
        EXPECT_EQ(e->GetTexto().str(), platform::AnsiFromUtf8("Não foi possível obter o contexto de criptografia."));
        EXPECT_EQ(e->GetModulo(), ZT_MODULO_GED);
        EXPECT_EQ(e->GetErroSO(), platform::NTE_PROV_DLL_NOT_FOUND);
        e->Delete();
    }
    ::unsetenv("OPENSSL_MODULES");
}

TEST(CZTUserProfileControl, ProcessOwnAccountIsTakenWithoutANote) {
    EventLogRecorder registro;
    platform::String atual;
    ASSERT_EQ(platform::ProcessAccountName(atual), platform::ERROR_SUCCESS);
    CZTUserProfileControl controle;
    controle.CarregaPerfil(".", atual, "qualquer");
    EXPECT_TRUE(controle.EstaCarregado(atual));
    // Loading the same account again is done already.
    controle.CarregaPerfil(".", atual, "qualquer");
    EXPECT_TRUE(registro.entries.empty());
}

// Guards against silently running under another identity than the one registered.
TEST(CZTUserProfileControl, AnIdentityThatCannotBeTakenIsLoggedAndTheProcessGoesOn) {
    platform::String atual;
    ASSERT_EQ(platform::ProcessAccountName(atual), platform::ERROR_SUCCESS);
    const std::string outra = atual == "root" ? "nobody" : "root";
    struct Caso {
        const char* dominio;
        std::string usuario;
    } casos[] = {{".", outra}, {".", "kelvo-no-such-account-7"}, {"OUTRODOMINIO", atual.str()}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.usuario);
        EventLogRecorder registro;
        CZTUserProfileControl controle;
        controle.CarregaPerfil(caso.dominio, caso.usuario, "senha-secreta-91");
        EXPECT_FALSE(controle.EstaCarregado(caso.usuario.c_str()));
        ASSERT_EQ(registro.entries.size(), 1u);
        EXPECT_EQ(registro.entries[0].source, "Vaultis");
        EXPECT_EQ(registro.entries[0].type, platform::EVENTLOG_WARNING_TYPE);
        EXPECT_NE(registro.Text().find(caso.usuario), std::string::npos);
        EXPECT_NE(registro.Text().find("\"" + atual.str() + "\""), std::string::npos);
        EXPECT_EQ(registro.Text().find("senha-secreta-91"), std::string::npos);  // never logged
    }
}

}  // namespace
