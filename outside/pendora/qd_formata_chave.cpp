#include "outside/pendora/qd_formata_chave.h"

#include "util/key/zt_chave_mes_ano.h"

CZTString QDFormataChave(CConexaoPlano& /*plano*/, QD_E_PROCESSO /*eProc*/, std::uint32_t lChave) {
    // The reading gives 0 for whatever is no month/key text, so 0 itself must not count as read back.
    CZTString texto = ZTChaveMesAnoParaTexto(lChave);
    if (lChave != 0 && ZTTextoChaveParaChaveMesAno(texto) == lChave) return texto;
    return CZTString::Formata("%u", static_cast<unsigned>(lChave));
}
