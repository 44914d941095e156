// The message codes that the fiscal validators report; their texts are in the module's message
// file (util/message/ZTQDMens.txt), and the way the validators hand them out. Any thread.
#pragma once

// Municipality codes.
inline constexpr int ZT_MSG_MUNICIPIO_TAMANHO = 5474;     // not seven digits
inline constexpr int ZT_MSG_MUNICIPIO_ZERADO = 5475;      // municipality part is zero
inline constexpr int ZT_MSG_MUNICIPIO_UF = 5476;          // first two digits are not the given state
inline constexpr int ZT_MSG_MUNICIPIO_DIGITO = 5477;      // wrong check digit
// Country codes.
inline constexpr int ZT_MSG_PAIS_TAMANHO = 5480;          // empty base or more than four digits
inline constexpr int ZT_MSG_PAIS_DIGITO = 5481;           // wrong check digit
// Tax situation codes (situação tributária) of exits ('S') and entries ('E').
inline constexpr int ZT_MSG_SITUACAO_SAIDA_VAZIA = 5127;
inline constexpr int ZT_MSG_SITUACAO_SAIDA_INVALIDA = 5128;
inline constexpr int ZT_MSG_SITUACAO_ENTRADA_INVALIDA = 5129;
inline constexpr int ZT_MSG_SITUACAO_ENTRADA_VAZIA = 5130;

namespace fiscal {

// The validators' common ending: hands `mensagem` to the optional output and answers 1 when it
// is 0 (valid), else 0.
inline int Informa(int mensagem, int* pMensagem) {
    if (pMensagem != nullptr) *pMensagem = mensagem;
    return mensagem == 0 ? 1 : 0;
}

}  // namespace fiscal
