#include "outside/pendora/ui/qd_multi_tip_doc_edit.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr char kSeparador = ',';
constexpr const char* kSeparadorMostrado = ", ";

// `parte` without the blanks around it.
std::string_view SemBrancos(std::string_view parte) {
    const std::size_t inicio = parte.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return {};
    return parte.substr(inicio, parte.find_last_not_of(' ') - inicio + 1);
}

// Joins the texts that `texto` takes from each item with the shown separator.
template <class Texto>
platform::String Junta(const std::vector<const CQDItemCodigo*>& itens, Texto texto) {
    platform::String junto;
    for (const CQDItemCodigo* item : itens) {
        if (!junto.IsEmpty()) junto += kSeparadorMostrado;
        junto += texto(*item);
    }
    return junto;
}

}  // namespace

std::vector<const CQDItemCodigo*> CQDMultiTipDocEdit::Nomeados(const platform::String& texto) const {
    std::vector<const CQDItemCodigo*> nomeados;
    std::string_view resto(texto.GetString());
    for (;;) {  // each turn takes one code and its separator off the text
        const std::size_t fim = resto.find(kSeparador);
        const std::string_view codigo = SemBrancos(resto.substr(0, fim));
        const CQDItemCodigo* item = ProcuraCodigo(platform::String(codigo));
        if (item && std::find(nomeados.begin(), nomeados.end(), item) == nomeados.end()) nomeados.push_back(item);
        if (fim == std::string_view::npos) break;
        resto.remove_prefix(fim + 1);
    }
    return nomeados;
}

std::vector<std::uint32_t> CQDMultiTipDocEdit::GetPosicoes() const {
    platform::String texto;
    GetWindowText(texto);
    std::vector<std::uint32_t> posicoes;
    for (const CQDItemCodigo* item : Nomeados(texto)) posicoes.push_back(item->lPosicao);
    return posicoes;
}

void CQDMultiTipDocEdit::SetPosicoes(std::uint32_t nQtd, const std::uint32_t* pPos) {
    std::vector<const CQDItemCodigo*> itens;
    for (std::uint32_t i = 0; pPos && i < nQtd; ++i) {
        if (const CQDItemCodigo* item = ProcuraPosicao(pPos[i])) itens.push_back(item);
    }
    SetTexto(Junta(itens, [](const CQDItemCodigo& item) { return item.strCodigo; }));
}

platform::String CQDMultiTipDocEdit::Descricao(const platform::String& texto) const {
    return Junta(Nomeados(texto), [](const CQDItemCodigo& item) { return item.strDescricao; });
}
