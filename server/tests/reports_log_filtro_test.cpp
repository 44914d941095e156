// The log report's choice of entries: user, period and the ten option bits, case by case.
#include "server/reports/qd_relatorio_log_filtro.h"
#include "util/date/date_time_value.h"
#include "util/date/day_number.h"
#include "util/time/short_date.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr std::uint32_t kTodos = 0x3FF;

// Bit masks by number, as the filter dialog sets them.
constexpr std::uint32_t Bit(int n) { return std::uint32_t{1} << n; }

QD_RELATORIO_PS Pedido(std::uint32_t flags, std::uint16_t inicio = 0, std::uint16_t fim = 0, std::uint16_t usuario = 0) {
    QD_RELATORIO_PS rel{};
    rel.cRelatorio = QD_TIPO_REL_LOG;
    rel.flags.dwFlags = flags;
    rel.iShort1 = inicio;
    rel.iShort2 = fim;
    rel.iShort3 = usuario;
    return rel;
}

// Local noon of a date as a log time: the same day in any time zone the process runs in.
std::uint32_t MeioDia(int dia, int mes, int ano) { return ZTMomento32(ZTMeiaNoiteLocal(dia, mes, ano) + 12 * 3600); }

QD_LOG_PS Entrada(QD_E_OPERACAO_LOG op, std::uint16_t usuario = 1, std::uint32_t tempo = MeioDia(15, 3, 2024)) {
    QD_LOG_PS log{};
    log.eOperacao = op;
    log.iUsuario = usuario;
    log.dataGravacaoLog = tempo;
    return log;
}

struct CasoBits {
    QD_E_OPERACAO_LOG op;
    std::uint32_t necessarios;  // every one of these bits is needed, none more
};

// Every operation needs exactly its operation bit, its record-kind bit (none for viewings) and,
// for a viewing, its channel bit: with all of them it is listed, without any one it is not.
TEST(QDRelLogSelecionada, EachOperationNeedsExactlyItsBits) {
    const CasoBits casos[] = {
        {QD_OP_LOG_TIPDOC_INCLUSAO, Bit(0) | Bit(6)},      {QD_OP_LOG_TIPDOC_ALTERACAO_DE, Bit(2) | Bit(6)},
        {QD_OP_LOG_TIPDOC_ALTERACAO_PARA, Bit(2) | Bit(6)}, {QD_OP_LOG_TIPDOC_EXCLUSAO, Bit(1) | Bit(6)},
        {QD_OP_LOG_DOC_INCLUSAO, Bit(0) | Bit(4)},         {QD_OP_LOG_DOC_ALTERACAO_DE, Bit(2) | Bit(4)},
        {QD_OP_LOG_DOC_ALTERACAO_PARA, Bit(2) | Bit(4)},    {QD_OP_LOG_DOC_EXCLUSAO, Bit(1) | Bit(4)},
        {QD_OP_LOG_DOC_VISUALIZAR_WEB, Bit(3) | Bit(8)},    {QD_OP_LOG_DOC_VISUALIZAR_LOCAL, Bit(3) | Bit(7)},
        {QD_OP_LOG_LOCARQ_INCLUSAO, Bit(0) | Bit(5)},      {QD_OP_LOG_LOCARQ_ALTERACAO_DE, Bit(2) | Bit(5)},
        {QD_OP_LOG_LOCARQ_ALTERACAO_PARA, Bit(2) | Bit(5)}, {QD_OP_LOG_PROP_ALTERACAO_DE, Bit(2) | Bit(9)},
        {QD_OP_LOG_PROP_ALTERACAO_PARA, Bit(2) | Bit(9)},
    };
    for (const CasoBits& caso : casos) {
        SCOPED_TRACE(std::to_string(caso.op));
        EXPECT_TRUE(QDRelLogSelecionada(Pedido(caso.necessarios), Entrada(caso.op)));
        EXPECT_TRUE(QDRelLogSelecionada(Pedido(kTodos), Entrada(caso.op)));
        for (int n = 0; n < 10; ++n) {
            if ((caso.necessarios & Bit(n)) == 0) continue;
            EXPECT_FALSE(QDRelLogSelecionada(Pedido(caso.necessarios & ~Bit(n)), Entrada(caso.op))) << "bit " << n;
        }
    }
}

// An operation outside the enumeration is never listed, whatever the bits.
TEST(QDRelLogSelecionada, UnknownOperationIsNeverListed) {
    EXPECT_FALSE(QDRelLogSelecionada(Pedido(0xFFFFFFFF), Entrada(static_cast<QD_E_OPERACAO_LOG>(15))));
    EXPECT_FALSE(QDRelLogSelecionada(Pedido(0xFFFFFFFF), Entrada(static_cast<QD_E_OPERACAO_LOG>(-1))));
}

