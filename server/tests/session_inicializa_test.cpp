// Opening a session: a new company's first properties, the failures of each step, and the rights
// of step 6.
#include "server/session/qd_inicializa.h"

#include "server/content/zt_crypto.h"
#include "server/session/qd_locarq_msc_arq.h"
#include "server/tests/session_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

// The first session of a company creates QDMESTRE.DAT at the current data version (the legacy
// import, with no base module folder to import from, marked done at once), QDLOCMSC.DAT with its
// ten masks, and the content folder; it fixes the session's company, user and branches.
TEST(QDInicializa, FirstSessionCreatesTheCompanysProperties) {
    EmpresaTeste empresa;
    Servidor srv;
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1, 42)), platform::S_OK);
    EXPECT_EQ(srv->GetEmpresa(), kEmpresaTeste);
    EXPECT_EQ(srv->GetUsuario(), 1);
    EXPECT_EQ(srv->GetNumeroSessao(), 42);
    EXPECT_EQ(srv->GetDiretorio(), empresa.Pasta() + "/");
    EXPECT_EQ(srv->GetFiliaisAtivas().bAtiva[1], 1);
    EXPECT_EQ(srv->GetFiliaisAtivas().bAtiva[0], 0);
    EXPECT_TRUE(std::filesystem::is_directory(empresa.Arquivo("Docs")));

    const std::string mestre = Bytes(empresa.Arquivo("QDMESTRE.DAT"));
    ASSERT_EQ(mestre.size(), 256u);
    EXPECT_EQ(NumeroEm(mestre, 14, 1), 0x0Bu);  // bFlags
    EXPECT_EQ(NumeroEm(mestre, 26, 2), 1u);     // iVersaoSistema
    EXPECT_EQ(NumeroEm(mestre, 0, 4), 1u);      // the first location number

    const std::string mascaras = Bytes(empresa.Arquivo("QDLOCMSC.DAT"));
    ASSERT_EQ(mascaras.size(), 10u * 64u);
    for (std::uint32_t posicao = 0; posicao < 10; ++posicao) {
        const std::size_t inicio = posicao * 64;
        EXPECT_EQ(NumeroEm(mascaras, inicio, 4), posicao);
        EXPECT_EQ(std::string(mascaras.c_str() + inicio + 4), "1.222.333") << posicao;
        EXPECT_EQ(mascaras.substr(inicio + 4 + 9, 64 - 4 - 9), std::string(64 - 4 - 9, '\0')) << posicao;
    }
    // Both files are in the control list, so losing them later is noticed.
    const std::string lista = Bytes(empresa.Arquivo("ZTCTLARQ.DAT"));
    EXPECT_NE(lista.find("QDMESTRE.DAT"), std::string::npos);
    EXPECT_NE(lista.find("QDLOCMSC.DAT"), std::string::npos);
}

// A later session, in this object or another, keeps the properties as they are.
TEST(QDInicializa, LaterSessionsKeepTheStoredProperties) {
    EmpresaTeste empresa;
    Servidor primeiro;
    ASSERT_EQ(primeiro->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    std::uint32_t numero = 0;
    ASSERT_EQ(primeiro->GetProximoNrLocalizacao(&numero), platform::S_OK);
    const std::string mestre = Bytes(empresa.Arquivo("QDMESTRE.DAT"));
    const std::string mascaras = Bytes(empresa.Arquivo("QDLOCMSC.DAT"));
    ASSERT_EQ(primeiro->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    Servidor segundo;
    ASSERT_EQ(segundo->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    EXPECT_EQ(Bytes(empresa.Arquivo("QDMESTRE.DAT")), mestre);
    EXPECT_EQ(Bytes(empresa.Arquivo("QDLOCMSC.DAT")), mascaras);
}

// Each failing step is returned with its own code.
TEST(QDInicializa, FailingStepsReturnTheirCodes) {
    EmpresaTeste empresa;
    {
        // A company the registry does not know has no data directory.
        Servidor srv;
        EXPECT_EQ(srv->Inicializa(Sessao("DESCONHECIDA", 1)), static_cast<HRESULT>(0x80043F59));
        EXPECT_TRUE(srv->GetDiretorio().IsEmpty());
        EXPECT_EQ(srv->Inicializa(Sessao("", 1)), static_cast<HRESULT>(0x80043F59));
    }
    {
        Servidor srv;
        EXPECT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 55)), CONEXO_E_USUARIO_INEXISTENTE);
        EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("QDMESTRE.DAT")));
    }
}

