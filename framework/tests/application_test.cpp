// The application layers without windows: what each owns and deletes in which order, the
// accessors, the profile under the registry key and the title, and the error objects' one report.
#include "framework/app/zt_kelvo_usuario.h"
#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_kelvo_app.h"
#include "framework/application/zt_kelvo_exception.h"
#include "outside/mensor/zt_mensor.h"
#include "platform/registry/registry.h"
#include "platform/tests/support/recorded_boxes.h"
#include "platform/tests/support/test_environment.h"
#include "util/config/registry_functions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> gDestruidos;

// A session object that notes its name when it is deleted.
template <class Base>
class Anotado final : public Base {
public:
    explicit Anotado(std::string nome) : nome_(std::move(nome)) {}
    ~Anotado() override { gDestruidos.push_back(nome_); }

private:
    std::string nome_;
};
using UsuarioAnotado = Anotado<CZTKelvoUsuario>;
using AppInfoAnotada = Anotado<CZTKelvoAppInfo>;

constexpr const char* kCompilacao = "Mar  4 2026 10:11:12";

// The box ZTTrataErro2 shows for these values, recorded apart.
kelvo::testing::RecordedBox RelatoEsperado(platform::HRESULT codigo, std::int32_t subCodigo, std::int16_t extra,
                                           const char* empresa, const char* arquivo, std::int32_t linha) {
    kelvo::testing::RecordedBoxes referencia;
    ZTTrataErro2(codigo, subCodigo, extra, empresa, arquivo, linha, kCompilacao);
    return referencia.boxes.at(0);
}

// The suite layer makes its own user object and application information, or keeps the one given;
// the accessors find them through the running application.
TEST(CZTKelvoApp, OwnsItsSessionObjectsAndTheAccessorsFindThem) {
    EXPECT_EQ(ZTGetApp(), nullptr);
    EXPECT_EQ(ZTGetAppInfo(), nullptr);
    EXPECT_EQ(ZTGetUsuarioApp(), nullptr);
    {
        CZTKelvoApp app;
        EXPECT_EQ(ZTGetApp(), &app);
        EXPECT_NE(dynamic_cast<CZTKelvoUsuario*>(app.GetUsuario()), nullptr);
        EXPECT_EQ(ZTGetUsuarioApp(), app.GetUsuario());
        ASSERT_NE(app.GetAppInfo(), nullptr);
        EXPECT_EQ(ZTGetAppInfo(), app.GetAppInfo());
        EXPECT_EQ(app.GetTitulo(), "");
        EXPECT_EQ(app.m_pszAppName, nullptr);
        EXPECT_EQ(ZTGetMainWnd(), nullptr);
    }
    EXPECT_EQ(ZTGetApp(), nullptr);

    auto* dada = new CZTKelvoAppInfo;
    CZTKelvoApp app(dada);
    EXPECT_EQ(app.GetAppInfo(), dada);
}

// A replaced object is deleted at once; at the end the application information goes before the
// user object.
TEST(CZTKelvoApp, DeletesReplacedObjectsAndAppInfoBeforeUser) {
    gDestruidos.clear();
    {
        CZTKelvoApp app(new AppInfoAnotada("app info 1"));
        app.SetUsuario(new UsuarioAnotado("usuario 1"));
        app.SetUsuario(new UsuarioAnotado("usuario 2"));
        app.SetAppInfo(new AppInfoAnotada("app info 2"));
        EXPECT_EQ(gDestruidos, (std::vector<std::string>{"usuario 1", "app info 1"}));
    }
    EXPECT_EQ(gDestruidos, (std::vector<std::string>{"usuario 1", "app info 1", "app info 2", "usuario 2"}));
}

