// How CConexaoGedSrv reads any number of records (LeDocEx, LeTipDocEx, LeLocArqEx): in calls of
// a bounded count, so that no call's response outgrows one message of the interface.
//
// Internal to the client library; stateless, any thread.
#pragma once

#include "platform/hresult.h"

#include <algorithm>
#include <cstdint>

namespace pendora::detail {

// Reads the `qtd` records at pPos[0..qtd-1] into objetos[0..qtd-1] with calls
// le(count, positions, objects) of at most `porChamada` records (at least 1), in order. The
// first failing call ends the reading and is returned (later objects are not touched);
// otherwise S_OK, or the first other success status that a call returned.
template <class Classe, class Le>
[[nodiscard]] platform::HRESULT LeEmPartes(std::uint32_t qtd, const std::uint32_t* pPos, Classe* objetos,
                                           std::uint32_t porChamada, Le le) {
    porChamada = std::max<std::uint32_t>(porChamada, 1);
    platform::HRESULT resultado = platform::S_OK;
    for (std::uint32_t lidos = 0; lidos < qtd;) {
        const std::uint32_t n = std::min(qtd - lidos, porChamada);
        const platform::HRESULT hr = le(n, pPos + lidos, objetos + lidos);
        if (platform::FAILED(hr)) return hr;
        if (resultado == platform::S_OK) resultado = hr;
        lidos += n;
    }
    return resultado;
}

}  // namespace pendora::detail
