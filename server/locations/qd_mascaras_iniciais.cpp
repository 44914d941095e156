#include "server/locations/qd_mascaras_iniciais.h"

#include "server/record_file/zt_arq_ex.h"
#include "server/session/qd_locarq_msc_arq.h"

#include <cstdint>
#include <cstring>

int QDGravaMascarasIniciais(CZTArqEx& mascaras) {
    for (std::int32_t posicao = 0; posicao < QD_QTD_MASCARAS_INICIAIS; ++posicao) {
        QD_LOCARQ_MSC_ARQ mascara{};
        mascara.lPosicao = static_cast<std::uint32_t>(posicao);
        std::memcpy(mascara.szMascara, QD_MASCARA_PADRAO, sizeof QD_MASCARA_PADRAO);
        std::int32_t escrita = posicao;
        const int codigo = posicao == 0 ? mascaras.WriteHeader(&mascara, sizeof mascara)
                                        : mascaras.WriteRecord(&mascara, escrita);
        if (codigo) return codigo;
    }
    return 0;
}
