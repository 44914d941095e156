// What the generator's tests share: a report-models folder in the private registry, model files
// in it, the files a folder holds, and poppler's command-line tools run on a written PDF.
//
// Every function expects a kelvo::testing::TestEnvironment to be alive. Paths given as
// std::string are UTF-8 (the disk's); Windows-1252 texts are said to be so.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace geralis_teste {

// Points the suite's report-models value at `pasta` (created).
void ConfiguraPastaModelos(const std::filesystem::path& pasta);
// Writes the model `modeloAnsi` (Windows-1252 name) of module "QD", report `componente`, into
// the models folder `pasta`, with `conteudoAnsi` (Windows-1252 text).
void GravaModelo(const std::filesystem::path& pasta, const std::string& componente, const std::string& modeloAnsi,
                 const std::string& conteudoAnsi);

// The names of the entries of `pasta`, sorted.
[[nodiscard]] std::vector<std::string> Conteudo(const std::filesystem::path& pasta);

// Runs `comando` through the shell; its exit status and what it printed on standard output.
struct Saida {
    int status = -1;
    std::string texto;
};
[[nodiscard]] Saida Executa(const std::string& comando);
// A path quoted for the shell.
[[nodiscard]] std::string Aspas(const std::filesystem::path& caminho);

// `pdftotext -layout` of a PDF: UTF-8 text, pages ended by form feeds.
[[nodiscard]] Saida TextoDoPdf(const std::filesystem::path& pdf);
// The page count and the first page's size in points that `pdfinfo` reports (0 when it fails).
struct InfoPdf {
    int paginas = 0;
    double largura = 0;
    double altura = 0;
};
[[nodiscard]] InfoPdf Info(const std::filesystem::path& pdf);
// Page `pagina` (from 1) of a PDF rendered in grey by `pdftoppm` at `resolucao` dots per inch into
// `pasta`: one byte per pixel, row by row (empty when it fails).
struct Imagem {
    int largura = 0;
    int altura = 0;
    std::vector<unsigned char> pixels;
};
[[nodiscard]] Imagem RenderizaPagina(const std::filesystem::path& pdf, int pagina, int resolucao,
                                     const std::filesystem::path& pasta);
// How many times `trecho` occurs in `texto`.
[[nodiscard]] int Ocorrencias(const std::string& texto, const std::string& trecho);

}  // namespace geralis_teste
