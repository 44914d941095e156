#include "util/file/zt_file_probe.h"

#include "platform/file/file.h"
#include "platform/file/file_operations.h"
#include "util/file/zt_path.h"

namespace {

constexpr const char* kProbeName = "DF0001.tmp";

bool IsFolder(const char* path) {
    platform::FileStatus status;
    return platform::File::GetStatus(path, status) && (status.m_attribute & platform::FileStatus::directory) != 0;
}

bool Exists(const char* path) {
    platform::FileStatus status;
    return platform::File::GetStatus(path, status);
}

// Opens (creating when missing, never truncating) for reading and writing, sharing everything.
bool OpensForWriting(const char* path) {
    platform::File file;
    const unsigned flags = platform::File::modeReadWrite | platform::File::shareDenyNone | platform::File::modeCreate |
                           platform::File::modeNoTruncate;
    if (!file.Open(path, flags)) return false;
    file.Abort();
    return true;
}

}  // namespace

bool ZTExisteCaminho(const char* caminho) {
    if (!caminho || !*caminho) return false;
    if (IsFolder(caminho)) return true;
    platform::File file;
    return file.Open(caminho, platform::File::modeRead | platform::File::shareDenyNone);
}

bool ZTArquivoPresente(const char* caminho) {
    if (!caminho) return false;
    platform::File file;
    platform::FileException error;
    if (file.Open(caminho, platform::File::modeReadWrite | platform::File::shareDenyNone, &error)) return true;
    return error.m_lOsError != static_cast<long>(platform::ERROR_FILE_NOT_FOUND) &&
           error.m_lOsError != static_cast<long>(platform::ERROR_PATH_NOT_FOUND);
}

bool ZTMoveArquivo(const char* origem, const char* destino, bool falhaSeExiste) {
    if (!origem || !destino) return false;
    if (platform::CopyFile(origem, destino, falhaSeExiste).Failed()) return false;
    return !platform::DeleteFile(origem).Failed();
}

bool ZTPodeGravar(const char* caminho) {
    if (!caminho || !*caminho) return false;
    if (IsFolder(caminho)) {
        const CZTString probe = ZTConcatenaPath(caminho, kProbeName);
        const bool created = !Exists(probe);
        const bool writable = OpensForWriting(probe);
        if (writable && created) (void)platform::DeleteFile(probe);
        return writable;
    }
    // An existing file is probed itself (a probe file below a file could never be created).
    if (!ZTExisteCaminho(caminho) && !ZTArquivoPresente(caminho)) return false;
    return OpensForWriting(caminho);
}
