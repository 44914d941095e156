#include "util/text/temp_name.h"

#include "util/text/bounded_copy.h"

#include <atomic>
#include <chrono>
#include <cstdlib>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace {

constexpr int kRandomCharacters = 3;
// A generator that never gives a digit or capital in this many draws is broken; the counter
// alone still keeps the names apart.
constexpr int kMaxDraws = 4096;

std::atomic<int> gTempNameCounter{0};

unsigned ClockCount() {
#if defined(__x86_64__) || defined(__i386__)
    return static_cast<unsigned>(__rdtsc());
#else
    return static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
#endif
}

bool IsNameCharacter(char ch) { return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z'); }

}  // namespace

CZTString ZTGeraNomeArqTempComSemente(const char* prefix, unsigned seed) {
    CZTString extended(prefix);
    // rand_r keeps its state in `seed`, so a name never disturbs the sequence of rand() users.
    int kept = 0;
    for (int draw = 0; draw < kMaxDraws && kept < kRandomCharacters; ++draw) {
        const char ch = static_cast<char>(rand_r(&seed) & 0xFF);
        if (!IsNameCharacter(ch)) continue;
        extended += ch;
        ++kept;
    }
    return CZTString::Formata("%s%d.tmp", extended.GetString(), gTempNameCounter.fetch_add(1));
}

CZTString ZTGeraNomeArqTemp(const char* prefix) { return ZTGeraNomeArqTempComSemente(prefix, ClockCount()); }

bool ZTGeraNomeArqTempBuffer(const char* prefix, char* target, int size) {
    if (!target || size < 1) return false;
    return zt_text_detail::CopyBounded(ZTGeraNomeArqTemp(prefix).view(), target, size);
}
