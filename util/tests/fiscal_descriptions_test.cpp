#include "util/fiscal/descriptions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The expected texts are written with Windows-1252 escapes, independently of the conversion the
// library uses, so that a text stored in another code page is caught.
struct Caso { int codigo; const char* texto; };

void Confere(CZTString (*descricao)(int), const Caso* casos, size_t quantos, const int* fora, size_t quantosFora) {
    for (size_t i = 0; i < quantos; ++i) {
        EXPECT_EQ(descricao(casos[i].codigo).str(), std::string(casos[i].texto)) << casos[i].codigo;
    }
    for (size_t i = 0; i < quantosFora; ++i) EXPECT_EQ(descricao(fora[i]).str(), "") << fora[i];
}

template <size_t N, size_t M>
void Confere(CZTString (*descricao)(int), const Caso (&casos)[N], const int (&fora)[M]) {
    Confere(descricao, casos, N, fora, M);
}

// Guards every transport mode and one past each end.
TEST(ZTDescricaoModal, DescribesEveryCode) {
    const Caso casos[] = {
        {0, "Rodovi\xE1rio"}, {1, "Ferrovi\xE1rio"}, {2, "Rodo-Ferrovi\xE1rio"}, {3, "Aquavi\xE1rio"},
        {4, "Dutovi\xE1rio"}, {5, "A\xE9reo"}, {6, "Outras"},
    };
    const int fora[] = {-1, 7};
    Confere(ZTDescricaoModal, casos, fora);
}

// Guards every transport way and one past each end.
TEST(ZTDescricaoViaTransporte, DescribesEveryCode) {
    const Caso casos[] = {
        {1, "Mar\xEDtima"}, {2, "Fluvial"}, {3, "Lacustre"}, {4, "A\xE9rea"}, {5, "Postal"},
        {6, "Ferrovi\xE1ria"}, {7, "Rodovi\xE1ria"}, {8, "Conduto / Rede Transmiss\xE3o"},
        {9, "Meios Pr\xF3prios"}, {10, "Entrada / Sa\xED" "da ficta"},
    };
    const int fora[] = {0, 11};
    Confere(ZTDescricaoViaTransporte, casos, fora);
}

// Guards every form of import and one past each end.
TEST(ZTDescricaoFormaImportacao, DescribesEveryCode) {
    const Caso casos[] = {
        {1, "Importa\xE7\xE3o por conta pr\xF3pria"},
        {2, "Importa\xE7\xE3o por conta e ordem"},
        {3, "Importa\xE7\xE3o por encomenda"},
    };
    const int fora[] = {0, 4};
    Confere(ZTDescricaoFormaImportacao, casos, fora);
}

// Guards every freight arrangement, one past each end and the gap between 2 and 9.
TEST(ZTDescricaoModalidadeFrete, DescribesEveryCode) {
    const Caso casos[] = {{0, "Emitente"}, {1, "Destinat\xE1rio"}, {2, "Terceiro"}, {9, "Sem frete"}};
    const int fora[] = {-1, 3, 8, 10};
    Confere(ZTDescricaoModalidadeFrete, casos, fora);
}

// Guards every presence character, the neighbours of each end and of the gap, and that the
// number rather than the character is not taken for a code.
TEST(ZTDescricaoPresenca, DescribesEveryCode) {
    struct CasoPresenca { char codigo; const char* texto; };
    const CasoPresenca casos[] = {
        {'0', "N\xE3o se aplica"},
        {'1', "Opera\xE7\xE3o presencial"},
        {'2', "Opera\xE7\xE3o n\xE3o presencial, pela Internet"},
        {'3', "Opera\xE7\xE3o n\xE3o presencial, Teleatendimento"},
        {'9', "Opera\xE7\xE3o n\xE3o presencial, outros"},
    };
    for (const CasoPresenca& caso : casos) {
        EXPECT_EQ(ZTDescricaoPresenca(caso.codigo).str(), std::string(caso.texto)) << caso.codigo;
    }
    const char fora[] = {'/', '4', '8', ':', '\0', '\x01', 'a'};
    for (char codigo : fora) EXPECT_EQ(ZTDescricaoPresenca(codigo).str(), "") << int(codigo);
}

}  // namespace
