#include "util/file/zt_temp_file.h"

#include "platform/file/file_temp.h"

CZTString ZTGetDiretorioTemp() { return CZTString(platform::TempFolder()); }

CZTString ZTGetNomeArquivoTemp(const char* prefixo) {
    platform::String path;
    if (platform::CreateTempFile(platform::TempFolder(), prefixo, path).Failed()) return {};
    return CZTString(path);
}
