#include "framework/frame/zt_fc_posicao_janela.h"

#include <cstdio>

namespace {

constexpr char kFormato[] = "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d";

}  // namespace

CZTString ZTFCFormataPosicao(const platform::ui::WINDOWPLACEMENT& posicao) {
    return CZTString::Formata(kFormato, posicao.flags, posicao.showCmd, posicao.ptMinPosition.x,
                  posicao.ptMinPosition.y, posicao.ptMaxPosition.x, posicao.ptMaxPosition.y,
                  posicao.rcNormalPosition.left, posicao.rcNormalPosition.top, posicao.rcNormalPosition.right,
                  posicao.rcNormalPosition.bottom);
}

bool ZTFCLePosicao(const char* texto, platform::ui::WINDOWPLACEMENT& posicao) {
    platform::ui::WINDOWPLACEMENT lida;
    if (!texto || std::sscanf(texto, kFormato, &lida.flags, &lida.showCmd, &lida.ptMinPosition.x, &lida.ptMinPosition.y,
                              &lida.ptMaxPosition.x, &lida.ptMaxPosition.y, &lida.rcNormalPosition.left,
                              &lida.rcNormalPosition.top, &lida.rcNormalPosition.right,
                              &lida.rcNormalPosition.bottom) != 10) {
        return false;
    }
    posicao = lida;
    return true;
}
