// The tests of a location search (QD_LOCARQ_FILTRO_PS, filtro: filter): the meaning of its bits
// and the decision for one stored location. Pure; safe from any thread.
#pragma once

#include "server/idl/records.h"
#include "server/locations/qd_locarq_arq.h"

#include <cstdint>
#include <string_view>
#include <vector>

// Bits of QD_LOCARQ_FILTRO_PS::dwFlags: each keeps only the locations that
inline constexpr std::uint32_t QD_FILTRO_LOCARQ_CODIGO = 0x01;     // have the code szCodigo
inline constexpr std::uint32_t QD_FILTRO_LOCARQ_PREFIXO = 0x02;    // with 0x01: begin with szCodigo
inline constexpr std::uint32_t QD_FILTRO_LOCARQ_GRUPOS = 0x04;     // are headings
inline constexpr std::uint32_t QD_FILTRO_LOCARQ_NAO_GRUPOS = 0x08; // are not headings
inline constexpr std::uint32_t QD_FILTRO_LOCARQ_COM_VAGA = 0x10;   // have room (or no maximum)
inline constexpr std::uint32_t QD_FILTRO_LOCARQ_TIPDOC = 0x20;     // accept the type lTipDoc
inline constexpr std::uint32_t QD_FILTRO_LOCARQ_DO_GRUPO = 0x40;   // belong to group lPosGrupo

// The decimal number at the start of `codigo`, read up to the first character that is not a
// digit (0 when it starts with none); a number beyond 32 bits gives a value above every group.
[[nodiscard]] std::uint64_t QDNumeroGrupoLocArq(std::string_view codigo);

// Whether `arq` passes the tests of `filtro` other than the accepted types, in the order group
// (0x40), heading (0x04, 0x08), code (0x01, 0x02), room (0x10).
[[nodiscard]] bool QDLocArqPassaFiltro(const QD_LOCARQ_ARQ& arq, const QD_LOCARQ_FILTRO_PS& filtro);

// The accepted-type test (0x20) for a location accepting `tipos`: kept when `lTipDoc` is 0, when
// it accepts no type in particular, or when `lTipDoc` is one of them.
[[nodiscard]] bool QDLocArqAceitaTipDoc(const std::vector<std::uint32_t>& tipos, std::uint32_t lTipDoc);
