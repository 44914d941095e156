#include "util/config/zt_registry.h"

#include "platform/system/environment.h"
#include "util/config/registry_names.h"

#include <vector>

using namespace platform;

namespace {

// Rights of a key opened for writing: reading, setting values and creating sub-keys.
constexpr DWORD kAcessoEscrita = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
// A value changed between asking its size and reading it is asked again, a few times at most.
constexpr int kTentativasLeitura = 4;
// Largest text LeString accepts from the store (the store keeps no larger value).
constexpr DWORD kMaiorTexto = DWORD{1} << 20;
// Bound of a name listing (far beyond what a store file can hold).
constexpr DWORD kMaisNomes = DWORD{1} << 24;

// "Software\Quorvel\" followed by `subChave`, joined with one backslash.
CZTString ChaveNaSuite(const char* subChave) {
    CZTString chave(ZT_PREFIXO_CHAVE_SUITE);
    CZTString resto(subChave);
    resto.TrimLeft("\\");
    chave += resto;
    return chave;
}

// Collects names by index until `enumera` reaches the end; false on any other error.
template <typename Enumera>
bool ListaNomes(Enumera enumera, CZTStringArray& lista) {
    lista.clear();
    for (DWORD indice = 0; indice < kMaisNomes; ++indice) {
        String nome;
        const Win32Error erro = enumera(indice, &nome);
        if (erro == ERROR_NO_MORE_ITEMS) return true;
        if (erro != ERROR_SUCCESS) return false;
        lista.emplace_back(nome);
    }
    return false;
}

}  // namespace

CZTRegistry::CZTRegistry() : m_hChave(nullptr), m_bGravaVazio(true) {}

CZTRegistry::CZTRegistry(HKEY chave) : m_hChave(chave), m_bGravaVazio(true) {}

CZTRegistry::CZTRegistry(const char* maquina) : m_hChave(nullptr), m_bGravaVazio(true), m_strMaquina(maquina) {}

CZTRegistry::~CZTRegistry() { FechaChave(); }

void CZTRegistry::Inicializa() {
    FechaChave();
    m_strMaquina.Empty();
    m_bGravaVazio = true;
}

void CZTRegistry::Fecha(HKEY chave) const {
    if (chave && !Registry::IsPredefinedKey(chave)) Registry::CloseKey(chave);
}

DWORD CZTRegistry::RaizNaMaquina(HKEY raiz, HKEY* efetiva) const {
    *efetiva = raiz;
    if (m_strMaquina.IsEmpty()) return ERROR_SUCCESS;
    return Registry::ConnectRegistry(m_strMaquina, raiz, efetiva);
}

DWORD CZTRegistry::AbreChave(HKEY raiz, const char* subChave, bool paraEscrita) {
    FechaChave();
    HKEY efetiva = nullptr;
    if (const DWORD erro = RaizNaMaquina(raiz, &efetiva)) return erro;
    const DWORD erro = Registry::OpenKey(efetiva, subChave, paraEscrita ? kAcessoEscrita : KEY_READ, &m_hChave);
    if (efetiva != raiz && efetiva != m_hChave) Fecha(efetiva);
    return erro;
}

DWORD CZTRegistry::AbreChaveUsuario(const char* subChave, bool paraEscrita) {
    return AbreChave(HKEY_CURRENT_USER, ChaveNaSuite(subChave), paraEscrita);
}

DWORD CZTRegistry::AbreChaveMaquina(const char* subChave, bool paraEscrita) {
    return AbreChave(HKEY_LOCAL_MACHINE, ChaveNaSuite(subChave), paraEscrita);
}

DWORD CZTRegistry::CriaChave(HKEY raiz, const char* subChave) {
    FechaChave();
    HKEY efetiva = nullptr;
    if (const DWORD erro = RaizNaMaquina(raiz, &efetiva)) return erro;
    const DWORD erro = Registry::CreateKey(efetiva, subChave, &m_hChave);
    if (efetiva != raiz && efetiva != m_hChave) Fecha(efetiva);
    return erro;
}

DWORD CZTRegistry::CriaChaveUsuario(const char* subChave) {
    return CriaChave(HKEY_CURRENT_USER, ChaveNaSuite(subChave));
}

DWORD CZTRegistry::CriaChaveMaquina(const char* subChave) {
    return CriaChave(HKEY_LOCAL_MACHINE, ChaveNaSuite(subChave));
}

void CZTRegistry::FechaChave() {
    Fecha(m_hChave);
    m_hChave = nullptr;
}

void CZTRegistry::SetChave(HKEY chave) {
    if (chave != m_hChave) FechaChave();
    m_hChave = chave;
}

