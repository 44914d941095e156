// The registration of the stand-in classes in the classes root and their program's loop.
#include "outside/modulos/zt_modulos_servidores.h"

#include "outside/modulos/zt_modulos_interfaces.h"
#include "platform/com/class_registry.h"

#include <array>
#include <string>

namespace {

struct ClasseRegistrada {
    const platform::CLSID& clsid;
    const char* nome;
};

const std::array<ClasseRegistrada, 6> kClasses = {{
    {CLSID_ZTIntegracao, "ZTIntegracao Class"},
    {CLSID_ZTFinIntegracao, "ZTFinIntegracao Class"},
    {CLSID_ZTCtbIntegracao, "ZTCtbIntegracao Class"},
    {CLSID_ZTCtbLancamentos, "ZTCtbLancamentos Class"},
    {CLSID_ZTCmpPedidos, "ZTCmpPedidos Class"},
    {CLSID_ZTCmpContratos, "ZTCmpContratos Class"},
}};

std::string ChaveClasse(const platform::CLSID& clsid) { return "CLSID\\" + std::string(platform::GuidToString(clsid)); }

// A program path as a command line: quoted when a blank would split it.
std::string LinhaDoPrograma(const char* caminho) {
    const std::string texto = caminho ? caminho : "";
    if (texto.find_first_of(" \t") == std::string::npos) return texto;
    return "\"" + texto + "\"";
}

}  // namespace

platform::HRESULT ZTRegistraServidorModulos(const char* caminhoPrograma) {
    using platform::com::KeyRemoval;
    for (const ClasseRegistrada& classe : kClasses) {
        const std::string chave = ChaveClasse(classe.clsid);
        const platform::com::RegistryScriptKey chaves[] = {
            {"CLSID", std::nullopt, {}, KeyRemoval::NoRemove},
            {chave, classe.nome, {}, KeyRemoval::ForceRemove},
            {chave + "\\LocalServer32", LinhaDoPrograma(caminhoPrograma), {}, KeyRemoval::Remove},
        };
        const platform::Win32Error erro =
            platform::com::ApplyRegistryScript(platform::HKEY_CLASSES_ROOT, chaves, /*registering=*/true);
        if (erro != platform::ERROR_SUCCESS) return platform::HResultFromWin32(erro);
    }
    return platform::S_OK;
}

bool ZTServidorModulosRegistrado(const char* caminhoPrograma) {
    const std::string linha = LinhaDoPrograma(caminhoPrograma);
    for (const ClasseRegistrada& classe : kClasses) {
        platform::String registrada;
        if (platform::com::ReadClassLocalServer(classe.clsid, registrada) != platform::ERROR_SUCCESS) return false;
        if (std::string(registrada.GetString()) != linha) return false;
    }
    return true;
}

platform::HRESULT ZTDesregistraServidorModulos() {
    platform::HRESULT primeiro = platform::S_OK;
    for (const ClasseRegistrada& classe : kClasses) {
        const platform::Win32Error erro = platform::com::DeleteKeyTree(platform::HKEY_CLASSES_ROOT, ChaveClasse(classe.clsid));
        if (erro != platform::ERROR_SUCCESS && primeiro == platform::S_OK) primeiro = platform::HResultFromWin32(erro);
    }
    return primeiro;
}

platform::HRESULT ZTServeModulos(const platform::com::LocalServerOptions& opcoes) {
    ZTRegistraInterfacesModulos();
    std::vector<platform::DWORD> cookies;
    const platform::HRESULT registro = ZTRegistraClassesModulos(cookies);
    if (platform::FAILED(registro)) {
        ZTRevogaClassesModulos(cookies);
        return registro;
    }
    const platform::HRESULT hr = platform::com::RunLocalServer(opcoes);
    ZTRevogaClassesModulos(cookies);
    return hr;
}
