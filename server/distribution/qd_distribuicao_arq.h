// QD_DISTRIBUICAO_ARQ and QD_DISTRIBUICAO_ITEM_ARQ (distribuição: distribution list): the stored
// form of the document lists that distribution e-mails point to.
//
// A list is one header record of QDDIST.DAT, whose position is the list's number, and a run of
// item records of QDDISTIT.DAT (zt_sequencia.h), one document position each, in the order the
// client gave them. A list that grows moves its run to the end of QDDISTIT.DAT; the records of
// the old run stay behind unused. Plain bytes; safe from any thread.
#pragma once

#include "platform/idl/wire_limits.h"
#include "server/record_file/qd_arquivos.h"
#include "server/record_file/record_layout.h"

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct QD_DISTRIBUICAO_ARQ {
    std::uint32_t nQtdItens;      // number of documents in the list
    std::uint32_t lPrimeiroItem;  // position of the first item in QDDISTIT.DAT
    std::uint8_t filler[8];       // zero
};

struct QD_DISTRIBUICAO_ITEM_ARQ {
    std::uint32_t lPosDoc;  // position of the document in QDDOC.DAT
};
#pragma pack(pop)

ZT_REGISTRO_TAMANHO(QD_DISTRIBUICAO_ARQ, 16);
ZT_REGISTRO_CAMPO(QD_DISTRIBUICAO_ARQ, nQtdItens, 0, 4);
ZT_REGISTRO_CAMPO(QD_DISTRIBUICAO_ARQ, lPrimeiroItem, 4, 4);
ZT_REGISTRO_CAMPO(QD_DISTRIBUICAO_ARQ, filler, 8, 8);
QD_LIGA_REGISTRO_ARQUIVO(QD_DISTRIBUICAO_ARQ, QD_ARQ_DISTRIBUICAO);

ZT_REGISTRO_TAMANHO(QD_DISTRIBUICAO_ITEM_ARQ, 4);
ZT_REGISTRO_CAMPO(QD_DISTRIBUICAO_ITEM_ARQ, lPosDoc, 0, 4);
QD_LIGA_REGISTRO_ARQUIVO(QD_DISTRIBUICAO_ITEM_ARQ, QD_ARQ_DISTRIBUICAO_ITEM);

// The longest list: as many document positions as one message of the interface can carry.
// Longer ones are refused when written and taken for damage when read.
inline constexpr std::uint32_t QD_DISTRIBUICAO_MAX_ITENS =
    static_cast<std::uint32_t>(platform::idl::kMaxMessageBytes / sizeof(std::uint32_t));
