#include "server/content/qd_arquivos_troca.h"

#include "platform/file/file_operations.h"
#include "platform/file/folder.h"
#include "platform/file/folder_list.h"

platform::FileError CQDArquivosTroca::CriaPasta(const CZTString& pasta) { return platform::CreateFolder(pasta); }

platform::Win32Error CQDArquivosTroca::PastaTemEntradas(const CZTString& pasta, bool& temEntradas) {
    std::vector<platform::FolderEntry> entradas;
    const platform::FileError erro = platform::ListFolder(pasta, entradas);
    temEntradas = !entradas.empty();
    return erro.error;
}

platform::FileError CQDArquivosTroca::Copia(const CZTString& de, const CZTString& para) {
    return platform::CopyFile(de, para, false);
}

platform::FileError CQDArquivosTroca::Apaga(const CZTString& arquivo) { return platform::DeleteFile(arquivo); }

platform::FileError CQDArquivosTroca::RemovePasta(const CZTString& pasta) { return platform::RemoveFolder(pasta); }

std::unique_ptr<platform::File> CQDArquivosTroca::NovoArquivo() { return std::make_unique<platform::File>(); }
