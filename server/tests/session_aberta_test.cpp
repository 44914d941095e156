// A session serves its client only once it is open: after a start that failed for any cause, or
// before any start, every method that reads or writes company data answers 16179 and leaves the
// company's files as they were; a company code that is not one key name opens no company.
#include "server/session/qd_estado_sessao.h"

#include "server/tests/session_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

// Arguments a method could do its work with: 1 for every number (a count of one entry, the
// first record's position), a zeroed record behind every pointer (0 behind an [in, out]
// position: a new record), a short text for a BSTR. Owns what it hands out.
class Argumentos {
public:
    Argumentos() = default;
    Argumentos(const Argumentos&) = delete;
    Argumentos& operator=(const Argumentos&) = delete;
    ~Argumentos() {
        for (platform::BSTR texto : textos_) platform::SysFreeString(texto);
    }

    template <class T>
    T De() {
        if constexpr (std::is_same_v<T, platform::BSTR>) {
            return textos_.emplace_back(platform::SysAllocStringFromAnsi("Matriz"));
        } else if constexpr (std::is_pointer_v<T>) {
            using Apontado = std::remove_pointer_t<T>;
            using Alvo = std::remove_const_t<Apontado>;
            auto alvo = std::make_shared<Alvo>(std::is_const_v<Apontado> ? Valor<Alvo>() : Alvo{});
            guardados_.push_back(alvo);
            return alvo.get();
        } else {
            return Valor<T>();
        }
    }

private:
    template <class T>
    static T Valor() {
        if constexpr (std::is_same_v<T, std::uint32_t>) return 1;
        if constexpr (std::is_same_v<T, tagSIZE>) return tagSIZE{32, 32};
        return T{};
    }

    std::vector<std::shared_ptr<void>> guardados_;
    std::vector<platform::BSTR> textos_;
};

