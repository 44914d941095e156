// A client process of the tests that drive the real Vaultis process: forked from the test, it
// opens a session of the demo company through the client library, does its work and reports the
// result and its values through a pipe (RelataEEncerra / LeRelato).
#pragma once

#include "outside/pendora/conexao_ged_srv.h"
#include "programs/setup/embedded_default.h"
#include "server/tests/process_test_support.h"

#include <sys/types.h>

#include <cstdint>
#include <vector>

namespace kelvo::testing {

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
    const pid_t filho = ::fork();
    if (filho != 0) return filho;
    preparo();
    std::vector<std::uint32_t> valores;
    platform::HRESULT hr = platform::S_OK;
    {
        CSilentConexaoGedSrv conexao;
        hr = conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, sessao);
        if (platform::SUCCEEDED(hr)) hr = trabalho(conexao, valores);
    }
    RelataEEncerra(relata, hr, valores);
}

}  // namespace kelvo::testing
