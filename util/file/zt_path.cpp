#include "util/file/zt_path.h"

#include "platform/system/process_info.h"

namespace {

constexpr char kSeparator = '/';

bool IsEmptyText(const char* text) { return !text || !*text; }

bool IsLocalMachine(const CZTString& machine) {
    if (machine.IsEmpty()) return true;
    platform::String host;
    return platform::HostName(host) == platform::ERROR_SUCCESS && machine.CompareNoCase(host) == 0;
}

// The length of a leading "//server" part, the '/' after it not counted; 0 when there is none.
int ServerPartLength(const CZTString& path) {
    if (path.Left(2) != "//") return 0;
    const int slash = path.Find(kSeparator, 2);
    return slash < 0 ? path.GetLength() : slash;
}

// The path without a leading "//server" part (the rest starts with its '/', or is empty).
CZTString WithoutServer(const CZTString& path) { return path.Mid(ServerPartLength(path)); }

}  // namespace

CZTString ZTConcatenaPath(const char* pasta, const char* nome) {
    if (!nome) return CZTString(pasta);
    if (IsEmptyText(pasta)) return CZTString(nome);
    const CZTString folder(pasta);
    const bool folderEnds = folder.GetAt(folder.GetLength() - 1) == kSeparator;
    const bool nameStarts = nome[0] == kSeparator;
    if (folderEnds && nameStarts) return folder + (nome + 1);
    if (!folderEnds && !nameStarts) return folder + kSeparator + nome;
    return folder + nome;
}

CZTString ZTTrocaExtensao(const char* caminho, const char* extensao) {
    if (IsEmptyText(caminho) || !extensao) return {};
    const CZTString path(caminho);
    const CZTString extension = extensao[0] == '.' ? CZTString(extensao) : CZTString("." + platform::String(extensao));
    const int dot = path.ReverseFind('.');
    if (dot < 0) return path + extension;
    const int slash = path.Find(kSeparator, dot);
    if (slash < 0) return path.Left(dot) + extension;
    if (slash == path.GetLength() - 1) return path;
    return path + extension;
}

CZTString ZTExtraiDiretorio(const char* caminho) {
    const CZTString path(caminho);
    return path.Left(path.ReverseFind(kSeparator) + 1);
}

CZTString ZTExtraiNomeArquivo(const char* caminho) {
    const CZTString path(caminho);
    return path.Mid(path.ReverseFind(kSeparator) + 1);
}

CZTString ZTExtraiExtensao(const char* caminho) {
    const CZTString path(caminho);
    const int dot = path.ReverseFind('.');
    if (dot < 0 || path.Find(kSeparator, dot) >= 0) return {};
    return path.Mid(dot + 1);
}

CZTString ZTExtraiNomeSemExtensao(const char* caminho) {
    const CZTString name = ZTExtraiNomeArquivo(caminho);
    const int dot = name.ReverseFind('.');
    return dot < 0 ? name : CZTString(name.Left(dot));
}

bool ZTTemExtensao(const char* caminho) {
    const CZTString path(caminho);
    return path.ReverseFind('.') > path.ReverseFind(kSeparator);
}

CZTString ZTExtraiRaiz(const char* caminho) {
    const CZTString path(caminho);
    if (const int server = ServerPartLength(path); server > 0) return path.Left(server + 1);
    return caminho && caminho[0] == kSeparator ? CZTString("/") : CZTString();
}

CZTString ZTCaminhoRemoto(const char* maquina, const char* caminho) {
    CZTString machine(maquina);
    machine.Replace("//", "");
    if (IsLocalMachine(machine)) return CZTString(caminho);
    CZTString path(caminho);
    path.Replace(':', '$');
    return ZTConcatenaPath(CZTString("//" + machine), WithoutServer(path));
}