// The period applies only with both bounds set, inclusive on both ends; a single bound lists
// every day.
TEST(QDRelLogSelecionada, PeriodNeedsBothBoundsAndIncludesThem) {
    const auto dia = static_cast<std::uint16_t>(ZTCalculaDiaNumero(15, 3, 2024));
    const QD_LOG_PS log = Entrada(QD_OP_LOG_DOC_INCLUSAO);
    struct Caso {
        std::uint16_t inicio, fim;
        bool listada;
    } casos[] = {
        {0, 0, true},
        {static_cast<std::uint16_t>(dia + 1), 0, true},
        {0, static_cast<std::uint16_t>(dia - 1), true},
        {dia, dia, true},
        {static_cast<std::uint16_t>(dia - 10), static_cast<std::uint16_t>(dia - 1), false},
        {static_cast<std::uint16_t>(dia + 1), static_cast<std::uint16_t>(dia + 10), false},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(QDRelLogSelecionada(Pedido(kTodos, caso.inicio, caso.fim), log), caso.listada)
            << caso.inicio << ".." << caso.fim;
    }
}

// A log day is the full local date: an entry of 2028 does not fall into a period of 1928, as it
// would if its day were read back through a two-digit year.
TEST(QDRelLogSelecionada, DayOfLaterCenturyYearIsNotFoldedBack) {
    EXPECT_EQ(QDRelLogDia(MeioDia(2, 1, 2026)), ZTCalculaDiaNumero(2, 1, 2026));
    const auto inicio = static_cast<std::uint16_t>(ZTCalculaDiaNumero(1, 3, 1928));
    const auto fim = static_cast<std::uint16_t>(ZTCalculaDiaNumero(31, 3, 1928));
    EXPECT_FALSE(QDRelLogSelecionada(Pedido(kTodos, inicio, fim), Entrada(QD_OP_LOG_DOC_INCLUSAO, 1, MeioDia(15, 3, 2028))));
}

// The period's bounds are stored short days compared as the days they mean, and the log's time
// an unsigned moment: a period over June 2027 (stored 65532..26) listed nothing when compared
// raw, and an entry after 19 January 2038 fell back to 1901.
TEST(QDRelLogSelecionada, PeriodsAcrossJune2027And2038ListTheirDays) {
    struct Caso {
        const char* nome;
        std::uint32_t tempo;
        std::uint16_t inicio, fim;
        bool listada;
    };
    const std::uint16_t junho1 = ZTMontaData(1, 6, 2027);
    const std::uint16_t junho30 = ZTMontaData(30, 6, 2027);
    const Caso casos[] = {
        {"4 June 2027", MeioDia(4, 6, 2027), junho1, junho30, true},
        {"5 June 2027", MeioDia(5, 6, 2027), junho1, junho30, true},
        {"1 July 2027", MeioDia(1, 7, 2027), junho1, junho30, false},
        {"31 May 2027", MeioDia(31, 5, 2027), junho1, junho30, false},
        {"1 March 2040", MeioDia(1, 3, 2040), ZTMontaData(1, 3, 2040), ZTMontaData(1, 3, 2040), true},
        {"2040 outside 2039", MeioDia(1, 3, 2040), ZTMontaData(1, 1, 2039), ZTMontaData(31, 12, 2039), false},
    };
    for (const Caso& caso : casos) {
        const QD_LOG_PS log = Entrada(QD_OP_LOG_DOC_INCLUSAO, 1, caso.tempo);
        EXPECT_EQ(QDRelLogSelecionada(Pedido(kTodos, caso.inicio, caso.fim), log), caso.listada) << caso.nome;
    }
    EXPECT_EQ(QDRelLogDia(MeioDia(1, 3, 2040)), ZTCalculaDiaNumero(1, 3, 2040));
}

// A user code in the request lists only that user's entries; 0 lists everyone's.
TEST(QDRelLogSelecionada, UserFilterKeepsOnlyThatUser) {
    EXPECT_TRUE(QDRelLogSelecionada(Pedido(kTodos, 0, 0, 7), Entrada(QD_OP_LOG_DOC_INCLUSAO, 7)));
    EXPECT_FALSE(QDRelLogSelecionada(Pedido(kTodos, 0, 0, 7), Entrada(QD_OP_LOG_DOC_INCLUSAO, 8)));
    EXPECT_TRUE(QDRelLogSelecionada(Pedido(kTodos, 0, 0, 0), Entrada(QD_OP_LOG_DOC_INCLUSAO, 8)));
}

}  // namespace
