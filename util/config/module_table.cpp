#include "util/config/module_table.h"

#include <array>

namespace {

struct ZTModulo {
    const char* prefixo;
    const char* nome;  // Windows-1252
    int numero;
    int ano;
};

// Row i describes module i + 1.
constexpr std::array<ZTModulo, ZT_QTD_MODULOS> kModulos = {{
    {"DF", "Kelvo Empresarial", 3, 1999},
    {"CT", "Kelvo Cont\xE1" "bil", 4, 1999},
    {"FP", "Kelvo Folha de Pagamento", 5, 1999},
    {"FS", "Kelvo Fiscal", 6, 2000},
    {"PT", "Kelvo Patrim\xF4nio", 7, 2000},
    {"ES", "Kelvo Estoque", 8, 2001},
    {"FT", "Kelvo Faturamento", 9, 2001},
    {"CP", "Kelvo Contas a Pagar", 10, 2002},
    {"CR", "Kelvo Contas a Receber", 11, 2002},
    {"TS", "Kelvo Tesouraria", 12, 2003},
    {"CM", "Kelvo Compras", 13, 2003},
    {"VD", "Kelvo Vendas", 14, 2004},
    {"LV", "Kelvo Livros Fiscais", 15, 2004},
    {"PR", "Kelvo Produ\xE7\xE3o", 16, 2005},
    {"CS", "Kelvo Custos", 17, 2005},
    {"OR", "Kelvo Or\xE7" "amento", 18, 2006},
    {"RH", "Kelvo Recursos Humanos", 19, 2006},
    {"PN", "Kelvo Ponto Eletr\xF4nico", 20, 2007},
    {"AC", "Kelvo Atendimento ao Cliente", 21, 2007},
    {"CB", "Kelvo Cobran\xE7" "a", 22, 2008},
    {"QD", "Kelvo GED", 25, 2008},
    {"BI", "Kelvo Indicadores", 26, 2009},
    {"NF", "Kelvo Nota Fiscal Eletr\xF4nica", 27, 2010},
    {"IM", "Kelvo Importador", 0, 2011},
    {"WB", "Kelvo Portal Web", 28, 2012},
    {"AT", "Kelvo Atualizador", 0, 2012},
    {"MV", "Kelvo M\xF3vel", 29, 2013},
}};

const ZTModulo* Modulo(int indice) {
    if (indice < 1 || indice > ZT_QTD_MODULOS) return nullptr;
    return &kModulos[static_cast<std::size_t>(indice - 1)];
}

// Index of the first row for which `igual` holds; -1 when none.
template <typename Predicado>
int Busca(Predicado igual) {
    for (int indice = 1; indice <= ZT_QTD_MODULOS; ++indice) {
        if (igual(*Modulo(indice))) return indice;
    }
    return -1;
}

}  // namespace

CZTString ZTGetNomeModulo(int indice) {
    const ZTModulo* modulo = Modulo(indice);
    return CZTString(modulo ? modulo->nome : "");
}

CZTString ZTGetPrefixoModulo(int indice) {
    const ZTModulo* modulo = Modulo(indice);
    return CZTString(modulo ? modulo->prefixo : "");
}

int ZTGetNumeroModulo(int indice) {
    const ZTModulo* modulo = Modulo(indice);
    return modulo ? modulo->numero : 0;
}

int ZTGetAnoModulo(int indice) {
    const ZTModulo* modulo = Modulo(indice);
    return modulo ? modulo->ano : 0;
}

int ZTBuscaModuloPorPrefixo(const char* prefixo) {
    if (!prefixo) return -1;
    const CZTString procurado(prefixo);
    return Busca([&](const ZTModulo& modulo) { return procurado.CompareNoCase(modulo.prefixo) == 0; });
}

int ZTBuscaModuloPorNumero(int numero) {
    return Busca([&](const ZTModulo& modulo) { return modulo.numero == numero; });
}

int ZTBuscaModuloPorNome(const char* nome) {
    if (!nome) return -1;
    const CZTString procurado(nome);
    return Busca([&](const ZTModulo& modulo) { return procurado.CompareNoCase(modulo.nome) == 0; });
}
