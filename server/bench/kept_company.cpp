#include "server/bench/kept_company.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

namespace kelvo::bench {

namespace fs = std::filesystem;

namespace {

constexpr char kEstampa[] = "ESTAMPA.TXT";
constexpr char kEstampaNova[] = "ESTAMPA.TXT.new";

// What the stamp records of one file: enough that any write or touch since shows.
struct EstadoArquivo {
    bool pasta = false;            // an empty folder (the server's content folder of a company without contents)
    std::uint64_t tamanho = 0;
    std::int64_t alteracaoNs = 0;  // content changed
    std::int64_t mudancaNs = 0;    // content or metadata changed (a restored time shows here)
    std::uint64_t inode = 0;
    bool operator==(const EstadoArquivo&) const = default;
};

using EstadoPasta = std::map<std::string, EstadoArquivo>;

std::int64_t Nanossegundos(const timespec& momento) {
    return static_cast<std::int64_t>(momento.tv_sec) * 1'000'000'000 + momento.tv_nsec;
}

// The data files of `pasta` (regular files and empty folders; the stamp left out). False when it
// cannot be listed or holds anything else.
bool LeEstadoPasta(const fs::path& pasta, EstadoPasta& estado) {
    std::error_code erro;
    for (const fs::directory_entry& entrada : fs::directory_iterator(pasta, erro)) {
        const std::string nome = entrada.path().filename().string();
        if (nome == kEstampa || nome == kEstampaNova) continue;
        struct stat dados {};
        if (::lstat(entrada.path().c_str(), &dados) != 0) return false;
        const bool vazia = S_ISDIR(dados.st_mode) && fs::is_empty(entrada.path(), erro);
        // A link, or a folder with files, is nothing this generator makes.
        if (!S_ISREG(dados.st_mode) && !vazia) return false;
        estado[nome] = {vazia, static_cast<std::uint64_t>(dados.st_size), Nanossegundos(dados.st_mtim),
                        Nanossegundos(dados.st_ctim), static_cast<std::uint64_t>(dados.st_ino)};
    }
    return !erro;
}

// The position lists of what was made, by the names the stamp gives them.
std::array<std::pair<const char*, std::vector<std::uint32_t>*>, 5> Listas(EmpresaGerada& gerada) {
    return {{{"gruposTipos", &gerada.gruposTipos},
             {"tipos", &gerada.tipos},
             {"gruposLocais", &gerada.gruposLocais},
             {"subgruposLocais", &gerada.subgruposLocais},
             {"locais", &gerada.locais}}};
}

void EscreveLista(std::ostream& saida, const char* nome, const std::vector<std::uint32_t>& lista) {
    saida << nome;
    for (const std::uint32_t valor : lista) saida << ' ' << valor;
    saida << '\n';
}

template <class T>
void LeLista(std::istringstream& linha, std::vector<T>& lista) {
    lista.clear();
    std::uint64_t valor = 0;
    while (linha >> valor) lista.push_back(static_cast<T>(valor));
}

// The stamp's text (`gerada` by value: Listas hands out lists that may be written to).
std::string TextoEstampa(const std::string& identidade, EmpresaGerada gerada, const EstadoPasta& estado) {
    std::ostringstream saida;
    saida << "identidade " << identidade << '\n';
    for (const auto& [nome, lista] : Listas(gerada)) EscreveLista(saida, nome, *lista);
    EscreveLista(saida, "usuarios", {gerada.usuarios.begin(), gerada.usuarios.end()});
    saida << "documentos " << gerada.nQtdDocumentos << "\nvinculos " << gerada.nQtdVinculos << "\ninclusao "
          << gerada.dataPrimeiraInclusao << ' ' << gerada.dataUltimaInclusao << '\n';
    for (const auto& [nome, arquivo] : estado) {
        saida << (arquivo.pasta ? "pasta " : "arquivo ") << nome << ' ' << arquivo.tamanho << ' ' << arquivo.alteracaoNs << ' ' << arquivo.mudancaNs
              << ' ' << arquivo.inode << '\n';
    }
    return saida.str();
}

// Reads the stamp's lines into the identity, what was made and the recorded files; false for a
// line it does not know.
bool LeEstampa(std::istream& entrada, std::string& identidade, EmpresaGerada& gerada, EstadoPasta& estado) {
    std::string texto;
    while (std::getline(entrada, texto)) {
        std::istringstream linha(texto);
        std::string chave;
        linha >> chave;
        const auto listas = Listas(gerada);
        const auto lista = std::find_if(listas.begin(), listas.end(), [&](const auto& par) { return chave == par.first; });
        if (lista != listas.end()) {
            LeLista(linha, *lista->second);
        } else if (chave == "identidade") {
            std::getline(linha >> std::ws, identidade);
        } else if (chave == "usuarios") {
            LeLista(linha, gerada.usuarios);
        } else if (chave == "documentos") {
            linha >> gerada.nQtdDocumentos;
        } else if (chave == "vinculos") {
            linha >> gerada.nQtdVinculos;
        } else if (chave == "inclusao") {
            linha >> gerada.dataPrimeiraInclusao >> gerada.dataUltimaInclusao;
        } else if (chave == "arquivo" || chave == "pasta") {
            std::string nome;
            EstadoArquivo arquivo;
            arquivo.pasta = chave == "pasta";
            linha >> nome >> arquivo.tamanho >> arquivo.alteracaoNs >> arquivo.mudancaNs >> arquivo.inode;
            estado[nome] = arquivo;
        } else {
            return false;
        }
        if (linha.fail() && !linha.eof()) return false;
    }
    return true;
}

// Copies the regular files and empty folders of `origem` (the stamp left out) into `destino`,
// emptied first.
bool CopiaArquivos(const fs::path& origem, const fs::path& destino, std::string& erro) {
    if (!EsvaziaPasta(destino, erro)) return false;
    EstadoPasta estado;
    if (!LeEstadoPasta(origem, estado)) {
        erro = origem.string() + ": not a folder of data files only";
        return false;
    }
    for (const auto& [nome, arquivo] : estado) {
        std::error_code codigo;
        if (arquivo.pasta) {
            fs::create_directory(destino / nome, codigo);
        } else {
            fs::copy_file(origem / nome, destino / nome, codigo);
        }
        if (codigo) {
            erro = (origem / nome).string() + ": " + codigo.message();
            return false;
        }
    }
    return true;
}

}  // namespace

bool EsvaziaPasta(const fs::path& pasta, std::string& erro) {
    std::error_code codigo;
    fs::create_directories(pasta, codigo);
    for (const fs::directory_entry& entrada : fs::directory_iterator(pasta, codigo)) {
        fs::remove_all(entrada.path(), codigo);
        if (codigo) break;
    }
    if (codigo) erro = pasta.string() + ": " + codigo.message();
    return !codigo;
}

std::string IdentidadeEmpresa(const ParametrosEmpresa& parametros, std::uint32_t nDocumentos, std::uint16_t iUsuario) {
    std::ostringstream texto;
    texto << "versao=" << kVersaoGerador << " documentos=" << nDocumentos << " usuario=" << iUsuario
          << " gruposTipos=" << parametros.nGruposTipos << " tiposPorGrupo=" << parametros.nTiposPorGrupo
          << " gruposLocais=" << parametros.nGruposLocais << " subgruposPorGrupo=" << parametros.nSubgruposPorGrupo
          << " locaisPorSubgrupo=" << parametros.nLocaisPorSubgrupo << " usuarios=" << parametros.nUsuarios
          << " tamanhoDescricao=" << parametros.tamanhoDescricao << " semente=" << parametros.semente;
    return texto.str();
}

bool LeEmpresaGuardada(const fs::path& pasta, const std::string& identidade, EmpresaGerada& gerada) {
    std::ifstream entrada(pasta / kEstampa);
    if (!entrada) return false;
    std::string identidadeGuardada;
    EmpresaGerada guardada;
    EstadoPasta registrado, atual;
    if (!LeEstampa(entrada, identidadeGuardada, guardada, registrado)) return false;
    if (identidadeGuardada != identidade || registrado.empty()) return false;
    if (!LeEstadoPasta(pasta, atual) || atual != registrado) return false;
    gerada = guardada;
    return true;
}

bool GuardaEmpresa(const fs::path& origem, const fs::path& pasta, const std::string& identidade,
                   const EmpresaGerada& gerada, std::string& erro) {
    if (!CopiaArquivos(origem, pasta, erro)) return false;
    EstadoPasta estado;
    if (!LeEstadoPasta(pasta, estado)) {
        erro = pasta.string() + ": the copied files cannot be listed";
        return false;
    }
    {
        std::ofstream saida(pasta / kEstampaNova, std::ios::trunc);
        saida << TextoEstampa(identidade, gerada, estado);
        if (!saida.flush()) {
            erro = (pasta / kEstampaNova).string() + ": cannot be written";
            return false;
        }
    }
    std::error_code codigo;
    fs::rename(pasta / kEstampaNova, pasta / kEstampa, codigo);
    if (codigo) erro = (pasta / kEstampa).string() + ": " + codigo.message();
    return !codigo;
}

bool CopiaEmpresaGuardada(const fs::path& pasta, const fs::path& destino, std::string& erro) {
    return CopiaArquivos(pasta, destino, erro);
}

}  // namespace kelvo::bench
