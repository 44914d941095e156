#include "server/record_file/zt_arq_falha.h"

#include "util/config/zt_registry.h"
#include "util/file/zt_path.h"

namespace {

constexpr char kUsuarioFalha[] = "0";
constexpr char kArquivoLimpo[] = " ";

// Writes both values unless they already hold exactly these texts.
void GravaMarca(const char* usuario, const char* arquivo) {
    CZTRegistry registro;
    if (registro.AbreChave(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_ERROS) == platform::ERROR_SUCCESS &&
        registro.LeString(ZT_VALOR_ERRO_USUARIO) == usuario && registro.LeString(ZT_VALOR_ERRO_ARQUIVO) == arquivo) {
        return;
    }
    if (registro.CriaChave(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_ERROS) != platform::ERROR_SUCCESS) return;
    (void)registro.GravaString(ZT_VALOR_ERRO_USUARIO, usuario);
    (void)registro.GravaString(ZT_VALOR_ERRO_ARQUIVO, arquivo);
}

}  // namespace

void ZTMarcaFalhaArquivo(const char* caminho) {
    const CZTString nome = ZTExtraiNomeArquivo(caminho);
    GravaMarca(kUsuarioFalha, nome);
}

void ZTLimpaFalhaArquivo(const char* caminho) {
    CZTRegistry registro;
    if (registro.AbreChave(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_ERROS) != platform::ERROR_SUCCESS) return;
    if (registro.LeString(ZT_VALOR_ERRO_ARQUIVO) != ZTExtraiNomeArquivo(caminho)) return;
    registro.FechaChave();
    GravaMarca(kUsuarioFalha, kArquivoLimpo);
}
