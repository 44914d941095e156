// AmostradorMemoria (amostrador: sampler): the peak of a process's own resident memory (RssAnon
// of /proc/<pid>/status) while it works, read from a thread of this process every millisecond.
// The system keeps a peak of the whole resident size only (VmHWM), which counts mapped file
// pages; the anonymous peak has to be watched. A peak shorter than the period can be missed.
//
// The thread runs on the processor given (a different one from the watched process's, so that
// watching does not slow it), or wherever the system puts it. Made and read on one thread.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <thread>

namespace kelvo::bench {

class AmostradorMemoria {
public:
    // Starts watching `processo`; `cpu` < 0 leaves the thread unbound.
    AmostradorMemoria(pid_t processo, int cpu);
    ~AmostradorMemoria();
    AmostradorMemoria(const AmostradorMemoria&) = delete;
    AmostradorMemoria& operator=(const AmostradorMemoria&) = delete;

    // Stops watching (once) and answers the highest RssAnon seen, in kB; -1 when none was read.
    [[nodiscard]] long Para();

private:
    void Amostra(pid_t processo, int cpu);

    std::atomic<bool> m_parar{false};
    std::atomic<long> m_picoKb{-1};
    std::thread m_thread;
};

}  // namespace kelvo::bench
