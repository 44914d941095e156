// The first properties of a company: QDMESTRE.DAT and QDLOCMSC.DAT as a new company in the
// current data layouts gets them.
//
// No method of the interface creates QDMESTRE.DAT; the session start does, once, so that the
// one-time conversions never run on data that is already in the current layouts (only the import
// of the base module's legacy locations, which adds data rather than converting it). The server's
// thread; other processes may start sessions of the same company at the same time.
#pragma once

#include "platform/hresult.h"
#include "server/session/qd_propriedades_arq.h"

class IQDArqBind;

// The properties a new company starts with: next location number 1, the document migrations marked
// done (bFlags 0x03) at the current data version (iVersaoSistema 1), everything else zero. The
// legacy location import (0x8) is left to the first session, which imports the base module's
// DFLOCARM.DAT, if any, as 160-byte records.
[[nodiscard]] QD_PROPRIEDADES_ARQ QDPropriedadesNovas();

// When QDMESTRE.DAT is not in the data directory of `bind`, creates it through the folder's
// control list with QDPropriedadesNovas() in record 0, after QDLOCMSC.DAT with the ten masks
// "1.222.333" at positions 0 to 9 (each with lPosicao = its position). A file that exists is
// left alone; so is one that another process created meanwhile (its record 0 is no longer zero
// once the mode 'G' open is had). S_OK, or 0x80040000 | the record-file code: 16055 for a
// QDMESTRE.DAT that the control list names (a lost file is never made again empty).
[[nodiscard]] platform::HRESULT QDCriaMestreNovo(IQDArqBind& bind);
