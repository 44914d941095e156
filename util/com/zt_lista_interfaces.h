// CZTListaInterfaces: interface pointers handed from one thread of the process to another.
//
// A producer thread adds interfaces (Adiciona) and a consumer thread takes them in the same order
// (Retira). Objects of this platform may be called from any thread of their process, so handing
// one over is keeping a reference of the requested interface until the other thread takes it.
// Entries are stored in blocks of 10. The list has no lock: the two threads use it in turn, each
// while the other waits. Entries left at the end are released.
#pragma once

#include "platform/com/unknown.h"

#include <vector>

class CZTListaInterfaces {
public:
    CZTListaInterfaces() = default;
    ~CZTListaInterfaces();
    CZTListaInterfaces(const CZTListaInterfaces&) = delete;
    CZTListaInterfaces& operator=(const CZTListaInterfaces&) = delete;

    // Appends `pInterface`'s interface `iid` for another thread. Throws platform::ComError:
    // E_INVALIDARG for a null interface, the object's answer when it lacks `iid`.
    void Adiciona(const platform::IID& iid, platform::IUnknown* pInterface);

    // Takes the entry at the head and sets *ppInterface to its interface `iid` (with a
    // reference for the caller); the entry is gone afterwards whatever the outcome. Throws
    // platform::ComError: E_INVALIDARG when the list is empty or ppInterface is null, the
    // object's answer when it lacks `iid`.
    void Retira(const platform::IID& iid, void** ppInterface);

private:
    static constexpr std::size_t kBloco = 10;

    std::vector<platform::IUnknown*> m_entradas;  // each holds one reference
};
