// The server object in the process: its empty session, its interfaces, the module lock it
// holds, SetModoServico, every method's answer without a session, the content folder and the
// code prefixes.
#include "platform/com/activation.h"
#include "platform/com/module_lock.h"
#include "platform/tests/support/recorded_boxes.h"
#include "platform/tests/support/test_environment.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/object/qd_codigo_prefixo.h"
#include "server/object/qd_diretorio_docs.h"
#include "server/object/zt_qd_srv.h"
#include "server/object/zt_qd_srv_fabrica.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using platform::HRESULT;

// An object as the factory makes it, released at the end of the test.
class ServerObject : public ::testing::Test {
protected:
    void TearDown() override {
        if (objeto_) objeto_->Release();
    }
    CZTQD_Srv* Novo() {
        objeto_ = new CZTQD_Srv;
        return objeto_;
    }
    CZTQD_Srv* objeto_ = nullptr;
};

bool TudoZero(const FILIAIS_ATIVAS& filiais) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&filiais);
    for (std::size_t i = 0; i < sizeof filiais; ++i) {
        if (bytes[i] != 0) return false;
    }
    return true;
}

// A new object has an empty session: no data directory (so no file can be opened), no company,
// no user, no rights beyond the lists, no branch.
TEST_F(ServerObject, StartsWithAnEmptySession) {
    CZTQD_Srv* srv = Novo();
    EXPECT_TRUE(srv->GetDiretorio().IsEmpty());
    EXPECT_TRUE(srv->GetEmpresa().IsEmpty());
    EXPECT_EQ(srv->GetNumeroSessao(), 0);
    EXPECT_EQ(srv->GetUsuario(), 0);
    EXPECT_EQ(srv->GetUsuarioPai(), 0);
    EXPECT_EQ(srv->GetAcessoTotal(), 0);
    EXPECT_TRUE(TudoZero(srv->GetFiliaisAtivas()));
}

// SetModoServico turns on the all-rights flag and nothing else.
TEST_F(ServerObject, SetModoServicoSetsAllRights) {
    CZTQD_Srv* srv = Novo();
    EXPECT_EQ(srv->SetModoServico(), platform::S_OK);
    EXPECT_EQ(srv->GetAcessoTotal(), 1);
    EXPECT_EQ(srv->SetModoServico(), platform::S_OK);
    EXPECT_EQ(srv->GetAcessoTotal(), 1);
    EXPECT_EQ(srv->GetUsuario(), 0);
    EXPECT_TRUE(srv->GetDiretorio().IsEmpty());
}

template <class T>
T Vazio() {
    return T{};
}

