#include "outside/geralis/modelo_relatorio.h"

#include "outside/geralis/geralis_definicoes.h"
#include "platform/text/codepage.h"
#include "platform/exception.h"
#include "platform/file/file.h"

#include <cstdint>
#include <set>
#include <string>

namespace {

using platform::HRESULT;

std::string_view Apara(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string_view::npos) return {};
    const auto fim = texto.find_last_not_of(" \t");
    return texto.substr(inicio, fim - inicio + 1);
}

// The fields of a line between its ';', each without its surrounding spaces.
std::vector<std::string_view> Campos(std::string_view linha) {
    std::vector<std::string_view> campos;
    for (;;) {
        const auto fim = linha.find(';');
        campos.push_back(Apara(linha.substr(0, fim)));
        if (fim == std::string_view::npos) return campos;
        linha.remove_prefix(fim + 1);
    }
}

bool MesmaPalavra(std::string_view campo, const char* palavra) {
    return platform::String(campo).CompareNoCase(palavra) == 0;
}

// A decimal number of digits only, within [minimo, maximo].
bool Numero(std::string_view campo, int minimo, int maximo, int& valor) {
    if (campo.empty() || campo.size() > 6) return false;
    int n = 0;
    for (const char c : campo) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (n < minimo || n > maximo) return false;
    valor = n;
    return true;
}

bool TemControle(std::string_view linha) {
    for (const char c : linha) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return true;
    }
    return false;
}

// Reads a model line by line, remembering what it has seen.
class Interpretador {
public:
    explicit Interpretador(CZTString& strErro) : erro_(strErro) {}

    HRESULT Texto(std::string_view texto) {
        if (texto.size() > static_cast<size_t>(GERALIS_MODELO_BYTES_MAXIMO)) return Falha("arquivo maior que 64 KiB");
        while (!texto.empty()) {
            ++linha_;
            const auto fim = texto.find('\n');
            std::string_view linha = texto.substr(0, fim);
            texto.remove_prefix(fim == std::string_view::npos ? texto.size() : fim + 1);
            if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
            const HRESULT hr = Linha(linha);
            if (platform::FAILED(hr)) return hr;
        }
        linha_ = 0;
        if (!titulo_) return Falha("falta a linha TITULO");
        if (modelo_.colunas.empty()) return Falha("falta ao menos uma linha COLUNA");
        return platform::S_OK;
    }

    GeralisModelo& Modelo() { return modelo_; }

private:
    HRESULT Linha(std::string_view linha) {
        if (linha.size() > static_cast<size_t>(GERALIS_MODELO_LINHA_MAXIMA)) return Falha("linha maior que 1.024 bytes");
        if (TemControle(linha)) return Falha("caractere de controle na linha");
        const std::string_view aparada = Apara(linha);
        if (aparada.empty() || aparada.front() == '#') return platform::S_OK;
        const std::vector<std::string_view> campos = Campos(aparada);
        if (MesmaPalavra(campos[0], "TITULO")) return Titulo(aparada);
        if (MesmaPalavra(campos[0], "FOLHA")) return Folha(campos);
        if (MesmaPalavra(campos[0], "COLUNA")) return Coluna(campos);
        return Falha("palavra-chave desconhecida (TITULO, FOLHA ou COLUNA)");
    }

    HRESULT Titulo(std::string_view linha) {
        if (titulo_) return Falha("TITULO repetido");
        const auto separador = linha.find(';');
        const std::string_view titulo = separador == std::string_view::npos ? std::string_view{} : Apara(linha.substr(separador + 1));
        if (titulo.empty() || titulo.size() > static_cast<size_t>(GERALIS_TITULO_MAXIMO)) {
            return Falha("o título deve ter de 1 a 200 caracteres");
        }
        modelo_.strTitulo = CZTString(titulo);
        titulo_ = true;
        return platform::S_OK;
    }

    HRESULT Folha(const std::vector<std::string_view>& campos) {
        if (folha_) return Falha("FOLHA repetida");
        if (campos.size() != 2) return Falha("FOLHA deve ser RETRATO ou PAISAGEM");
        if (MesmaPalavra(campos[1], "PAISAGEM")) {
            modelo_.bPaisagem = true;
        } else if (!MesmaPalavra(campos[1], "RETRATO")) {
            return Falha("FOLHA deve ser RETRATO ou PAISAGEM");
        }
        folha_ = true;
        return platform::S_OK;
    }

