#include "util/config/registry_functions.h"

#include "util/config/registry_names.h"
#include "util/config/zt_registry.h"

using namespace platform;

CZTString ZTLeStringRegistry(HKEY raiz, const char* subChave, const char* valor, const char* padrao, bool expandir,
                             const char* maquina) {
    CZTRegistry registro(maquina);
    if (registro.AbreChave(raiz, subChave) != ERROR_SUCCESS) return CZTString(padrao);
    return registro.LeString(valor, padrao, expandir);
}

DWORD ZTLeDWordRegistry(HKEY raiz, const char* subChave, const char* valor, DWORD padrao, const char* maquina) {
    CZTRegistry registro(maquina);
    if (registro.AbreChave(raiz, subChave) != ERROR_SUCCESS) return padrao;
    return registro.LeDWord(valor, padrao);
}

DWORD ZTGravaStringRegistry(HKEY raiz, const char* subChave, const char* valor, const char* texto, const char* maquina) {
    CZTRegistry registro(maquina);
    if (const DWORD erro = registro.CriaChave(raiz, subChave)) return erro;
    return registro.GravaString(valor, texto);
}

DWORD ZTGravaDWordRegistry(HKEY raiz, const char* subChave, const char* valor, DWORD numero, const char* maquina) {
    CZTRegistry registro(maquina);
    if (const DWORD erro = registro.CriaChave(raiz, subChave)) return erro;
    return registro.GravaDWord(valor, numero);
}

DWORD ZTApagaValorRegistry(HKEY raiz, const char* subChave, const char* valor, const char* maquina) {
    CZTRegistry registro(maquina);
    if (const DWORD erro = registro.AbreChave(raiz, subChave, true)) return erro;
    return registro.ApagaValor(valor);
}

DWORD ZTTestaRegistroRemoto(const char* maquina) {
    CZTRegistry registro(maquina);
    return registro.AbreChave(HKEY_LOCAL_MACHINE, ZT_CHAVE_SISTEMA, true);
}

void ZTListaPortasSeriais(CZTStringArray& lista) {
    lista.clear();
    CZTRegistry registro;
    if (registro.AbreChave(HKEY_LOCAL_MACHINE, ZT_CHAVE_PORTAS_SERIAIS) != ERROR_SUCCESS) return;
    CZTStringArray nomes;
    registro.GetValores(nomes);
    for (const CZTString& nome : nomes) {
        CZTString porta = registro.LeString(nome);
        if (!porta.IsEmpty()) lista.push_back(std::move(porta));
    }
}
