// Reading back a PDF a test made: its text as poppler's pdftotext prints it and the number of
// pages pdftoppm renders, the line of its text that holds a piece, the PDFs in a folder. What
// pdftotext prints is UTF-8. For the test's main thread.
#pragma once

#include "platform/system/process_spawn.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kelvo::testing {

// A program's output and exit code.
struct SaidaPrograma {
    int codigo = -1;
    std::string texto;
};

inline SaidaPrograma Executa(const std::vector<std::string>& argumentos) {
    SaidaPrograma saida;
    if (platform::RunAndCapture(argumentos, saida.texto, &saida.codigo, std::size_t{1} << 22) != platform::ERROR_SUCCESS) {
        saida.codigo = -1;
    }
    return saida;
}

// What the PDF at `pdf` shows: its text as pdftotext prints it (UTF-8, one report line per text
// line) and the number of pages pdftoppm renders (0 when it cannot open the file).
struct PdfLido {
    std::string texto;
    int paginas = 0;
};

inline PdfLido LePdf(const std::filesystem::path& pdf, const std::filesystem::path& pasta) {
    PdfLido lido;
    const SaidaPrograma texto = Executa({"pdftotext", "-layout", pdf.string(), "-"});
    if (texto.codigo == 0) lido.texto = texto.texto;
    const std::filesystem::path imagens = pasta / "paginas";
    std::filesystem::create_directories(imagens);
    const SaidaPrograma render = Executa({"pdftoppm", "-r", "20", "-gray", pdf.string(), (imagens / "p").string()});
    if (render.codigo != 0) return lido;
    for ([[maybe_unused]] const auto& entrada : std::filesystem::directory_iterator(imagens)) ++lido.paginas;
    std::filesystem::remove_all(imagens);
    return lido;
}

// The line of `texto` that holds `trecho` (UTF-8), empty when none does.
inline std::string LinhaCom(const std::string& texto, const std::string& trecho) {
    const std::size_t achado = texto.find(trecho);
    if (achado == std::string::npos) return {};
    const std::size_t inicio = texto.rfind('\n', achado);
    const std::size_t fim = texto.find('\n', achado);
    return texto.substr(inicio == std::string::npos ? 0 : inicio + 1,
                        (fim == std::string::npos ? texto.size() : fim) - (inicio == std::string::npos ? 0 : inicio + 1));
}

// The PDF files directly in `pasta`, in no particular order.
inline std::vector<std::filesystem::path> PdfsEm(const std::filesystem::path& pasta) {
    std::vector<std::filesystem::path> pdfs;
    for (const auto& entrada : std::filesystem::directory_iterator(pasta)) {
        if (entrada.path().extension() == ".pdf") pdfs.push_back(entrada.path());
    }
    return pdfs;
}

}  // namespace kelvo::testing
