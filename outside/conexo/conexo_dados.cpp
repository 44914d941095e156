#include "outside/conexo/conexo_dados.h"

#include "outside/conexo/conexo_registro.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using platform::HRESULT;
using namespace conexo_detail;

constexpr char kUsuarios[] = "Usuarios";
constexpr char kFiliais[] = "Filiais";
constexpr char kValorNome[] = "Nome";
constexpr char kValorPai[] = "UsuarioPai";
constexpr char kValorSupervisor[] = "Supervisor";
constexpr char kValorFiliais[] = "Filiais";
constexpr char kValorDesativada[] = "Desativada";
// Every user code has at most one key.
constexpr std::size_t QD_MAX_USUARIOS = 0x10000;
// The branch list: at most 1,000 numbers of three digits and their separators.
constexpr platform::DWORD kMaxListaFiliais = QD_QTD_FILIAIS * 4;

CZTString ChaveDe(const char* empresa, const char* grupo, std::uint16_t codigo) {
    return CZTString::Formata("%s\\%s\\%u", ChaveEmpresa(empresa).GetString(), grupo, static_cast<unsigned>(codigo));
}

// "1,3,17" into the flags of `filiais`; an empty list is no branch.
HRESULT InterpretaFiliais(const std::string& lista, FILIAIS_ATIVAS& filiais) {
    filiais = FILIAIS_ATIVAS{};
    std::size_t inicio = 0;
    while (inicio < lista.size()) {
        std::size_t fim = lista.find(',', inicio);
        if (fim == std::string::npos) fim = lista.size();
        const std::size_t digitos = fim - inicio;
        if (digitos == 0 || digitos > 3) return CONEXO_E_DADOS_INVALIDOS;
        int numero = 0;
        for (std::size_t i = inicio; i < fim; ++i) {
            const char c = lista[i];
            if (c < '0' || c > '9') return CONEXO_E_DADOS_INVALIDOS;
            numero = numero * 10 + (c - '0');
        }
        filiais.bAtiva[numero] = 1;
        inicio = fim + 1;
        if (fim + 1 == lista.size()) return CONEXO_E_DADOS_INVALIDOS;  // a trailing separator
    }
    return platform::S_OK;
}

// The codes of the sub-keys of the company's `grupo` key in ascending order (names that are no
// code are skipped); none when the key is missing.
HRESULT ListaCodigos(const char* empresa, const char* grupo, std::vector<std::uint16_t>& codigos) {
    if (!EmpresaValida(empresa)) return platform::E_INVALIDARG;
    std::vector<CZTString> nomes;
    const CZTString chave = ChaveEmpresa(empresa) + "\\" + grupo;
    if (const HRESULT hr = ListaSubChaves(chave, QD_MAX_USUARIOS, nomes); platform::FAILED(hr)) return hr;
    std::vector<std::uint16_t> lidos;
    for (const CZTString& nome : nomes) {
        std::uint16_t codigo = 0;
        if (InterpretaCodigo(nome.str(), codigo)) lidos.push_back(codigo);
    }
    std::sort(lidos.begin(), lidos.end());
    codigos = std::move(lidos);
    return platform::S_OK;
}

// Opens the key of branch `codigo` (for writing when `gravar`): S_OK, or the error as the branch
// readers report it.
HRESULT AbreFilial(const char* empresa, std::uint16_t codigo, Chave& chave, bool gravar = false) {
    if (!EmpresaValida(empresa)) return platform::E_INVALIDARG;
    const CZTString caminho = ConexoChaveFilial(empresa, codigo);
    if (const auto erro = gravar ? chave.AbreParaGravar(caminho) : chave.Abre(caminho)) {
        return erro == platform::ERROR_FILE_NOT_FOUND ? CONEXO_E_FILIAL_INEXISTENTE : platform::HResultFromWin32(erro);
    }
    return platform::S_OK;
}

}  // namespace

CZTString ConexoChaveUsuario(const char* empresa, std::uint16_t codigo) { return ChaveDe(empresa, kUsuarios, codigo); }

CZTString ConexoChaveFilial(const char* empresa, std::uint16_t codigo) { return ChaveDe(empresa, kFiliais, codigo); }

