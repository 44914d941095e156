#include "server/search/qd_hoje_1950.h"

#include "util/message/zt_exception.h"
#include "util/time/clock.h"
#include "util/time/day_counts.h"
#include "util/time/zt_data1950.h"

platform::HRESULT QDHojeDias1950(std::int32_t& hoje) {
    try {
        const ZTSystemTime agora = GetCurrentTime_LocalTime();
        hoje = ZTCalculaDiasBase(agora.wDia, agora.wMes, agora.wAno, CZTData1950::ANO_BASE);
        return platform::S_OK;
    } catch (CZTException* erro) {
        const std::uint32_t erroSO = erro->GetErroSO();
        erro->Delete();
        return erroSO != 0 ? platform::HResultFromWin32(erroSO) : platform::E_FAIL;
    }
}
