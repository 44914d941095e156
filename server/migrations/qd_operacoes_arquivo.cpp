#include "server/migrations/qd_operacoes_arquivo.h"

#include "platform/file/file_operations.h"
#include "platform/file/file_status.h"

namespace {

class CQDOperacoesPlataforma final : public IQDOperacoesArquivo {
public:
    bool Existe(const platform::String& caminho) override {
        platform::FileStatus status;
        return platform::GetFileStatus(caminho, status) == platform::ERROR_SUCCESS;
    }
    platform::FileError Renomeia(const platform::String& de, const platform::String& para) override {
        return platform::RenameFile(de, para);
    }
    platform::FileError Exclui(const platform::String& caminho) override { return platform::DeleteFile(caminho); }
};

}  // namespace

IQDOperacoesArquivo& QDOperacoesArquivoPadrao() {
    static CQDOperacoesPlataforma operacoes;
    return operacoes;
}

platform::HRESULT QDHResultOperacao(const platform::FileError& erro) {
    if (!erro.Failed()) return platform::S_OK;
    return platform::HResultFromMessage(static_cast<std::uint32_t>(erro.error));
}
