// The text of a link origin's key.
#include "outside/pendora/qd_formata_chave.h"

#include "util/date/zt_mes_ano.h"
#include "util/key/zt_chave_mes_ano.h"
#include "util/tests/time_test_clock.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::uint16_t Mes(int mes, int ano) { return CZTMesAno().SetMesAno(mes, ano).GetValor(); }

// Guards the two forms: month/key text for month/key values, decimal for everything else (a month
// whose two-digit year the window of the pinned 2026 reads as another year among them).
TEST(QDFormataChave, MonthKeyTextOrDecimal) {
    const zt_time_test::HojeFixado hoje(zt_time_test::DiaDe2026());
    CConexaoPlano plano;
    ASSERT_EQ(plano.Inicializa("/dados/emp", 1, 10), platform::S_OK);
    struct Caso { std::uint32_t chave; const char* texto; };
    const Caso casos[] = {
        {ZTMontaChaveMesAno(Mes(5, 2014), 123), "0514-000123"},
        {ZTMontaChaveMesAno(Mes(12, 2026), 0xFFFFF), "1226-1048575"},
        {ZTMontaChaveMesAno(Mes(1, 1946), 1), "0146-000001"},
        {ZTMontaChaveMesAno(Mes(1, 1945), 1), "5261"},           // its text would read back as 2045
        {0, "0"},
        {77, "77"},                                              // a plain key: its month part names no month
        {ZTMontaChaveMesAno(Mes(5, 2014), 0), "1997"},           // a month without a key
        {ZTMontaChaveMesAno(0, 5), "20480"},                     // a key without a month
        {ZTMontaChaveMesAno(Mes(3, 1858), 9), "36987"},          // its text would read back as 2058
        {0xFFFFFFFFu, "4294967295"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(std::string(QDFormataChave(plano, QD_PROCESSO_CN_LAN, c.chave)), c.texto) << c.chave;
    }
}

// Guards that the forms do not hang on the process or on whether the plan is open: the plan
// holds no masks.
TEST(QDFormataChave, SameTextForEveryProcessAndPlanState) {
    CConexaoPlano fechado;
    CConexaoPlano aberto;
    ASSERT_EQ(aberto.Inicializa("/dados/emp", 1, 10), platform::S_OK);
    const std::uint32_t chave = ZTMontaChaveMesAno(Mes(7, 2001), 42);
    for (QD_E_PROCESSO processo : {QD_PROCESSO_CN_LAN, QD_PROCESSO_FN_CRE_LANC, QD_PROCESSO_CM_OC, QD_PROCESSO_CQ_ART}) {
        EXPECT_EQ(std::string(QDFormataChave(aberto, processo, chave)), "0701-000042");
        EXPECT_EQ(std::string(QDFormataChave(fechado, processo, chave)), "0701-000042");
        EXPECT_EQ(std::string(QDFormataChave(fechado, processo, 77)), "77");
    }
}

// Guards the key formatter of the quick search against QDFormataChave: the same text for every
// month part, first met or met again, for keys at the edges of their field, and for plain numbers.
TEST(CQDFormatadorChaves, SameTextsAsQDFormataChave) {
    const zt_time_test::HojeFixado hoje(zt_time_test::DiaDe2026());
    CConexaoPlano plano;
    ASSERT_EQ(plano.Inicializa("/dados/emp", 1, 10), platform::S_OK);
    CQDFormatadorChaves formatador(plano);
    const std::uint32_t chaves[] = {1, 123, 999999, 0xFFFFF, 0};
    for (std::uint32_t mes = 0; mes <= ZT_CHAVE_MES_ANO_MES_MAXIMO; mes += mes < 880 || mes > 2200 ? 61 : 1) {
        for (const std::uint32_t chave : chaves) {
            const std::uint32_t valor = ZTMontaChaveMesAno(static_cast<std::uint16_t>(mes), chave);
            std::string texto = "x";
            formatador.Acrescenta(QD_PROCESSO_CN_LAN, valor, texto);
            ASSERT_EQ(texto, "x" + std::string(QDFormataChave(plano, QD_PROCESSO_CN_LAN, valor)))
                << mes << " " << chave;
        }
    }
    for (const std::uint32_t numero : {0u, 7u, 4095u, 0xFFFFFFFFu}) {
        std::string texto;
        formatador.Acrescenta(QD_PROCESSO_FN_CRE_LANC, numero, texto);
        EXPECT_EQ(texto, std::string(QDFormataChave(plano, QD_PROCESSO_FN_CRE_LANC, numero))) << numero;
    }
}

// Guards the answers the formatter keeps for the process: a later year's window reads some month
// texts back as other years, so a new year must not reuse the old year's answers.
TEST(CQDFormatadorChaves, AnswersOfOneYearAreNotKeptForTheNext) {
    CConexaoPlano plano;
    const std::uint32_t valor = ZTMontaChaveMesAno(Mes(1, 1946), 1);
    const auto formata = [&] {
        CQDFormatadorChaves formatador(plano);
        std::string texto;
        formatador.Acrescenta(QD_PROCESSO_CN_LAN, valor, texto);
        return texto;
    };
    {
        const zt_time_test::HojeFixado hoje(zt_time_test::DiaDe2026());
        EXPECT_EQ(formata(), "0146-000001");
    }
    const zt_time_test::HojeFixado hoje(zt_time_test::Momento(2031, 3, 1));
    EXPECT_EQ(formata(), std::string(QDFormataChave(plano, QD_PROCESSO_CN_LAN, valor)));
    EXPECT_NE(formata(), "0146-000001");
}

}  // namespace
