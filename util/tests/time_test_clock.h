// Test help for the clock: writing the test-clock value into the private registry store, pinning
// the clock to a chosen moment, and catching the clock's pointer-thrown exceptions.
//
// Every test that uses it must have created a kelvo::testing::TestEnvironment first, except
// through HojeFixado, which makes its own.
#pragma once

#include "platform/system/clock.h"
#include "platform/registry/registry.h"
#include "platform/tests/support/test_environment.h"
#include "util/config/registry_functions.h"
#include "util/message/zt_exception.h"
#include "util/time/clock.h"
#include "util/time/test_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zt_time_test {

// Writes the test-clock value into the local machine's store.
inline void GravaRelogio(const std::string& valor) {
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_RELOGIO_TESTE, ZT_VALOR_RELOGIO_TESTE,
                                    valor.c_str()),
              0u);
}

inline void ApagaRelogio() {
    (void)ZTApagaValorRegistry(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_RELOGIO_TESTE, ZT_VALOR_RELOGIO_TESTE);
}

inline std::string TextoMomento(const ZTSystemTime& t) {
    return std::to_string(t.wDia) + "/" + std::to_string(t.wMes) + "/" + std::to_string(t.wAno) + ";" +
           std::to_string(t.wHora) + ":" + std::to_string(t.wMinuto) + ":" + std::to_string(t.wSegundo) + ":" +
           std::to_string(t.wMilissegundo);
}

inline ZTSystemTime Momento(int ano, int mes, int dia, int hora = 0, int minuto = 0, int segundo = 0, int ms = 0) {
    ZTSystemTime t;
    t.wAno = static_cast<std::uint16_t>(ano);
    t.wMes = static_cast<std::uint16_t>(mes);
    t.wDia = static_cast<std::uint16_t>(dia);
    t.wHora = static_cast<std::uint16_t>(hora);
    t.wMinuto = static_cast<std::uint16_t>(minuto);
    t.wSegundo = static_cast<std::uint16_t>(segundo);
    t.wMilissegundo = static_cast<std::uint16_t>(ms);
    return t;
}

inline std::int64_t NanossegundosDoRelogio() {
    platform::WallClockReading leitura;
    EXPECT_TRUE(platform::ReadWallClock(leitura));
    return leitura.seconds * 1'000'000'000 + leitura.nanoseconds;
}

// Pins the clock: from now on it reads `simulado` plus the real time that has passed since
// `realAntes` (in file-time units) before this object was made, as if the value had been written
// then. Minimo/Maximo bound any reading taken afterwards.
class RelogioFixado {
public:
    explicit RelogioFixado(const ZTSystemTime& simulado, std::uint64_t realAntes = 0) {
        ApagaRelogio();
        inicio_ = NanossegundosDoRelogio();
        const std::uint64_t agora = ZTGetHoraAjustada();
        // Moment B holds milliseconds only; the rest is part of the time already passed.
        const std::uint64_t real = (agora - realAntes) / ZT_FILETIME_POR_MILISSEGUNDO * ZT_FILETIME_POR_MILISSEGUNDO;
        ZTSystemTime b;
        EXPECT_TRUE(ZTFileTimeParaSystemTime(real, b));
        EXPECT_TRUE(ZTSystemTimeParaFileTime(simulado, simulado_));
        minimo_ = simulado_ + (agora - real);
        GravaRelogio("1;" + TextoMomento(simulado) + ";" + TextoMomento(b));
    }
    ~RelogioFixado() { ApagaRelogio(); }
    RelogioFixado(const RelogioFixado&) = delete;
    RelogioFixado& operator=(const RelogioFixado&) = delete;

    // The least a reading can give, and the most a reading taken before this call can give.
    [[nodiscard]] std::uint64_t Minimo() const { return minimo_; }
    [[nodiscard]] std::uint64_t Maximo() const {
        return minimo_ + static_cast<std::uint64_t>(NanossegundosDoRelogio() - inicio_) / 100 + 1;
    }

private:
    std::int64_t inicio_ = 0;
    std::uint64_t simulado_ = 0;
    std::uint64_t minimo_ = 0;
};

// A private store whose clock is pinned at `simulado`, for tests whose two-digit years (read
// through the window around the current year) must not depend on the day they run.
class HojeFixado {
public:
    explicit HojeFixado(const ZTSystemTime& simulado) : relogio_(simulado) {}

private:
    kelvo::testing::TestEnvironment ambiente_;  // made before the clock is pinned inside it
    RelogioFixado relogio_;
};

// Noon of a day in the year that the project's tests pin (its window is 1946..2045).
inline ZTSystemTime DiaDe2026() { return Momento(2026, 6, 15, 12); }

// Runs `f` and returns the text of the CZTException it throws ("" when none), checking the module
// and the operating-system error the clock gives.
template <class F>
std::string TextoDaExcecao(F f) {
    try {
        f();
    } catch (CZTException* e) {
        std::string texto = e->GetTexto().GetString();
        EXPECT_EQ(e->GetModulo(), 1);
        EXPECT_EQ(e->GetErroSO(), platform::ERROR_INVALID_PARAMETER);
        e->Delete();
        return texto;
    }
    return "";
}

}  // namespace zt_time_test