    HRESULT Coluna(const std::vector<std::string_view>& campos) {
        if (campos.size() != 4) return Falha("COLUNA deve ter código, legenda e largura");
        GeralisColunaModelo coluna;
        if (!Numero(campos[1], 1, GERALIS_CODIGO_MAXIMO, coluna.iCodigo)) return Falha("código de coluna fora de 1 a 32767");
        if (!codigos_.insert(coluna.iCodigo).second) return Falha("código de coluna repetido");
        if (campos[2].size() > static_cast<size_t>(GERALIS_LEGENDA_MAXIMA)) return Falha("legenda maior que 100 caracteres");
        if (!Numero(campos[3], GERALIS_LARGURA_MINIMA, GERALIS_LARGURA_MAXIMA, coluna.iLargura)) {
            return Falha("largura fora de 5 a 300 milímetros");
        }
        if (modelo_.colunas.size() >= static_cast<size_t>(GERALIS_MODELO_COLUNAS_MAXIMO)) return Falha("mais de 64 colunas");
        coluna.strTitulo = CZTString(campos[2]);
        modelo_.colunas.push_back(std::move(coluna));
        return platform::S_OK;
    }

    // The rule is written in UTF-8 here and kept in Windows-1252, as every text of the system.
    HRESULT Falha(const char* regra) {
        const std::string texto = platform::AnsiFromUtf8(regra);
        if (linha_ > 0) {
            erro_.Format("linha %d: %s", linha_, texto.c_str());
        } else {
            erro_ = CZTString(texto);
        }
        return GERALIS_E_MODELO_INVALIDO;
    }

    CZTString& erro_;
    GeralisModelo modelo_;
    std::set<int> codigos_;
    int linha_ = 0;
    bool titulo_ = false;
    bool folha_ = false;
};

HRESULT ErroDoArquivo(const platform::FileException& erro) {
    return erro.m_lOsError > 0 ? platform::HResultFromWin32(static_cast<std::uint32_t>(erro.m_lOsError)) : platform::E_FAIL;
}

// The whole file, refused (GERALIS_E_MODELO_INVALIDO) before reading when it is larger than a
// model may be.
HRESULT LeArquivo(const CZTString& caminho, std::string& texto) {
    platform::File arquivo;
    platform::FileException erro;
    if (!arquivo.Open(caminho, platform::File::modeRead | platform::File::shareDenyWrite | platform::File::typeBinary, &erro)) {
        return ErroDoArquivo(erro);
    }
    try {
        const std::uint64_t tamanho = arquivo.GetLength();
        if (tamanho > static_cast<std::uint64_t>(GERALIS_MODELO_BYTES_MAXIMO)) return GERALIS_E_MODELO_INVALIDO;
        texto.resize(static_cast<size_t>(tamanho));
        const unsigned lidos = tamanho == 0 ? 0 : arquivo.Read(texto.data(), static_cast<unsigned>(tamanho));
        texto.resize(lidos);
        arquivo.Close();
    } catch (const platform::FileException& falha) {
        return ErroDoArquivo(falha);
    }
    return platform::S_OK;
}

}  // namespace

HRESULT GeralisInterpretaModelo(std::string_view texto, GeralisModelo& modelo, CZTString& strErro) {
    Interpretador interpretador(strErro);
    const HRESULT hr = interpretador.Texto(texto);
    if (platform::FAILED(hr)) return hr;
    modelo = std::move(interpretador.Modelo());
    return platform::S_OK;
}

HRESULT GeralisLeModelo(const char* szCaminho, GeralisModelo& modelo, CZTString& strErro) {
    const CZTString caminho(szCaminho);
    std::string texto;
    const HRESULT hr = LeArquivo(caminho, texto);
    if (platform::FAILED(hr)) {
        strErro = caminho + ": " + CZTString(platform::AnsiFromUtf8(hr == GERALIS_E_MODELO_INVALIDO ? "arquivo maior que 64 KiB" : "o modelo não pôde ser lido"));
        return hr;
    }
    const HRESULT hrModelo = GeralisInterpretaModelo(texto, modelo, strErro);
    if (platform::FAILED(hrModelo)) strErro = caminho + ": " + strErro;
    return hrModelo;
}
