// QDMesclaPropriedades (mescla: merge): the properties record a write stores, made from the record
// stored now and the interface record the writer sends.
//
// A writer's copy may be old (a properties dialog left open) while other connections take location
// numbers and session starts set migration marks; copying it whole would hand out numbers twice
// and run finished migrations again. Pure; safe from any thread.
#pragma once

#include "server/idl/records.h"
#include "server/session/qd_propriedades_arq.h"

#include <cstdint>
#include <optional>

// `gravado` with the fields of `enviado` (QDPropriedadesDePS), except: a counter equal to
// `iProxNumeroLido`, the one the writer was last given, is one the writer did not change, and the
// stored counter stays (any other value is written, lowering it included); the migration marks are
// never cleared (bFlags QD_MIGRACOES_MARCADAS stored or sent, every other bit as sent;
// iVersaoSistema the higher of the two). Without a counter given, the one sent is written.
[[nodiscard]] QD_PROPRIEDADES_ARQ QDMesclaPropriedades(const QD_PROPRIEDADES_ARQ& gravado,
                                                       const QD_PROPRIEDADES_PS& enviado,
                                                       std::optional<std::uint32_t> iProxNumeroLido);
