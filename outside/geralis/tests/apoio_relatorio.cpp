#include "outside/geralis/tests/apoio_relatorio.h"

#include "platform/text/codepage.h"
#include "platform/tests/support/test_environment.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <sys/wait.h>

namespace geralis_teste {

void ConfiguraPastaModelos(const std::filesystem::path& pasta) {
    std::filesystem::create_directories(pasta);
    const std::string ansi = platform::AnsiFromUtf8(pasta.string());
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_SUITE, ZT_VALOR_RELATORIOS, ansi.c_str()),
              platform::ERROR_SUCCESS);
}

void GravaModelo(const std::filesystem::path& pasta, const std::string& componente, const std::string& modeloAnsi,
                 const std::string& conteudoAnsi) {
    const std::filesystem::path arquivo = pasta / "QD" / componente / (platform::Utf8FromAnsi(modeloAnsi) + ".txt");
    kelvo::testing::WriteFile(arquivo, conteudoAnsi);
}

std::vector<std::string> Conteudo(const std::filesystem::path& pasta) {
    std::vector<std::string> nomes;
    std::error_code erro;
    for (const auto& entrada : std::filesystem::directory_iterator(pasta, erro)) nomes.push_back(entrada.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

Saida Executa(const std::string& comando) {
    Saida saida;
    FILE* processo = ::popen((comando + " 2>/dev/null").c_str(), "r");
    if (processo == nullptr) return saida;
    std::array<char, 4096> bloco{};
    size_t lidos = 0;
    while ((lidos = std::fread(bloco.data(), 1, bloco.size(), processo)) > 0) saida.texto.append(bloco.data(), lidos);
    const int status = ::pclose(processo);
    saida.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return saida;
}

std::string Aspas(const std::filesystem::path& caminho) {
    std::string texto = "'";
    for (const char c : caminho.string()) {
        if (c == '\'') {
            texto += "'\\''";
        } else {
            texto += c;
        }
    }
    return texto + "'";
}

Saida TextoDoPdf(const std::filesystem::path& pdf) { return Executa("pdftotext -layout -enc UTF-8 " + Aspas(pdf) + " -"); }

InfoPdf Info(const std::filesystem::path& pdf) {
    InfoPdf info;
    const Saida saida = Executa("pdfinfo " + Aspas(pdf));
    if (saida.status != 0) return info;
    std::istringstream linhas(saida.texto);
    std::string linha;
    while (std::getline(linhas, linha)) {
        if (linha.rfind("Pages:", 0) == 0) info.paginas = std::stoi(linha.substr(6));
        if (linha.rfind("Page size:", 0) == 0) {
            std::istringstream tamanho(linha.substr(10));
            std::string x;
            tamanho >> info.largura >> x >> info.altura;
        }
    }
    return info;
}

Imagem RenderizaPagina(const std::filesystem::path& pdf, int pagina, int resolucao, const std::filesystem::path& pasta) {
    Imagem imagem;
    const std::filesystem::path base = pasta / ("pagina" + std::to_string(pagina));
    const std::string numero = std::to_string(pagina);
    const Saida saida = Executa("pdftoppm -gray -singlefile -f " + numero + " -l " + numero + " -r " + std::to_string(resolucao) +
                                " " + Aspas(pdf) + " " + Aspas(base));
    if (saida.status != 0) return imagem;
    const std::string pgm = kelvo::testing::ReadFile(base.string() + ".pgm");
    std::istringstream cabecalho(pgm);
    std::string magico;
    int maximo = 0;
    cabecalho >> magico >> imagem.largura >> imagem.altura >> maximo;
    const auto inicio = static_cast<size_t>(cabecalho.tellg()) + 1;  // one blank after the header
    const auto tamanho = static_cast<size_t>(imagem.largura) * static_cast<size_t>(imagem.altura);
    if (magico != "P5" || maximo != 255 || pgm.size() < inicio + tamanho) return {};
    imagem.pixels.assign(pgm.begin() + static_cast<std::ptrdiff_t>(inicio), pgm.begin() + static_cast<std::ptrdiff_t>(inicio + tamanho));
    return imagem;
}

int Ocorrencias(const std::string& texto, const std::string& trecho) {
    int n = 0;
    for (size_t p = texto.find(trecho); p != std::string::npos; p = texto.find(trecho, p + trecho.size())) ++n;
    return n;
}

}  // namespace geralis_teste

// Under LeakSanitizer: fontconfig keeps a few hundred bytes it allocated while parsing its own
// configuration files at its one-time start-up and never frees them; nothing of ours owns or can
// free them. Everything the generator allocates through pango and cairo is released with the
// report, so only fontconfig's own allocations are excused.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
