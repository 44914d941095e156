// Company, module and index folders (declared in util/config/folders.h).
#include "util/config/folders.h"

#include "util/config/folder_values.h"
#include "util/config/module_table.h"
#include "util/config/registry_names.h"
#include "util/config/zt_registry.h"

using namespace config_detail;
using platform::HKEY_LOCAL_MACHINE;

namespace {

// The electronic-invoice module keeps its data and installation under the base module's.
int ModuloDono(int modulo) { return modulo == ZT_MODULO_NFE ? ZT_MODULO_EMPRESARIAL : modulo; }

// Value `valor` of company `empresa`'s key on `maquina`; false when the key or the value is
// missing (an empty company code names no company).
bool LeValorEmpresa(const char* empresa, const char* valor, const char* maquina, CZTString& texto) {
    if (!empresa || !*empresa || !valor || !*valor) return false;
    CZTRegistry registro(maquina);
    const CZTString chave = CZTString(ZT_CHAVE_EMPRESAS) + empresa;
    if (registro.AbreChave(HKEY_LOCAL_MACHINE, chave) != platform::ERROR_SUCCESS) return false;
    return LeValorExistente(registro, valor, texto);
}

// The company folder from its stored value: with the invoice level for module 23; a missing base
// folder gives no folder rather than a bare "NFe/".
CZTString PastaDaEmpresa(const CZTString& texto, bool nfe) {
    if (texto.IsEmpty()) return texto;
    CZTString pasta = ComBarraFinal(texto);
    if (nfe) pasta = ComBarraFinal(pasta + ZT_PASTA_NFE);
    return pasta;
}

// Module `modulo`'s installation folder on `maquina`; false when the module is unknown or its key
// or value is missing.
bool LeDiretorioModulo(int modulo, const char* maquina, CZTString& pasta) {
    const CZTString nome = ZTGetNomeModulo(ModuloDono(modulo));
    if (nome.IsEmpty()) return false;
    CZTRegistry registro(maquina);
    if (registro.AbreChave(HKEY_LOCAL_MACHINE, CZTString(ZT_CHAVE_SUITE) + nome) != platform::ERROR_SUCCESS) return false;
    CZTString texto;
    if (!LeValorExistente(registro, ZT_VALOR_PATH, texto)) return false;
    pasta = ComBarraFinal(texto);
    return true;
}

int IndicePorPrefixo(const char* prefixo) {
    CZTString maiusculo(prefixo);
    maiusculo.MakeUpper();
    return ZTBuscaModuloPorPrefixo(maiusculo);
}

}  // namespace

CZTString ZTGetDiretorioEmpresa(int modulo, const char* empresa, const char* maquina) {
    const CZTString valor = ZTGetPrefixoModulo(ModuloDono(modulo));
    CZTString texto;
    if (!LeValorEmpresa(empresa, valor, maquina, texto)) return {};
    return PastaDaEmpresa(texto, modulo == ZT_MODULO_NFE);
}

int ZTBuscaDiretorioEmpresa(const char* prefixo, const char* empresa, CZTString& pasta) {
    const bool nfe = IndicePorPrefixo(prefixo) == ZT_MODULO_NFE;
    const CZTString valor = nfe ? ZTGetPrefixoModulo(ZT_MODULO_EMPRESARIAL) : CZTString(prefixo);
    CZTString texto;
    if (!LeValorEmpresa(empresa, valor, nullptr, texto)) return 0;
    pasta = PastaDaEmpresa(texto, nfe);
    return 1;
}

CZTString ZTGetDiretorioModulo(int modulo, const char* maquina) {
    CZTString pasta;
    return LeDiretorioModulo(modulo, maquina, pasta) ? pasta : CZTString();
}

int ZTBuscaDiretorioModulo(const char* prefixo, CZTString& pasta) {
    CZTString lida;
    if (!LeDiretorioModulo(IndicePorPrefixo(prefixo), nullptr, lida)) return ZT_MSG_DIRETORIO_AUSENTE;
    pasta = lida;
    return 0;
}

int ZTBuscaDiretorioModulo(const char* prefixo, char* pasta, std::size_t tamanho) {
    CZTString lida;
    if (const int erro = ZTBuscaDiretorioModulo(prefixo, lida)) return erro;
    return CopiaParaBuffer(lida, pasta, tamanho) ? 0 : ZT_MSG_DIRETORIO_AUSENTE;
}

int ZTBuscaDiretorioIndice(CZTString& pasta) {
    CZTRegistry registro;
    if (registro.AbreChave(HKEY_LOCAL_MACHINE, ZT_CHAVE_INDICE) != platform::ERROR_SUCCESS) return ZT_MSG_DIRETORIO_AUSENTE;
    const CZTString texto = registro.LeString(ZT_VALOR_INDICE);
    if (texto.IsEmpty()) return ZT_MSG_DIRETORIO_AUSENTE;
    pasta = ComBarraFinal(texto);
    return 0;
}
