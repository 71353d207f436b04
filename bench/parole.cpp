// The number words: calls of numlett per second of CPU time, on the values
// the drill uses (1 to 31) and across the whole range it spells (below
// 10^12). Usage: parole [MILLISECONDS per spell]
#include "misure.h"
#include "words/numlett.h"

#include <cmath>
#include <cstdint>

namespace {

using platform::Currency;

// Spread evenly over the number of digits, so short and long numbers weigh
// alike (drawn uniformly, nearly every value would have twelve digits), and
// shuffled by an odd stride.
std::vector<Currency> gamma()
{
    std::vector<Currency> valori(4096);
    for (std::size_t i = 0; i < valori.size(); ++i)
        valori[i] = Currency::fromRaw(
            static_cast<std::int64_t>(std::pow(10.0, 12.0 * static_cast<double>(i * 2963 % 4096) / 4096))
            * Currency::scale);
    return valori;
}

// Millions of calls per second over the values, the median of five spells.
double milioni(const std::vector<Currency>& valori, int ms)
{
    words::Vocabolario vocabolario;
    std::vector<double> ritmi;
    std::size_t lettere = 0;
    for (int volta = 0; volta < 5; ++volta) {
        const double inizio = misure::msCpu();
        double fatte = 0;
        do {
            for (Currency v : valori)
                lettere += vocabolario.numlett(v).size();
            fatte += static_cast<double>(valori.size());
        } while (misure::msCpu() - inizio < ms);
        ritmi.push_back(fatte / (misure::msCpu() - inizio) / 1e3);
    }
    // Keeps the calls from being optimised away.
    if (lettere == 0)
        std::fprintf(stderr, "parole: no words at all\n");
    return misure::mediana(ritmi);
}

}

int main(int argc, char* argv[])
{
    const int ms = std::max(1, argc > 1 ? std::stoi(argv[1]) : 300);
    std::vector<Currency> piccoli;
    for (std::int64_t n = 1; n <= 31; ++n)
        piccoli.push_back(Currency::fromRaw(n * Currency::scale));
    const double ritmo = milioni(piccoli, ms);
    std::printf("| Number words, 1 to 31 | %.1f million calls/s | | | at least 5 million/s | %s |\n", ritmo,
                ritmo >= 5 ? "met" : "missed");
    std::printf("| Number words, 1 to 10^12 - 1, evenly over the digit counts | %.1f million calls/s | | | | |\n",
                milioni(gamma(), ms));
    return 0;
}
