#include "server/object/vaultis_registro.h"

#include "server/idl/guids.h"
#include "util/file/zt_path.h"

#include <span>
#include <string>

namespace {

using platform::com::KeyRemoval;
using platform::com::RegistryScriptKey;

// Script 100: the application identity. The AppID key outlives unregistration.
const RegistryScriptKey kScriptAppId[] = {
    {"AppID", std::nullopt, {}, KeyRemoval::NoRemove},
    {"AppID\\%APPID%", "Vaultis", {}, KeyRemoval::NoRemove},
    {"AppID\\Vaultis.EXE", std::nullopt, {{"AppID", "%APPID%"}}, KeyRemoval::Remove},
};

// Script 101: the class, its ProgIDs and its server. No threading model is written.
const RegistryScriptKey kScriptClasse[] = {
    {"Vaultis.ZTQD_Srv.1", "ZTQD_Srv Class", {}, KeyRemoval::Remove},
    {"Vaultis.ZTQD_Srv.1\\CLSID", "%CLSID%", {}, KeyRemoval::Remove},
    {"Vaultis.ZTQD_Srv", "ZTQD_Srv Class", {}, KeyRemoval::Remove},
    {"Vaultis.ZTQD_Srv\\CLSID", "%CLSID%", {}, KeyRemoval::Remove},
    {"Vaultis.ZTQD_Srv\\CurVer", "Vaultis.ZTQD_Srv.1", {}, KeyRemoval::Remove},
    {"CLSID", std::nullopt, {}, KeyRemoval::NoRemove},
    {"CLSID\\%CLSID%", "ZTQD_Srv Class", {{"AppID", "%APPID%"}}, KeyRemoval::ForceRemove},
    {"CLSID\\%CLSID%\\ProgID", "Vaultis.ZTQD_Srv.1", {}, KeyRemoval::Remove},
    {"CLSID\\%CLSID%\\VersionIndependentProgID", "Vaultis.ZTQD_Srv", {}, KeyRemoval::Remove},
    {"CLSID\\%CLSID%\\LocalServer32", "%MODULE%", {}, KeyRemoval::Remove},
    {"CLSID\\%CLSID%\\TypeLib", "%LIBID%", {}, KeyRemoval::Remove},
};

constexpr unsigned kVersaoMaior = 1;
constexpr unsigned kVersaoMenor = 0;

struct Marca {
    const char* nome;
    std::string valor;
};

std::string Preenche(std::string texto, const std::vector<Marca>& marcas) {
    for (const Marca& marca : marcas) {
        const std::string nome = marca.nome;
        for (auto pos = texto.find(nome); pos != std::string::npos; pos = texto.find(nome, pos + marca.valor.size())) {
            texto.replace(pos, nome.size(), marca.valor);
        }
    }
    return texto;
}

// A program path as a command line: quoted when a blank would split it.
std::string LinhaDoPrograma(const char* caminhoModulo) {
    const std::string caminho = caminhoModulo ? caminhoModulo : "";
    if (caminho.find_first_of(" \t") == std::string::npos) return caminho;
    return "\"" + caminho + "\"";
}

platform::HRESULT Aplica(int recurso, const char* caminhoModulo, bool registra) {
    const auto chaves = QDScriptRegistro(recurso, caminhoModulo);
    const platform::Win32Error erro = platform::com::ApplyRegistryScript(platform::HKEY_CLASSES_ROOT, chaves, registra);
    return platform::HResultFromWin32(erro);
}

platform::HRESULT RegistraBibliotecaTipos(const char* caminhoModulo) {
    const platform::com::TypeLibraryRegistration biblioteca{
        LIBID_VaultisLib, kVersaoMaior, kVersaoMenor, "VaultisLib", caminhoModulo, ZTExtraiDiretorio(caminhoModulo), 0};
    return platform::HResultFromWin32(platform::com::RegisterTypeLibrary(biblioteca));
}

}  // namespace

std::vector<RegistryScriptKey> QDScriptRegistro(int recurso, const char* caminhoModulo) {
    const std::vector<Marca> marcas = {
        {"%MODULE%", LinhaDoPrograma(caminhoModulo)},
        {"%APPID%", platform::GuidToString(APPID_Vaultis)},
        {"%CLSID%", platform::GuidToString(CLSID_ZTQD_Srv)},
        {"%LIBID%", platform::GuidToString(LIBID_VaultisLib)},
    };
    std::span<const RegistryScriptKey> tabela;
    if (recurso == QD_SCRIPT_APPID) tabela = kScriptAppId;
    if (recurso == QD_SCRIPT_CLASSE) tabela = kScriptClasse;

    std::vector<RegistryScriptKey> chaves;
    for (RegistryScriptKey chave : tabela) {
        chave.path = Preenche(chave.path, marcas);
        if (chave.defaultValue) chave.defaultValue = Preenche(*chave.defaultValue, marcas);
        for (auto& valor : chave.values) valor.second = Preenche(valor.second, marcas);
        chaves.push_back(std::move(chave));
    }
    return chaves;
}

platform::HRESULT QDRegistraVaultis(const char* caminhoModulo) {
    platform::HRESULT hr = Aplica(QD_SCRIPT_APPID, caminhoModulo, true);
    if (platform::SUCCEEDED(hr)) hr = Aplica(QD_SCRIPT_CLASSE, caminhoModulo, true);
    if (platform::SUCCEEDED(hr)) hr = RegistraBibliotecaTipos(caminhoModulo);
    return hr;
}

platform::HRESULT QDDesregistraVaultis() {
    // Every part is removed even when one fails, so that a failure leaves as little behind as it can.
    const platform::HRESULT resultados[] = {
        Aplica(QD_SCRIPT_APPID, nullptr, false),
        Aplica(QD_SCRIPT_CLASSE, nullptr, false),
        platform::HResultFromWin32(platform::com::UnregisterTypeLibrary(LIBID_VaultisLib, kVersaoMaior, kVersaoMenor)),
    };
    for (const platform::HRESULT hr : resultados) {
        if (platform::FAILED(hr)) return hr;
    }
    return platform::S_OK;
}
