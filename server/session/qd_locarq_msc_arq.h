// QD_LOCARQ_MSC_ARQ (máscara: mask): one location-code mask, a record of QDLOCMSC.DAT. The mask
// of location group n is the record at position n.
//
// Plain bytes; safe from any thread.
#pragma once

#include "server/record_file/qd_arquivos.h"
#include "server/record_file/record_layout.h"

#include <cstdint>

#pragma pack(push, 1)
struct QD_LOCARQ_MSC_ARQ {
    std::uint32_t lPosicao;    // as the client gives it
    char szMascara[40];        // dotted mask text such as "1.222.333", NUL-terminated
    std::uint8_t cReservado[20];
};
#pragma pack(pop)
ZT_REGISTRO_TAMANHO(QD_LOCARQ_MSC_ARQ, 64);
ZT_REGISTRO_CAMPO(QD_LOCARQ_MSC_ARQ, lPosicao, 0, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_MSC_ARQ, szMascara, 4, 40);
ZT_REGISTRO_CAMPO(QD_LOCARQ_MSC_ARQ, cReservado, 44, 20);
QD_LIGA_REGISTRO_ARQUIVO(QD_LOCARQ_MSC_ARQ, QD_ARQ_LOCARQ_MASCARA);

// The mask every group starts with, and the number of groups a new company gets (positions 0 to 9).
inline constexpr char QD_MASCARA_PADRAO[] = "1.222.333";
constexpr int QD_QTD_MASCARAS_INICIAIS = 10;