HRESULT ConexoLeUsuario(const char* empresa, std::uint16_t codigo, REGUSU_PS* reg, FILIAIS_ATIVAS* filiais) {
    if (!EmpresaValida(empresa)) return platform::E_INVALIDARG;
    Chave chave;
    if (const auto erro = chave.Abre(ConexoChaveUsuario(empresa, codigo))) {
        return erro == platform::ERROR_FILE_NOT_FOUND ? CONEXO_E_USUARIO_INEXISTENTE : platform::HResultFromWin32(erro);
    }
    std::string nome;
    HRESULT hr = LeTexto(chave, kValorNome, CONEXO_TAM_NOME_USUARIO, nome);
    if (hr == kValorAusente) hr = platform::S_OK;  // a user without a name
    if (platform::FAILED(hr)) return hr;
    platform::DWORD pai = 0;
    platform::DWORD supervisor = 0;
    if (const HRESULT falha = LeNumero(chave, kValorPai, 0xFFFF, pai); platform::FAILED(falha)) return falha;
    if (const HRESULT falha = LeNumero(chave, kValorSupervisor, 1, supervisor); platform::FAILED(falha)) return falha;
    std::string lista;
    hr = LeTexto(chave, kValorFiliais, kMaxListaFiliais, lista);
    if (hr == kValorAusente) hr = platform::S_OK;  // no branch
    if (platform::FAILED(hr)) return hr;
    FILIAIS_ATIVAS ativas{};
    if (const HRESULT falha = InterpretaFiliais(lista, ativas); platform::FAILED(falha)) return falha;

    if (reg) {
        *reg = REGUSU_PS{};
        reg->iCodigo = codigo;
        reg->iCodigoPai = static_cast<std::uint16_t>(pai);
        reg->bSupervisor = static_cast<std::uint8_t>(supervisor);
        std::memcpy(reg->szNome, nome.data(), nome.size());
    }
    if (filiais) *filiais = ativas;
    return platform::S_OK;
}

HRESULT ConexoListaUsuarios(const char* empresa, std::vector<std::uint16_t>& usuarios) {
    return ListaCodigos(empresa, kUsuarios, usuarios);
}

HRESULT ConexoListaFiliais(const char* empresa, std::vector<std::uint16_t>& filiais) {
    return ListaCodigos(empresa, kFiliais, filiais);
}

HRESULT ConexoLeFilialDesativada(const char* empresa, std::uint16_t codigo, bool& desativada) {
    Chave chave;
    if (const HRESULT hr = AbreFilial(empresa, codigo, chave); platform::FAILED(hr)) return hr;
    platform::DWORD valor = 0;
    if (const HRESULT hr = LeNumero(chave, kValorDesativada, 1, valor); platform::FAILED(hr)) return hr;
    desativada = valor != 0;
    return platform::S_OK;
}

HRESULT ConexoLeNomeFilial(const char* empresa, std::uint16_t codigo, CZTString& nome) {
    Chave chave;
    if (const HRESULT hr = AbreFilial(empresa, codigo, chave); platform::FAILED(hr)) return hr;
    std::string lido;
    const HRESULT hr = LeTexto(chave, kValorNome, CONEXO_TAM_NOME_FILIAL, lido);
    if (hr == kValorAusente) return CONEXO_E_FILIAL_INEXISTENTE;
    if (platform::FAILED(hr)) return hr;
    if (lido.empty()) return CONEXO_E_FILIAL_INEXISTENTE;
    nome = CZTString(lido.c_str());
    return platform::S_OK;
}

HRESULT ConexoGravaUsuario(const char* empresa, const REGUSU_PS& reg, const std::vector<int>& filiais) {
    const std::size_t tamanhoNome = strnlen(reg.szNome, sizeof reg.szNome);
    if (!EmpresaValida(empresa) || tamanhoNome == sizeof reg.szNome) return platform::E_INVALIDARG;
    std::string lista;
    for (const int filial : filiais) {
        if (filial < 0 || filial >= QD_QTD_FILIAIS) return platform::E_INVALIDARG;
        if (!lista.empty()) lista += ',';
        lista += std::to_string(filial);
    }
    Chave chave;
    if (const auto erro = chave.Cria(ConexoChaveUsuario(empresa, reg.iCodigo))) return platform::HResultFromWin32(erro);
    HRESULT hr = GravaTexto(chave, kValorNome, std::string(reg.szNome, tamanhoNome));
    if (platform::SUCCEEDED(hr)) hr = GravaNumero(chave, kValorPai, reg.iCodigoPai);
    if (platform::SUCCEEDED(hr)) hr = GravaNumero(chave, kValorSupervisor, reg.bSupervisor ? 1 : 0);
    if (platform::SUCCEEDED(hr)) hr = GravaTexto(chave, kValorFiliais, lista);
    return hr;
}

HRESULT ConexoGravaFilial(const char* empresa, std::uint16_t codigo, const char* nome) {
    if (!EmpresaValida(empresa) || !nome || !*nome || std::strlen(nome) > CONEXO_TAM_NOME_FILIAL) {
        return platform::E_INVALIDARG;
    }
    Chave chave;
    if (const auto erro = chave.Cria(ConexoChaveFilial(empresa, codigo))) return platform::HResultFromWin32(erro);
    return GravaTexto(chave, kValorNome, nome);
}

HRESULT ConexoGravaFilialDesativada(const char* empresa, std::uint16_t codigo, bool desativada) {
    Chave chave;
    if (const HRESULT hr = AbreFilial(empresa, codigo, chave, true); platform::FAILED(hr)) return hr;
    return GravaNumero(chave, kValorDesativada, desativada ? 1 : 0);
}
