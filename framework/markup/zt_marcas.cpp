#include "framework/markup/zt_marcas.h"

#include <algorithm>
#include <array>

namespace markup {

namespace {

struct Transicao {
    int estado;
    char caractere;
    int proximo;
};

// The state after "[C" that would close a colour tag with ']'; no transition leads there.
constexpr int kCorCompleta = 48;

// Searched in order; the first match wins.
constexpr std::array<Transicao, 27> kTransicoes = {{
    {kTexto, '[', kAbre},
    {kAbre, 'B', kEstilo}, {kAbre, 'U', kEstilo}, {kAbre, 'I', kEstilo},
    {kAbre, 'b', kEstilo}, {kAbre, 'u', kEstilo}, {kAbre, 'i', kEstilo},
    {kEstilo, ']', kEmpilhaEstilo},
    {kAbre, 'C', kCor}, {kAbre, 'c', kCor},
    {kCorCompleta, ']', kEmpilhaCor},
    {kAbre, '/', kBarra},
    {kBarra, 'B', kFimEstilo}, {kBarra, 'U', kFimEstilo}, {kBarra, 'I', kFimEstilo},
    {kBarra, 'b', kFimEstilo}, {kBarra, 'u', kFimEstilo}, {kBarra, 'i', kFimEstilo},
    {kFimEstilo, ']', kDesempilhaEstilo},
    {kBarra, 'C', kFimCor}, {kBarra, 'c', kFimCor},
    {kFimCor, ']', kDesempilhaCor},
    {kTexto, '\r', kRetorno},
    {kTexto, '\n', kAvanco},
    {kAbre, '[', kAbreLiteral},
    {kTexto, ']', kFechaSolto},
    {kFechaSolto, ']', kFechaLiteral},
}};

}  // namespace

std::optional<int> ProximoEstado(int estado, char c) {
    const auto transicao = std::ranges::find_if(
        kTransicoes, [&](const Transicao& t) { return t.estado == estado && t.caractere == c; });
    if (transicao == kTransicoes.end()) return std::nullopt;
    return transicao->proximo;
}

bool GuardaCaractereSemTransicao(int estado) {
    switch (estado) {
        case kTexto:
        case kAbre:
        case kFechaSolto:
        case kEmpilhaEstilo:
        case kEmpilhaCor:
        case kDesempilhaEstilo:
        case kDesempilhaCor:
            return true;
        default:
            return false;
    }
}

}  // namespace markup
