// Shared helpers of the tests of whole-file operations (the conversions' leftovers, content files
// put in place): file operations that fail chosen renames, and a snapshot of a folder's files.
#pragma once

#include "platform/tests/support/test_environment.h"
#include "server/migrations/qd_operacoes_arquivo.h"
#include "util/file/zt_path.h"

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kelvo::testing {

// File operations that fail chosen renames (by the file names from and to) with access denied,
// each as often as asked once the given number of them went through; everything else is the
// platform's. Every rename is recorded.
class OperacoesComFalhas final : public IQDOperacoesArquivo {
public:
    void FalhaRenomeacao(const std::string& de, const std::string& para, int vezes = 1, int depoisDe = 0) {
        falhas_[{de, para}] = {depoisDe, vezes};
    }
    bool Existe(const platform::String& caminho) override { return QDOperacoesArquivoPadrao().Existe(caminho); }
    platform::FileError Renomeia(const platform::String& de, const platform::String& para) override {
        const std::pair<std::string, std::string> nomes{ZTExtraiNomeArquivo(de).str(), ZTExtraiNomeArquivo(para).str()};
        renomeacoes.push_back(nomes);
        auto falha = falhas_.find(nomes);
        if (falha != falhas_.end() && falha->second.pular > 0) {
            --falha->second.pular;
        } else if (falha != falhas_.end() && falha->second.vezes > 0) {
            --falha->second.vezes;
            return {platform::FileException::accessDenied, platform::ERROR_ACCESS_DENIED};
        }
        return QDOperacoesArquivoPadrao().Renomeia(de, para);
    }
    platform::FileError Exclui(const platform::String& caminho) override {
        return QDOperacoesArquivoPadrao().Exclui(caminho);
    }

    std::vector<std::pair<std::string, std::string>> renomeacoes;

private:
    struct Falha {
        int pular;  // renames that go through first
        int vezes;  // renames that fail then
    };
    std::map<std::pair<std::string, std::string>, Falha> falhas_;
};

// Every file of a folder with its bytes (sub-folders by name only).
inline std::map<std::string, std::string> Fotografia(const std::string& pasta) {
    std::map<std::string, std::string> arquivos;
    for (const auto& entrada : std::filesystem::directory_iterator(pasta)) {
        const std::string nome = entrada.path().filename().string();
        arquivos[nome] = entrada.is_regular_file() ? ReadFile(entrada.path()) : std::string("<folder>");
    }
    return arquivos;
}

}  // namespace kelvo::testing
