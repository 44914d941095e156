#include "util/system/zt_altura_fonte.h"

#include "platform/system/mul_div.h"

namespace {

constexpr int kPontosPorPolegada = 72;

}  // namespace

int ZTAlturaFonte(const platform::DeviceContext& dispositivo, int pontos) {
    return -platform::MulDiv(pontos, dispositivo.LogicalPixelsY(), kPontosPorPolegada);
}