HKEY CZTRegistry::Desanexa() {
    HKEY chave = m_hChave;
    m_hChave = nullptr;
    return chave;
}

DWORD CZTRegistry::GetQtdSubChaves() const {
    DWORD quantidade = 0;
    return Registry::QueryInfoKey(m_hChave, &quantidade, nullptr) == ERROR_SUCCESS ? quantidade : 0;
}

DWORD CZTRegistry::GetQtdValores() const {
    DWORD quantidade = 0;
    return Registry::QueryInfoKey(m_hChave, nullptr, &quantidade) == ERROR_SUCCESS ? quantidade : 0;
}

void CZTRegistry::GetSubChaves(CZTStringArray& lista) const {
    const auto enumera = [this](DWORD indice, String* nome) { return Registry::EnumKey(m_hChave, indice, nome); };
    if (!ListaNomes(enumera, lista)) lista.clear();
}

void CZTRegistry::GetValores(CZTStringArray& lista) const {
    const auto enumera = [this](DWORD indice, String* nome) { return Registry::EnumValue(m_hChave, indice, nome); };
    if (!ListaNomes(enumera, lista)) lista.clear();
}

DWORD CZTRegistry::ApagaSubChave(const char* nome) { return Registry::DeleteKey(m_hChave, nome); }

DWORD CZTRegistry::ApagaValor(const char* nome) { return Registry::DeleteValue(m_hChave, nome); }

DWORD CZTRegistry::ApagaValores() {
    CZTStringArray nomes;
    GetValores(nomes);
    DWORD primeiroErro = ERROR_SUCCESS;
    for (const CZTString& nome : nomes) {
        const DWORD erro = ApagaValor(nome);
        if (erro && !primeiroErro) primeiroErro = erro;
    }
    return primeiroErro;
}

DWORD CZTRegistry::LeDWord(const char* nome, DWORD padrao) const {
    DWORD valor = 0;
    DWORD tamanho = sizeof valor;
    if (Registry::QueryValue(m_hChave, nome, nullptr, &valor, &tamanho) != ERROR_SUCCESS) return padrao;
    return tamanho == sizeof valor ? valor : padrao;
}

CZTString CZTRegistry::LeString(const char* nome, const char* padrao, bool expandir) const {
    DWORD tipo = REG_NONE;
    DWORD tamanho = 0;
    std::vector<char> dados;
    DWORD erro = ERROR_MORE_DATA;
    for (int tentativa = 0; tentativa < kTentativasLeitura && erro == ERROR_MORE_DATA; ++tentativa) {
        if (Registry::QueryValue(m_hChave, nome, &tipo, nullptr, &tamanho) != ERROR_SUCCESS) break;
        if (tamanho > kMaiorTexto) break;
        dados.assign(static_cast<std::size_t>(tamanho) + 1, '\0');
        erro = Registry::QueryValue(m_hChave, nome, &tipo, dados.data(), &tamanho);
    }
    if (erro != ERROR_SUCCESS) return CZTString(padrao);
    dados[tamanho] = '\0';
    if (tipo == REG_EXPAND_SZ && expandir) return CZTString(ExpandEnvironmentStrings(std::string_view(dados.data())));
    return CZTString(dados.data());
}

DWORD CZTRegistry::GetTipoValor(const char* nome) const {
    DWORD tipo = REG_NONE;
    return Registry::QueryValue(m_hChave, nome, &tipo, nullptr, nullptr) == ERROR_SUCCESS ? tipo : REG_NONE;
}

DWORD CZTRegistry::LeBinario(const char* nome, void* buffer, DWORD* tamanho) const {
    return Registry::QueryValue(m_hChave, nome, nullptr, buffer, tamanho);
}

DWORD CZTRegistry::GravaDWord(const char* nome, DWORD valor) {
    if (valor == 0 && !m_bGravaVazio) return ERROR_SUCCESS;
    return Registry::SetValue(m_hChave, nome, REG_DWORD, &valor, sizeof valor);
}

DWORD CZTRegistry::GravaString(const char* nome, const char* texto) {
    const bool vazio = !texto || !*texto;
    if (vazio && !m_bGravaVazio) return ERROR_SUCCESS;
    const std::string_view conteudo = vazio ? std::string_view() : std::string_view(texto);
    const std::string comZero = std::string(conteudo) + '\0';
    return Registry::SetValue(m_hChave, nome, REG_SZ, comZero.data(), static_cast<DWORD>(comZero.size()));
}

DWORD CZTRegistry::GravaBinario(const char* nome, const void* dados, DWORD tamanho) {
    if (tamanho == 0 && !m_bGravaVazio) return ERROR_SUCCESS;
    return Registry::SetValue(m_hChave, nome, REG_BINARY, dados, tamanho);
}
