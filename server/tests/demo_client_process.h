// A client process of the tests that drive the real Vaultis process: forked from the test, it
// opens a session of the demo company through the client library, does its work and reports the
// result and its values through a pipe (RelataEEncerra / LeRelato). Clients that must work at
// once meet at a ProcessBarrier after connecting.
#pragma once

#include "outside/pendora/conexao_ged_srv.h"
#include "platform/tests/support/child_processes.h"
#include "programs/setup/embedded_default.h"
#include "server/tests/process_test_support.h"

#include <sys/types.h>

#include <cstdint>
#include <vector>

namespace kelvo::testing {

namespace detail {

template <class Trabalho, class Preparo>
pid_t ClienteDemo(ProcessBarrier* juntos, int relata, std::int32_t sessao, Trabalho& trabalho, Preparo& preparo) {
    const pid_t filho = ::fork();
    if (filho != 0) return filho;
    preparo();
    std::vector<std::uint32_t> valores;
    platform::HRESULT hr = platform::S_OK;
    {
        CSilentConexaoGedSrv conexao;
        hr = conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, sessao);
        if (juntos && !juntos->Arrive()) ::_exit(5);
        if (platform::SUCCEEDED(hr)) hr = trabalho(conexao, valores);
    }
    RelataEEncerra(relata, hr, valores);
}

}  // namespace detail

// Nothing to prepare in the child before its session opens.
struct SemPreparo {
    void operator()() const {}
};

// Forks a client. In the child `preparo()` runs first (pointing it at another registry store, say),
// then session `sessao` of the demo company opens and, when it opened, `trabalho(conexao, valores)`
// gives the result; the child ends reporting the result and the values through `relata`.
// Returns the child's process id to the test (-1 when it could not be started).
template <class Trabalho, class Preparo = SemPreparo>
pid_t ClienteDemo(int relata, std::int32_t sessao, Trabalho trabalho, Preparo preparo = {}) {
    return detail::ClienteDemo(nullptr, relata, sessao, trabalho, preparo);
}

// The same for a client of a group that works at once: once its session has opened (or failed
// to), the child waits at `juntos` until the test has seen every client of the group connected,
// so that no client ends, and lets its server end, before the others have begun.
template <class Trabalho, class Preparo = SemPreparo>
pid_t ClienteDemo(ProcessBarrier& juntos, int relata, std::int32_t sessao, Trabalho trabalho, Preparo preparo = {}) {
    return detail::ClienteDemo(&juntos, relata, sessao, trabalho, preparo);
}

}  // namespace kelvo::testing