// Every method of IZTQD_Srv but the two that always run, called once with usable arguments.
std::vector<std::pair<std::string, HRESULT>> ChamaTodos(IZTQD_Srv& srv) {
    Argumentos argumentos;
    std::vector<std::pair<std::string, HRESULT>> resultados;
#define KELVO_TESTE_ARGUMENTO(direction, type, name) argumentos.De<type>()
#define KELVO_TESTE_CHAMADA(number, name, ...)                                                         \
    if (std::string_view(#name) != "Inicializa" && std::string_view(#name) != "SetModoServico") {      \
        const HRESULT hr = srv.name(KELVO_IDL_MAP(KELVO_TESTE_ARGUMENTO __VA_OPT__(, ) __VA_ARGS__));  \
        resultados.emplace_back(#name, hr);                                                            \
    }
    KELVO_IZTQD_SRV_METHODS(KELVO_TESTE_CHAMADA)
#undef KELVO_TESTE_CHAMADA
#undef KELVO_TESTE_ARGUMENTO
    return resultados;
}

// Every file and folder under `pasta` with its bytes.
std::map<std::string, std::string> Conteudo(const std::string& pasta) {
    std::map<std::string, std::string> conteudo;
    for (const auto& entrada : std::filesystem::recursive_directory_iterator(pasta)) {
        const std::string nome = entrada.path().lexically_relative(pasta).string();
        conteudo[nome] = entrada.is_regular_file() ? Bytes(entrada.path().string()) : "<pasta>";
    }
    return conteudo;
}

// A domain text that lies past the end of QDDOCDSC.DAT: the properties can no longer be read.
void DanificaPropriedades(const EmpresaTeste& empresa) {
    QD_PROPRIEDADES_ARQ arq = MestreGravado(empresa.Arquivo("QDMESTRE.DAT"));
    arq.nTamDominio = 4096;
    arq.lPosDominio = 0;
    std::string bytes = Bytes(empresa.Arquivo("QDMESTRE.DAT"));
    bytes.replace(0, sizeof arq, reinterpret_cast<const char*>(&arq), sizeof arq);
    WriteFile(empresa.Arquivo("QDMESTRE.DAT"), bytes);
}

// A start that failed, for each cause, leaves a session on which no method reads or writes:
// each answers 16179 and the company's files stay byte for byte as they were.
TEST(SessaoFechada, EveryMethodRefusesAfterAFailedStart) {
    struct Causa {
        const char* nome;
        QD_INICIALIZA_PS ini;
        HRESULT falha;
        bool abertaAntes;  // the object had an open session before the failing start
        std::function<void(const EmpresaTeste&)> prepara;
    };
    const Causa causas[] = {
        {"unknown user", Sessao(kEmpresaTeste, 55), CONEXO_E_USUARIO_INEXISTENTE, false, {}},
        {"unknown company", Sessao("DESCONHECIDA", 1), static_cast<HRESULT>(0x80043F59), false, {}},
        {"damaged properties", Sessao(kEmpresaTeste, 1), platform::HResultFromMessage(16021), false,
         DanificaPropriedades},
        {"unknown user after an open session", Sessao(kEmpresaTeste, 55), CONEXO_E_USUARIO_INEXISTENTE, true, {}},
        {"company code with a separator", Sessao("EMPTESTE\\", 1), static_cast<HRESULT>(0x80043F59), false, {}},
    };
    for (const Causa& causa : causas) {
        SCOPED_TRACE(causa.nome);
        EmpresaTeste empresa;
        Servidor srv;
        // The company's files exist, so a method that got through would find data to touch.
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        if (causa.prepara) causa.prepara(empresa);
        Servidor outro;
        Servidor& alvo = causa.abertaAntes ? srv : outro;
        ASSERT_EQ(alvo->Inicializa(causa.ini), causa.falha);

        const auto antes = Conteudo(empresa.Pasta());
        const auto resultados = ChamaTodos(*alvo);
        ASSERT_EQ(resultados.size(), 31u);
        for (const auto& [metodo, hr] : resultados) EXPECT_EQ(hr, QD_E_SESSAO_FECHADA) << metodo;
        EXPECT_EQ(Conteudo(empresa.Pasta()), antes);
    }
}

// The refusal belongs to the session, not to the object: the object whose start failed serves
// again once a later start succeeds, and an object that never started refuses as well.
TEST(SessaoFechada, OpensOnlyWithASuccessfulStart) {
    EmpresaTeste empresa;
    Servidor srv;
    std::uint32_t numero = 0;
    EXPECT_EQ(srv->GetProximoNrLocalizacao(&numero), QD_E_SESSAO_FECHADA);
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 55)), CONEXO_E_USUARIO_INEXISTENTE);
    EXPECT_EQ(srv->GetProximoNrLocalizacao(&numero), QD_E_SESSAO_FECHADA);
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    EXPECT_EQ(srv->GetProximoNrLocalizacao(&numero), platform::S_OK);
    EXPECT_EQ(numero, 1u);
}

// A company code that is not one key name (a separator before, inside or after it, a control
// character, "." or "..") is refused as a missing company even when a key of that very name
// holds a data folder, and no file of that folder is made.
TEST(SessaoFechada, CompanyCodeThatIsNotOneKeyNameOpensNothing) {
    EmpresaTeste empresa;
    const std::string pasta = empresa.Ambiente().Path("outra/QD");
    std::filesystem::create_directories(pasta);
    for (const char* codigo : {"EMPTESTE\\", "\\EMPTESTE", "EMP\\TESTE", "EMPTESTE/", "EMP/TESTE", "EMP\tTESTE",
                               "EMP\x01", "EMP\x7F", ".", ".."}) {
        SCOPED_TRACE(codigo);
        // The company as the registry would find it under that code.
        const CZTString chave = CZTString(ZT_CHAVE_EMPRESAS) + codigo;
        ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE, chave.GetString(),
                                        ZTGetPrefixoModulo(ZT_MODULO_GED), (pasta + "/").c_str()),
                  0u);
        ASSERT_EQ(ConexoGravaUsuario(codigo, UsuarioTeste(1, 1), {1}), platform::S_OK);
        ASSERT_EQ(ConexoGravaFilial(codigo, 1, "Matriz"), platform::S_OK);

        Servidor srv;
        EXPECT_EQ(srv->Inicializa(Sessao(codigo, 1)), static_cast<HRESULT>(0x80043F59));
        EXPECT_TRUE(srv->GetDiretorio().IsEmpty());
        EXPECT_TRUE(std::filesystem::is_empty(pasta));
        EXPECT_TRUE(std::filesystem::is_empty(empresa.Pasta()));
    }
}

}  // namespace
