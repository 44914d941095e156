#include "util/fiscal/descriptions.h"

#include "platform/text/codepage.h"

namespace {

// One code and its description, written in UTF-8 here and handed out in Windows-1252.
struct Descricao {
    int codigo;
    const char* texto;
};

constexpr Descricao kModais[] = {
    {0, "Rodoviário"}, {1, "Ferroviário"}, {2, "Rodo-Ferroviário"}, {3, "Aquaviário"},
    {4, "Dutoviário"}, {5, "Aéreo"},       {6, "Outras"},
};

constexpr Descricao kViasTransporte[] = {
    {1, "Marítima"},    {2, "Fluvial"},     {3, "Lacustre"},   {4, "Aérea"},
    {5, "Postal"},      {6, "Ferroviária"}, {7, "Rodoviária"}, {8, "Conduto / Rede Transmissão"},
    {9, "Meios Próprios"}, {10, "Entrada / Saída ficta"},
};

constexpr Descricao kFormasImportacao[] = {
    {1, "Importação por conta própria"},
    {2, "Importação por conta e ordem"},
    {3, "Importação por encomenda"},
};

constexpr Descricao kModalidadesFrete[] = {
    {0, "Emitente"}, {1, "Destinatário"}, {2, "Terceiro"}, {9, "Sem frete"},
};

constexpr Descricao kPresencas[] = {
    {'0', "Não se aplica"},
    {'1', "Operação presencial"},
    {'2', "Operação não presencial, pela Internet"},
    {'3', "Operação não presencial, Teleatendimento"},
    {'9', "Operação não presencial, outros"},
};

template <typename Lista>
CZTString Procura(const Lista& lista, int codigo) {
    for (const Descricao& descricao : lista) {
        if (descricao.codigo == codigo) return CZTString(platform::AnsiFromUtf8(descricao.texto));
    }
    return {};
}

}  // namespace

CZTString ZTDescricaoModal(int iCodigo) { return Procura(kModais, iCodigo); }

CZTString ZTDescricaoViaTransporte(int iCodigo) { return Procura(kViasTransporte, iCodigo); }

CZTString ZTDescricaoFormaImportacao(int iCodigo) { return Procura(kFormasImportacao, iCodigo); }

CZTString ZTDescricaoModalidadeFrete(int iCodigo) { return Procura(kModalidadesFrete, iCodigo); }

CZTString ZTDescricaoPresenca(char cCodigo) { return Procura(kPresencas, cCodigo); }
