// CZTQD_SrvMetodosPendentes: every method of IZTQD_Srv answering E_NOTIMPL, generated from the
// interface description.
//
// The server object derives from it and overrides each method as its work is built, so that a
// method not built yet answers "not implemented" rather than something it does not do.
// Stateless.
#pragma once

#include "server/idl/iztqd_srv.h"

class CZTQD_SrvMetodosPendentes : public IZTQD_Srv {
public:
#define KELVO_QD_METODO_PENDENTE(number, name, ...) \
    platform::HRESULT name(KELVO_IDL_PARAMETERS(__VA_ARGS__)) override { return platform::E_NOTIMPL; }
    KELVO_IZTQD_SRV_METHODS(KELVO_QD_METODO_PENDENTE)
#undef KELVO_QD_METODO_PENDENTE

protected:
    ~CZTQD_SrvMetodosPendentes() = default;
};
