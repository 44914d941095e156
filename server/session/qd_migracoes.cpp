#include "server/session/qd_migracoes.h"

platform::HRESULT QDExecutaMigracoes(IZTQD_Srv&, const CQDSessao&, const QD_PROPRIEDADES_PS&) {
    return platform::S_OK;
}
