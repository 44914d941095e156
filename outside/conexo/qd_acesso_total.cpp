#include "outside/conexo/qd_acesso_total.h"

std::uint8_t QDAcessoTotal(bool bAcessoTotalSupervisor, const REGUSU_PS& reg, const REGUSU_PS* pai) {
    if (!bAcessoTotalSupervisor) return 0;
    if (reg.bSupervisor || reg.iCodigoPai == 0) return reg.bSupervisor ? 1 : 0;
    return pai && pai->bSupervisor ? 1 : 0;
}
