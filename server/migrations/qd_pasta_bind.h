// CQDPastaBind (pasta: folder): an IQDArqBind that answers one fixed data folder, so that the
// one-time conversions open the session's record files through the usual typed wrappers without
// holding the server object as a bind.
//
// Lives on the stack for one run of the conversions; its reference count does nothing (nobody
// holds it beyond the run). The server's one thread.
#pragma once

#include "server/object/qd_arq_bind.h"
#include "util/text/zt_string.h"

class CQDPastaBind final : public IQDArqBind {
public:
    explicit CQDPastaBind(const CZTString& pasta) : m_strPasta(pasta) {}
    CQDPastaBind(const CQDPastaBind&) = delete;
    CQDPastaBind& operator=(const CQDPastaBind&) = delete;

    platform::HRESULT QueryInterface(const platform::IID&, void** object) override {
        if (object) *object = nullptr;
        return platform::E_NOINTERFACE;
    }
    platform::ULONG AddRef() override { return 1; }
    platform::ULONG Release() override { return 1; }

    // The folder given at construction.
    CZTString GetDiretorio() override { return m_strPasta; }

private:
    CZTString m_strPasta;
};