// The profile lives under "Software\<key>\<title>", not under the application's (empty) name,
// and keeps its own copy of the title.
TEST(CZTFCApp, SetChaveRegistroNamesTheProfileAfterTheTitle) {
    kelvo::testing::TestEnvironment ambiente;
    CZTFCApp app;
    app.SetTitulo("Dossar");
    app.SetChaveRegistro("Quorvel");
    app.SetTitulo("Outro");
    ASSERT_NE(app.m_pszProfileName, nullptr);
    EXPECT_STREQ(app.m_pszProfileName, "Dossar");
    ASSERT_TRUE(app.WriteProfileString("Opcoes", "Cor", "azul"));
    EXPECT_EQ(ZTLeStringRegistry(platform::HKEY_CURRENT_USER, "Software\\Quorvel\\Dossar\\Opcoes", "Cor"), "azul");
    EXPECT_EQ(app.InitInstance(), platform::TRUE);
    EXPECT_EQ(app.ExitInstance(), 0);
}

// Each error object is reported once, as it is made, with exactly its seven values (the selected
// company's code; a plain framework error has no extra value); throwing and catching copies it
// without a second report.
TEST(CZTKelvoApp, EachErrorObjectReportsItsValuesOnceWhenMade) {
    CZTKelvoApp app;
    kelvo::testing::RecordedBoxes caixas;

    {
        const CZTKelvoException erro(platform::E_NOTIMPL, 12, -1801, 792, "ZTKelvoDocument.cpp", kCompilacao);
        EXPECT_EQ(caixas.boxes, (std::vector{RelatoEsperado(platform::E_NOTIMPL, 12, -1801, "", "ZTKelvoDocument.cpp", 792)}));
    }

    app.GetAppInfo()->SetEmpresa("0001", 1);
    caixas.boxes.clear();
    try {
        throw CZTFCException(platform::E_FAIL, 3, 40, "ZTFCDocument.cpp", kCompilacao);
    } catch (const CZTFCException& erro) {
        const CZTFCException copia = erro;
        EXPECT_EQ(copia.GetLinha(), 40);
        EXPECT_EQ(copia.GetSubCodigo(), 3);
    }
    EXPECT_EQ(caixas.boxes, (std::vector{RelatoEsperado(platform::E_FAIL, 3, 0, "0001", "ZTFCDocument.cpp", 40)}));

    caixas.boxes.clear();
    try {
        throw CZTKelvoException(platform::E_ACCESSDENIED, -5, 77, 1200, "ZTKelvoView.cpp", kCompilacao);
    } catch (const CZTFCException& erro) {
        const auto* kelvo = dynamic_cast<const CZTKelvoException*>(&erro);
        ASSERT_NE(kelvo, nullptr);
        EXPECT_EQ(kelvo->GetExtra(), 77);
    }
    EXPECT_EQ(caixas.boxes, (std::vector{RelatoEsperado(platform::E_ACCESSDENIED, -5, 77, "0001", "ZTKelvoView.cpp", 1200)}));
}

// Without the suite layer nobody shows the error; without any application nothing breaks.
TEST(CZTFCApp, FrameworkLayerAloneShowsNoReport) {
    kelvo::testing::RecordedBoxes caixas;
    {
        CZTFCApp app;
        CZTFCException erro(platform::E_FAIL, 1, 2, "ZTFCDocument.cpp", kCompilacao);
        EXPECT_FALSE(app.TrataErro(erro));
    }
    const CZTKelvoException semApp(platform::E_FAIL, 1, 2, 3, "ZTKelvoDocument.cpp", kCompilacao);
    EXPECT_TRUE(caixas.boxes.empty());
    EXPECT_EQ(semApp.GetExtra(), 2);
}

// A raiser that names no stamp gets its own build's date and time in the compiler's form.
TEST(CZTFCException, StampDefaultsToTheRaisersBuild) {
    const CZTFCException erro(platform::E_FAIL, 0, 1, "ZTFCDocument.cpp");
    EXPECT_EQ(erro.GetCompilacao(), __DATE__ " " __TIME__);
    EXPECT_EQ(erro.GetArquivoFonte(), "ZTFCDocument.cpp");
    EXPECT_EQ(erro.GetCodigo(), platform::E_FAIL);
}

}  // namespace
