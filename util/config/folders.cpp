#include "util/config/folders.h"

#include "util/config/folder_values.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"
#include "util/config/zt_registry.h"

using namespace config_detail;
using platform::HKEY_LOCAL_MACHINE;

namespace {

// 0 and the suite key's value `valor` as a folder, or the missing-folder code (`pasta` untouched).
int LeDiretorioSuite(const char* valor, CZTString& pasta) {
    CZTRegistry registro;
    if (registro.AbreChave(HKEY_LOCAL_MACHINE, ZT_CHAVE_SUITE) != platform::ERROR_SUCCESS) return ZT_MSG_DIRETORIO_AUSENTE;
    CZTString texto;
    if (!LeValorExistente(registro, valor, texto)) return ZT_MSG_DIRETORIO_AUSENTE;
    pasta = ComBarraFinal(texto);
    return 0;
}

int PastaEmString(const char* valor, CZTString& destino) {
    destino.Empty();
    return LeDiretorioSuite(valor, destino);
}

int PastaEmBuffer(const char* valor, char* destino, std::size_t tamanho) {
    if (destino && tamanho > 0) destino[0] = '\0';
    CZTString pasta;
    if (const int erro = LeDiretorioSuite(valor, pasta)) return erro;
    return CopiaParaBuffer(pasta, destino, tamanho) ? 0 : ZT_MSG_DIRETORIO_AUSENTE;
}

}  // namespace

CZTString ZTGetDiretorio(const char* valor, const char* padrao) {
    return ComBarraFinal(ZTLeStringRegistry(HKEY_LOCAL_MACHINE, ZT_CHAVE_SUITE, valor, padrao));
}

CZTString ZTGetDiretorioMensagens(const char* padrao) { return ZTGetDiretorio(ZT_VALOR_MENSAGENS, padrao); }
CZTString ZTGetDiretorioRelatorios(const char* padrao) { return ZTGetDiretorio(ZT_VALOR_RELATORIOS, padrao); }
CZTString ZTGetDiretorioAjuda(const char* padrao) { return ZTGetDiretorio(ZT_VALOR_AJUDA, padrao); }
CZTString ZTGetDiretorioCadastros(const char* padrao) { return ZTGetDiretorio(ZT_VALOR_CADASTROS, padrao); }
CZTString ZTGetDiretorioNFe(const char* padrao) { return ZTGetDiretorio(ZT_VALOR_NFE, padrao); }
CZTString ZTGetDiretorioImagens(const char* padrao) { return ZTGetDiretorio(ZT_VALOR_IMAGENS, padrao); }
CZTString ZTGetDiretorioLocal(const char* padrao) { return ZTGetDiretorio(ZT_VALOR_LOCAL, padrao); }

int ZTBuscaDiretorioMensagens(CZTString& pasta) { return LeDiretorioSuite(ZT_VALOR_MENSAGENS, pasta); }
int ZTBuscaDiretorioImagens(CZTString& pasta) { return LeDiretorioSuite(ZT_VALOR_IMAGENS, pasta); }
int ZTBuscaDiretorioRelatorios(CZTString& pasta) { return LeDiretorioSuite(ZT_VALOR_RELATORIOS, pasta); }
int ZTBuscaDiretorioAjuda(CZTString& pasta) { return LeDiretorioSuite(ZT_VALOR_AJUDA, pasta); }
int ZTBuscaDiretorioCadastros(CZTString& pasta) { return LeDiretorioSuite(ZT_VALOR_CADASTROS, pasta); }

int ZTPastaMensagens(char* destino, std::size_t tamanho) { return PastaEmBuffer(ZT_VALOR_MENSAGENS, destino, tamanho); }
int ZTPastaRelatorios(char* destino, std::size_t tamanho) { return PastaEmBuffer(ZT_VALOR_RELATORIOS, destino, tamanho); }
int ZTPastaAjuda(char* destino, std::size_t tamanho) { return PastaEmBuffer(ZT_VALOR_AJUDA, destino, tamanho); }
int ZTPastaMensagens(CZTString& destino) { return PastaEmString(ZT_VALOR_MENSAGENS, destino); }
int ZTPastaRelatorios(CZTString& destino) { return PastaEmString(ZT_VALOR_RELATORIOS, destino); }
int ZTPastaAjuda(CZTString& destino) { return PastaEmString(ZT_VALOR_AJUDA, destino); }
