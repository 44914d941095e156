// CQDDBLock: the database-wide lock of a data folder, lock mark 255 (XXMARCA255.DAT). The server
// holds it around the one-time conversions of whole files, so that no other server process works
// on the files while they are rebuilt.
//
// Built on the session's data folder; released by Release or by the destructor. One thread.
#pragma once

#include "server/lock/zt_arq_marca.h"

class CQDDBLock : public CZTArqMarca {
public:
    static constexpr int kNumeroMarca = 255;

    explicit CQDDBLock(const char* pastaDados, platform::Ticker& relogio = platform::SystemTicker(),
                       std::uint64_t prazoMs = kPrazoPadraoMs);
    ~CQDDBLock() override;

    // Takes the database mark of the folder; the answers of CZTArqMarca::Acquire (17396 when busy).
    [[nodiscard]] std::int32_t Acquire();

private:
    CZTString m_strPasta;
};
