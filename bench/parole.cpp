// The number words: calls of numlett per second, on the values the drill
// uses (1 to 31) and across the whole range it spells (below 10^12).
// Seconds of this thread's CPU time, not of the wall clock: on a busy machine
// the figures stay those of a quiet one.
// Usage: parole [MILLISECONDS per measurement]
#include "words/numlett.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using platform::Currency;

double secondiCpu()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Spread evenly over the number of digits, so short and long numbers weigh
// alike: drawn uniformly, nearly every value would have twelve digits.
std::vector<Currency> gamma()
{
    std::vector<Currency> valori;
    std::uint64_t stato = 1;
    for (int i = 0; i < 4096; ++i) {
        stato = stato * 6364136223846793005ull + 1442695040888963407ull;
        const double frazione = static_cast<double>(stato >> 11) * 0x1p-53;
        valori.push_back(Currency::fromRaw(static_cast<std::int64_t>(std::pow(10.0, 12 * frazione)) * Currency::scale));
    }
    return valori;
}

// Calls per second over the values, the median of five spells of the given
// length.
double chiamate(const std::vector<Currency>& valori, int ms)
{
    words::Vocabolario vocabolario;
    std::vector<double> ritmi;
    std::size_t lettere = 0;
    for (int volta = 0; volta < 5; ++volta) {
        const double inizio = secondiCpu();
        std::size_t fatte = 0;
        do {
            for (Currency v : valori)
                lettere += vocabolario.numlett(v).size();
            fatte += valori.size();
        } while (secondiCpu() - inizio < ms / 1000.0);
        ritmi.push_back(static_cast<double>(fatte) / (secondiCpu() - inizio));
    }
    // Keeps the calls from being optimised away.
    if (lettere == 0)
        std::fprintf(stderr, "parole: no words at all\n");
    std::sort(ritmi.begin(), ritmi.end());
    return ritmi[2];
}

}

int main(int argc, char* argv[])
{
    const int ms = std::max(1, argc > 1 ? std::stoi(argv[1]) : 300);
    std::vector<Currency> piccoli;
    for (std::int64_t n = 1; n <= 31; ++n)
        piccoli.push_back(Currency::fromRaw(n * Currency::scale));
    const double ritmo = chiamate(piccoli, ms);
    std::printf("| Number words, 1 to 31 | %.1f million calls/s | | | at least 5 million/s | %s |\n", ritmo / 1e6,
                ritmo >= 5e6 ? "met" : "missed");
    std::printf("| Number words, 1 to 10^12 - 1, evenly over the digit counts | %.1f million calls/s | | | | |\n",
                chiamate(gamma(), ms) / 1e6);
    return 0;
}
