// Start-up and lab-server measurements of a program against a baseline,
// taken from outside both in the X server named by $DISPLAY, which should be
// private to this run. Prints rows of a Markdown table.
//
//   avvio startup RUNS PROGRAM BASELINE           start-up time, peak memory
//   avvio lab COPIES SECONDS PROGRAM BASELINE     memory and idle CPU per copy
//
// Start-up ends with the first burst of drawing: the X DAMAGE extension
// reports every drawing into the program's windows, and the burst is over
// after a quiet spell shorter than the 500 ms blink of a text cursor. The two
// programs take turns in one run, since timings drift between runs minutes
// apart.
#include "misure.h"

#include <optional>
#include <stdexcept>

namespace misure {
int laboratorio(Schermo& s, int copie, int secondi, const std::string& programma, const std::string& base);
}

namespace {

using namespace misure;
using namespace std::chrono_literals;

constexpr auto quiete = 150ms;
constexpr auto pazienza = 30s;

struct Avvio {
    double ms = 0;
    long piccoKiB = 0;
};

// One start: launch, wait for the end of the first burst of drawing, end it.
Avvio avvia(Schermo& s, const std::string& programma)
{
    danneggiate(s);
    const auto inizio = Orologio::now();
    const pid_t pid = lancia(programma);
    std::optional<Orologio::time_point> ultimo;
    for (;;) {
        if (!danneggiate(s).empty())
            ultimo = Orologio::now();
        const auto adesso = Orologio::now();
        if (ultimo && adesso - *ultimo >= quiete)
            break;
        if (adesso - inizio > pazienza) {
            termina(pid);
            throw std::runtime_error(programma + " drew nothing");
        }
        const auto resto = ultimo ? quiete - (adesso - *ultimo) : Orologio::duration(50ms);
        aspetta(s, std::chrono::duration_cast<std::chrono::milliseconds>(resto));
    }
    return {std::chrono::duration<double, std::milli>(*ultimo - inizio).count(), termina(pid)};
}

int avvio(Schermo& s, int volte, const std::string& programma, const std::string& base)
{
    // A first start of each fills the disk cache and the font cache.
    avvia(s, programma);
    avvia(s, base);
    std::vector<double> tempi, tempiBase, rapporti, picchi, picchiBase;
    for (int i = 0; i < volte; ++i) {
        // Who goes first alternates too.
        const Avvio primo = avvia(s, i % 2 ? base : programma);
        const Avvio secondo = avvia(s, i % 2 ? programma : base);
        const Avvio& p = i % 2 ? secondo : primo;
        const Avvio& b = i % 2 ? primo : secondo;
        tempi.push_back(p.ms);
        tempiBase.push_back(b.ms);
        rapporti.push_back(p.ms / b.ms);
        picchi.push_back(static_cast<double>(p.piccoKiB) / 1024);
        picchiBase.push_back(static_cast<double>(b.piccoKiB) / 1024);
    }
    riga("Start-up to the first exercise painted, median of " + std::to_string(volte) + " pairs",
         testo("%.0f ms", mediana(tempi)), testo("%.0f ms", mediana(tempiBase)), mediana(rapporti), 1.25);
    riga("Peak resident memory at start-up, median", testo("%.1f MiB", mediana(picchi)),
         testo("%.1f MiB", mediana(picchiBase)), mediana(picchi) / mediana(picchiBase), 1.15);
    return 0;
}

}

int main(int argc, char* argv[])
{
    try {
        const std::vector<std::string> a(argv + 1, argv + argc);
        if (a.size() == 4 && a[0] == "startup") {
            Schermo s = apri();
            return avvio(s, std::stoi(a[1]), a[2], a[3]);
        }
        if (a.size() == 5 && a[0] == "lab") {
            Schermo s = apri();
            return laboratorio(s, std::stoi(a[1]), std::stoi(a[2]), a[3], a[4]);
        }
        std::fprintf(stderr, "usage: avvio startup RUNS PROGRAM BASELINE | lab COPIES SECONDS PROGRAM BASELINE\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "avvio: %s\n", e.what());
        return 1;
    }
}