// An object without a session runs only Inicializa (no data directory for an empty company) and
// SetModoServico; every other method answers what a closed session answers and reaches no file.
TEST_F(ServerObject, EveryMethodAnswersAnEmptySession) {
    kelvo::testing::TestEnvironment ambiente;  // Inicializa looks the company up in the registry
    IZTQD_Srv* srv = Novo();
    std::vector<std::pair<std::string, HRESULT>> resultados;
#define KELVO_TESTE_ARGUMENTO(direction, type, name) Vazio<type>()
#define KELVO_TESTE_CHAMADA(number, name, ...) \
    resultados.emplace_back(#name, srv->name(KELVO_IDL_MAP(KELVO_TESTE_ARGUMENTO __VA_OPT__(, ) __VA_ARGS__)));
    KELVO_IZTQD_SRV_METHODS(KELVO_TESTE_CHAMADA)
#undef KELVO_TESTE_CHAMADA
#undef KELVO_TESTE_ARGUMENTO
    ASSERT_EQ(resultados.size(), 33u);
    const std::map<std::string, HRESULT> sempreExecutados = {
        {"SetModoServico", platform::S_OK},
        {"Inicializa", static_cast<HRESULT>(0x80043F59)},
    };
    for (const auto& [metodo, hr] : resultados) {
        const auto executado = sempreExecutados.find(metodo);
        EXPECT_EQ(hr, executado == sempreExecutados.end() ? platform::HResultFromMessage(16179) : executado->second)
            << metodo;
    }
}

// Every interface of the object answers for itself and gives the same identity back.
TEST_F(ServerObject, OffersItsThreeInterfacesAndOneIdentity) {
    CZTQD_Srv* srv = Novo();
    void* desconhecido = nullptr;
    ASSERT_EQ(srv->QueryInterface(platform::IID_IUnknown, &desconhecido), platform::S_OK);
    for (const platform::IID* iid : {&IID_IZTQD_Srv, &IID_IQDArqBind, &IID_IZTUserProfileInfo}) {
        void* interface = nullptr;
        ASSERT_EQ(srv->QueryInterface(*iid, &interface), platform::S_OK);
        void* identidade = nullptr;
        ASSERT_EQ(static_cast<platform::IUnknown*>(interface)->QueryInterface(platform::IID_IUnknown, &identidade),
                  platform::S_OK);
        EXPECT_EQ(identidade, desconhecido);
        static_cast<platform::IUnknown*>(identidade)->Release();
        static_cast<platform::IUnknown*>(interface)->Release();
    }
    void* nenhuma = &desconhecido;
    EXPECT_EQ(srv->QueryInterface(platform::IID_IClassFactory, &nenhuma), platform::E_NOINTERFACE);
    EXPECT_EQ(nenhuma, nullptr);
    static_cast<platform::IUnknown*>(desconhecido)->Release();
}

// Record files ask IQDArqBind for the directory (empty before a session); without a registered
// run-as identity none is given, and the caller's strings are emptied rather than left with stale text.
TEST_F(ServerObject, DirectoryAndRunAsIdentityOfAnEmptySession) {
    kelvo::testing::TestEnvironment ambiente;  // the run-as identity is looked up in the registry
    CZTQD_Srv* srv = Novo();
    void* interface = nullptr;
    ASSERT_EQ(srv->QueryInterface(IID_IQDArqBind, &interface), platform::S_OK);
    auto* bind = static_cast<IQDArqBind*>(interface);
    EXPECT_TRUE(bind->GetDiretorio().IsEmpty());
    bind->Release();

    ASSERT_EQ(srv->QueryInterface(IID_IZTUserProfileInfo, &interface), platform::S_OK);
    auto* perfil = static_cast<IZTUserProfileInfo*>(interface);
    CZTString conta = "antiga";
    CZTString senha = "antiga";
    EXPECT_FALSE(perfil->GetUserProfileInfo(conta, senha));
    EXPECT_TRUE(conta.IsEmpty());
    EXPECT_TRUE(senha.IsEmpty());
    perfil->Release();
}

// Each live object holds one module lock, so the server runs while any object does.
TEST_F(ServerObject, EachObjectHoldsOneModuleLock) {
    const platform::ULONG antes = platform::com::ModuleLockCount();
    auto* primeiro = new CZTQD_Srv;
    auto* segundo = new CZTQD_Srv;
    EXPECT_EQ(platform::com::ModuleLockCount(), antes + 2);
    primeiro->Release();
    EXPECT_EQ(platform::com::ModuleLockCount(), antes + 1);
    segundo->Release();
    EXPECT_EQ(platform::com::ModuleLockCount(), antes);
}

// The class object creates a new object for each activation in this process and refuses
// aggregation.
TEST(ServerClassObject, CreatesOneObjectPerActivation) {
    kelvo::testing::TestEnvironment ambiente;  // activation may look at the registry
    platform::DWORD cookie = 0;
    ASSERT_EQ(QDRegistraClasseZTQD_Srv(&cookie), platform::S_OK);
    const platform::ULONG antes = platform::com::ModuleLockCount();
    void* a = nullptr;
    void* b = nullptr;
    ASSERT_EQ(platform::CoCreateInstance(CLSID_ZTQD_Srv, nullptr, platform::CLSCTX_LOCAL_SERVER, IID_IZTQD_Srv, &a),
              platform::S_OK);
    ASSERT_EQ(platform::CoCreateInstance(CLSID_ZTQD_Srv, nullptr, platform::CLSCTX_LOCAL_SERVER, IID_IZTQD_Srv, &b),
              platform::S_OK);
    EXPECT_NE(a, b);
    EXPECT_EQ(platform::com::ModuleLockCount(), antes + 2);
    EXPECT_EQ(static_cast<IZTQD_Srv*>(a)->SetModoServico(), platform::S_OK);
    static_cast<IZTQD_Srv*>(a)->Release();
    static_cast<IZTQD_Srv*>(b)->Release();
    EXPECT_EQ(platform::com::ModuleLockCount(), antes);

    auto* externo = static_cast<platform::IUnknown*>(a);  // any non-null outer object
    void* agregado = nullptr;
    EXPECT_EQ(platform::CoCreateInstance(CLSID_ZTQD_Srv, externo, platform::CLSCTX_LOCAL_SERVER, IID_IZTQD_Srv,
                                         &agregado),
              platform::CLASS_E_NOAGGREGATION);
    EXPECT_EQ(agregado, nullptr);
    EXPECT_EQ(platform::CoRevokeClassObject(cookie), platform::S_OK);
}

// A method reaches other methods of its own object through the typed connection: the calls
// land on the object, their results come back unchanged and nothing is shown.
TEST_F(ServerObject, LocalConnectionCallsTheObjectItself) {
    kelvo::testing::RecordedBoxes caixas;
    CZTQD_Srv* srv = Novo();
    {
        CLocalConexaoGedSrv local(srv);
        EXPECT_EQ(local.SetModoServico(), platform::S_OK);
        std::uint32_t proximo = 99;
        EXPECT_EQ(local.GetProximoNrLocalizacao(&proximo), platform::HResultFromMessage(16179));  // no session yet
        EXPECT_EQ(proximo, 99u);
        CQDBatchGravaLog lote;
        EXPECT_EQ(local.GravaLog(lote), platform::HResultFromMessage(16179));  // no session yet
    }
    EXPECT_EQ(srv->GetAcessoTotal(), 1);
    EXPECT_TRUE(caixas.boxes.empty());
    // The connection gave its reference back: ours is the last one.
    EXPECT_EQ(srv->AddRef(), 2u);
    EXPECT_EQ(srv->Release(), 1u);
}

// The content folder is made in the data directory and found there again later; a name taken
// by a file, a missing directory or an empty one are failures with their Win32 errors.
TEST(QDCriaDiretorioDocs, CreatesOnceAndReportsWin32Errors) {
    kelvo::testing::TestEnvironment ambiente;
    const std::string dados = ambiente.Path("dados");
    std::filesystem::create_directories(dados);
    EXPECT_EQ(QDDiretorioDocs(dados.c_str()), dados + "/Docs");
    EXPECT_EQ(QDDiretorioDocs((dados + "/").c_str()), dados + "/Docs");

    EXPECT_EQ(QDCriaDiretorioDocs(dados.c_str()), platform::S_OK);
    EXPECT_TRUE(std::filesystem::is_directory(dados + "/Docs"));
    EXPECT_EQ(QDCriaDiretorioDocs(dados.c_str()), platform::S_OK);  // an existing folder is fine

    EXPECT_EQ(QDCriaDiretorioDocs(ambiente.Path("falta").c_str()), platform::MakeHResult(0x80070003));
    const std::string comArquivo = ambiente.Path("comArquivo");
    kelvo::testing::WriteFile(comArquivo + "/Docs", "um arquivo, não uma pasta");
    EXPECT_EQ(QDCriaDiretorioDocs(comArquivo.c_str()), platform::MakeHResult(0x800700B7));

    if (::geteuid() != 0) {  // the superuser may write anywhere
        const std::string fechada = ambiente.Path("fechada");
        std::filesystem::create_directories(fechada);
        ASSERT_EQ(::chmod(fechada.c_str(), 0500), 0);
        EXPECT_EQ(QDCriaDiretorioDocs(fechada.c_str()), platform::MakeHResult(0x80070005));
    }
}

// Before a session the data directory is empty: the object must not make "Docs" in whatever
// folder the process happens to run in.
TEST_F(ServerObject, NoContentFolderWithoutADataDirectory) {
    kelvo::testing::TestEnvironment ambiente;
    const auto anterior = std::filesystem::current_path();
    std::filesystem::current_path(ambiente.Folder());
    CZTQD_Srv* srv = Novo();
    EXPECT_TRUE(srv->GetDiretorioDocs().IsEmpty());
    EXPECT_EQ(srv->CriaDiretorioDocs(), platform::MakeHResult(0x80070003));
    EXPECT_FALSE(std::filesystem::exists(ambiente.Folder() / "Docs"));
    std::filesystem::current_path(anterior);
}

// A prefix matches when the code's first strlen(prefix) bytes equal it, byte for byte.
TEST(QDCodigoIniciaCom, ComparesThePrefixsBytes) {
    struct Caso {
        const char* codigo;
        const char* prefixo;
        bool esperado;
    };
    const Caso casos[] = {
        {"1.22.333", "1.22", true},
        {"1.22.333", "1.22.333", true},
        {"1.2", "1.22", false},      // a code shorter than the prefix
        {"1.23", "1.22", false},
        {"ABC", "abc", false},       // no case folding
        {"\xC7" "A01", "\xC7", true},
        {"\xE7" "A01", "\xC7", false},
        {"qualquer", "", true},
        {"qualquer", nullptr, true},
        {nullptr, "", true},
        {nullptr, "A", false},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(QDCodigoIniciaCom(caso.codigo, caso.prefixo), caso.esperado)
            << (caso.codigo ? caso.codigo : "(null)") << " / " << (caso.prefixo ? caso.prefixo : "(null)");
    }
}

}  // namespace
