#include "server/distribution/qd_itens_distribuicao.h"

#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_sequencia.h"

#include <algorithm>
#include <cstring>
#include <limits>

static_assert(sizeof(QD_DISTRIBUICAO_ITEM_ARQ) == sizeof(std::uint32_t),
              "an item record is a document position and nothing else, so a list is written as it is");
static_assert(QD_DISTRIBUICAO_MAX_ITENS <= static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()),
              "every count the lists allow is a count the record-file layer takes");

namespace {

constexpr auto kMaiorPosicao = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());

// Whether the `qtd` records from `primeiro` are all data records of `itens`.
bool RunNoArquivo(CZTArqEx& itens, std::uint32_t primeiro, std::uint32_t qtd) {
    if (primeiro == 0 || primeiro > kMaiorPosicao || qtd == 0) return false;
    return static_cast<std::int64_t>(primeiro) + qtd - 1 <= itens.RecordCount();
}

}  // namespace

int QDLeItensDistribuicao(CZTArqEx& itens, const QD_DISTRIBUICAO_ARQ& lista, std::vector<std::uint32_t>& posicoes) {
    posicoes.clear();
    if (lista.nQtdItens > QD_DISTRIBUICAO_MAX_ITENS) return ZT_ERR_ARQ_FIM;
    if (lista.lPrimeiroItem > kMaiorPosicao) return ZT_ERR_ARQ_FIM;
    std::vector<char> bytes;
    if (const int codigo = ZTLeSequencia(itens, static_cast<std::int32_t>(lista.lPrimeiroItem),
                                         static_cast<std::int32_t>(lista.nQtdItens), bytes)) {
        return codigo;
    }
    posicoes.resize(lista.nQtdItens);
    if (!bytes.empty()) std::memcpy(posicoes.data(), bytes.data(), bytes.size());
    return 0;
}

int QDGravaItensDistribuicao(CZTArqEx& itens, std::span<const std::uint32_t> posicoes, QD_DISTRIBUICAO_ARQ& lista) {
    if (posicoes.empty() || posicoes.size() > QD_DISTRIBUICAO_MAX_ITENS) return ZT_ERR_ARQ_FIM;
    const auto qtd = static_cast<std::int32_t>(posicoes.size());
    // A run that the file does not hold is no place to write into: rewriting it "in place" would
    // put the items wherever a damaged header points, even far past the end of the file.
    const bool bRunValida = RunNoArquivo(itens, lista.lPrimeiroItem, lista.nQtdItens);
    const std::int32_t qtdGravada =
        bRunValida ? static_cast<std::int32_t>(std::min<std::uint32_t>(lista.nQtdItens, QD_DISTRIBUICAO_MAX_ITENS)) : 0;
    std::int32_t primeiro = bRunValida ? static_cast<std::int32_t>(lista.lPrimeiroItem) : 0;
    if (const int codigo = ZTGravaSequencia(itens, posicoes.data(), qtd, qtdGravada, primeiro)) return codigo;
    lista.nQtdItens = static_cast<std::uint32_t>(qtd);
    lista.lPrimeiroItem = static_cast<std::uint32_t>(primeiro);
    return 0;
}
