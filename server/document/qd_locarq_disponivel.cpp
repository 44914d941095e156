#include "server/document/qd_locarq_disponivel.h"

#include "server/locations/qd_locarq_arq.h"
#include "server/record_file/qd_resultado_arq.h"

#include <algorithm>
#include <limits>

int QDSomaDisponivelLocArq(CZTArqEx& locais, std::uint32_t lPosLocArq, std::int32_t delta, bool soComMaximo) {
    std::int32_t posicao = 0;
    if (const int codigo = QDPosicaoRegistro(lPosLocArq, posicao)) return codigo;
    QD_LOCARQ_ARQ local{};
    if (const int codigo = locais.ReadRecord(posicao, &local)) return codigo;
    if (!soComMaximo || local.nQtdMaximaDocs > 0) {
        const std::int64_t soma = static_cast<std::int64_t>(local.nQtdDisponivel) + delta;
        local.nQtdDisponivel = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(soma, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    }
    return locais.WriteRecord(&local, posicao);
}