// The session's contents are keyed with the name of branch 1: what it encrypts opens with that
// name and not with another; a start that fails later drops the key of the earlier session.
TEST(QDInicializa, ContentKeyIsBranchOnesName) {
    EmpresaTeste empresa;
    Servidor srv;
    EXPECT_EQ(srv->GetCrypto(), nullptr);
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    ASSERT_NE(srv->GetCrypto(), nullptr);
    CZTByteArray cifra;
    ASSERT_TRUE(srv->GetCrypto()->EncryptString("conteudo", cifra));

    struct Caso {
        const char* frase;
        bool abre;
    };
    for (const Caso caso : {Caso{"Matriz", true}, Caso{"Filial", false}, Caso{"", false}}) {
        CCrypto outro(nullptr);
        ASSERT_TRUE(outro.SetKey(caso.frase));
        CZTString texto;
        EXPECT_EQ(outro.DecryptString(cifra, texto) && texto == "conteudo", caso.abre) << caso.frase;
    }

    EXPECT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 77)), CONEXO_E_USUARIO_INEXISTENTE);
    EXPECT_EQ(srv->GetCrypto(), nullptr);
}

// A QDMESTRE.DAT that the control list names but that is gone is reported, never made again.
TEST(QDInicializa, LostMasterFileIsNotFound) {
    EmpresaTeste empresa;
    Servidor srv;
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    std::filesystem::remove(empresa.Arquivo("QDMESTRE.DAT"));
    Servidor outro;
    EXPECT_EQ(outro->Inicializa(Sessao(kEmpresaTeste, 1)), platform::HResultFromMessage(16055));
    EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("QDMESTRE.DAT")));
}

// Branch 1 without a name fails the start with the branch connection's code.
TEST(QDInicializa, BranchOneWithoutNameFailsTheStart) {
    EmpresaTeste empresa;
    platform::HKEY chave = nullptr;
    ASSERT_EQ(platform::Registry::OpenKey(platform::HKEY_LOCAL_MACHINE,
                                          (CZTString(ZT_CHAVE_EMPRESAS) + kEmpresaTeste + "\\Filiais").GetString(),
                                          platform::KEY_ALL_ACCESS, &chave),
              0u);
    ASSERT_EQ(platform::Registry::DeleteKey(chave, "1"), 0u);
    (void)platform::Registry::CloseKey(chave);
    Servidor srv;
    EXPECT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), CONEXO_E_FILIAL_INEXISTENTE);
    EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("Docs")));
}

// Step 6: with "supervisor has all rights" set, a supervisor has them, a user whose parent is a
// supervisor has them, anybody else has not; with it unset nobody has. A second session on the
// same object never keeps the rights of the first user.
TEST(QDInicializa, AllRightsFollowTheSupervisorRule) {
    struct Caso {
        bool acessoTotalSupervisor;
        std::uint16_t usuario;
        std::uint16_t pai;
        std::uint8_t esperado;
        const char* quem;
    };
    const Caso casos[] = {
        {true, 1, 0, 1, "supervisor"},
        {true, 2, 1, 1, "child of a supervisor"},
        {true, 3, 4, 0, "child of a plain user"},
        {true, 4, 0, 0, "plain user without parent"},
        {true, 5, 99, 0, "child of a missing user"},
        {false, 1, 0, 0, "supervisor, rule off"},
        {false, 2, 1, 0, "child of a supervisor, rule off"},
    };
    EmpresaTeste empresa;
    ASSERT_EQ(ConexoGravaUsuario(kEmpresaTeste, UsuarioTeste(2, 0, 1), {1}), platform::S_OK);
    ASSERT_EQ(ConexoGravaUsuario(kEmpresaTeste, UsuarioTeste(3, 0, 4), {1}), platform::S_OK);
    ASSERT_EQ(ConexoGravaUsuario(kEmpresaTeste, UsuarioTeste(4, 0), {1}), platform::S_OK);
    ASSERT_EQ(ConexoGravaUsuario(kEmpresaTeste, UsuarioTeste(5, 0, 99), {1}), platform::S_OK);
    Servidor srv;
    for (const Caso& caso : casos) {
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        QD_PROPRIEDADES_PS ps{};
        TextosPS textos(ps);
        ASSERT_EQ(srv->LePropriedades(&ps), platform::S_OK);
        ps.bAcessoTotalSupervisor = caso.acessoTotalSupervisor ? 1 : 0;
        ASSERT_EQ(srv->GravaPropriedades(ps), platform::S_OK);

        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, caso.usuario)), platform::S_OK) << caso.quem;
        EXPECT_EQ(srv->GetAcessoTotal(), caso.esperado) << caso.quem;
        EXPECT_EQ(srv->GetUsuarioPai(), caso.pai) << caso.quem;
    }
}

}  // namespace
