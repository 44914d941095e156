#include "server/bench/memory_sampler.h"

#include "server/bench/bench_environment.h"

#include <chrono>

namespace kelvo::bench {

AmostradorMemoria::AmostradorMemoria(pid_t processo, int cpu)
    : m_thread([this, processo, cpu] { Amostra(processo, cpu); }) {}

AmostradorMemoria::~AmostradorMemoria() { (void)Para(); }

long AmostradorMemoria::Para() {
    m_parar = true;
    if (m_thread.joinable()) m_thread.join();
    return m_picoKb;
}

void AmostradorMemoria::Amostra(pid_t processo, int cpu) {
    if (cpu >= 0) (void)FixaProcessador(0, cpu);  // 0 in a thread binds that thread alone
    while (!m_parar) {
        MemoriaProcesso memoria;
        if (LeMemoria(processo, memoria) && memoria.rssAnonKb > m_picoKb) m_picoKb = memoria.rssAnonKb;
        // A sampling period, not a wait for an event: the work watched sets no signal.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace kelvo::bench
