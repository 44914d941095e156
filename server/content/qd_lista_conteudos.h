// The stored contents that switching encryption converts: the names of the content files.
//
// IQDListaConteudos is the one question the switch asks, so a test can hand it a list of its
// own. CQDConteudosDaPasta answers it the way the server does: every entry of the "Docs" folder
// that is neither a folder nor hidden, in byte order of the names (the file system's own order
// is not fixed, and a fixed order makes a failed run repeatable). One thread at a time.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <vector>

class IQDListaConteudos {
public:
    virtual ~IQDListaConteudos() = default;
    // Fills `nomes` with the names (no folder) of the content files in the content folder. S_OK
    // or the failure's HRESULT.
    [[nodiscard]] virtual platform::HRESULT ListaConteudos(std::vector<CZTString>& nomes) = 0;
};

class CQDConteudosDaPasta final : public IQDListaConteudos {
public:
    // Lists the content folder `pastaConteudos`.
    explicit CQDConteudosDaPasta(const char* pastaConteudos) : m_strPasta(pastaConteudos) {}

    // A content folder that does not exist holds no contents (S_OK, empty list); a folder that
    // cannot be read is its Win32 error's HRESULT, never an empty list.
    [[nodiscard]] platform::HRESULT ListaConteudos(std::vector<CZTString>& nomes) override;

private:
    CZTString m_strPasta;
};
