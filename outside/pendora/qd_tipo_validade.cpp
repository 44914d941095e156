#include "outside/pendora/qd_tipo_validade.h"

#include "outside/pendora/qd_tabela_textos.h"

#include <iterator>

namespace {

using Linha = pendora::detail::LinhaTexto<QD_E_TIPDOC_VALIDADE>;

constexpr Linha kUnidades[] = {
    {QD_TIPDOC_VALIDADE_DIA, "Dias"},
    {QD_TIPDOC_VALIDADE_MES, "Meses"},
    {QD_TIPDOC_VALIDADE_ANO, "Anos"},
};
static_assert(std::size(kUnidades) == QD_TIPDOC_VALIDADE_ANO + 1, "one row per validity unit");
static_assert(pendora::detail::IndexadaPeloValor(kUnidades), "rows out of the enumeration's order");

}  // namespace

const char* QDGetDescricaoTipoValidade(QD_E_TIPDOC_VALIDADE eValidade) {
    static const pendora::detail::TabelaTextos tabela(kUnidades);
    return tabela[eValidade];
}
