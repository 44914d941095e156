// The peak resident memory of the real Vaultis process during one request, for the tests that
// hold a request's cost to its bound: the peak is reset to the resident size just before the
// request and read just after it.
//
// For test targets that define KELVO_VAULTIS and link kelvo::bench_support. Call through
// ASSERT_NO_FATAL_FAILURE: a step that the system refuses ends the test.
#pragma once

#include "platform/tests/support/sanitizer.h"
#include "platform/tests/support/test_environment.h"
#include "server/bench/bench_environment.h"

#include <gtest/gtest.h>

#include <sys/types.h>

#include <cstdint>

namespace kelvo::testing {

// AddressSanitizer keeps freed blocks in quarantine and adds its shadow memory, so the peak of a
// sanitized server says nothing about what a request held: the bound is checked without it only.
inline constexpr bool kPicoMemoriaMedido = !kComAddressSanitizer;

class PicoMemoriaServidor {
public:
    // The server that serves `ambiente`'s store (running: a connection is open).
    void Localiza(const TestEnvironment& ambiente) {
        m_servidor = kelvo::bench::ProcuraServidor(KELVO_VAULTIS, ambiente.RegistryFolder().string());
        ASSERT_NE(m_servidor, 0);
    }

    // Resets the peak to the resident size now and keeps that size.
    void Inicia() {
        ASSERT_TRUE(kelvo::bench::ZeraPicoMemoria(m_servidor));
        kelvo::bench::MemoriaProcesso memoria;
        ASSERT_TRUE(kelvo::bench::LeMemoria(m_servidor, memoria));
        m_inicioKb = memoria.vmRssKb;
    }

    // The bytes by which the peak since Inicia passed the resident size then.
    void AcimaDoInicio(std::int64_t& bytes) const {
        kelvo::bench::MemoriaProcesso memoria;
        ASSERT_TRUE(kelvo::bench::LeMemoria(m_servidor, memoria));
        bytes = (std::int64_t{memoria.vmHwmKb} - m_inicioKb) * 1024;
    }

private:
    pid_t m_servidor = 0;
    long m_inicioKb = 0;
};

}  // namespace kelvo::testing
