// A school lab server: many copies of one program at once under one X server.
// Measures the proportional memory (PSS) per copy, which shares each library
// page out among the processes that map it, and the CPU each copy uses while
// it waits for the pupil.
#include "misure.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

namespace misure {
namespace {

using namespace std::chrono_literals;

struct Consumo {
    double pssMiB = 0;
    double cpuPercento = 0;
};

// Side by side on a screen of 3840 x 2400, as if each had a screen of its
// own: a window hidden under the others would never be drawn. Qt reads the
// place from -geometry before the program sees its arguments.
std::string posto(int i)
{
    char posto[32];
    std::snprintf(posto, sizeof posto, "+%d+%d", i % 5 * 768, i / 5 % 4 * 600);
    return posto;
}

// Keeps taking X events for a while, so the server never waits on us.
void pompa(Schermo& s, Orologio::duration durata)
{
    const auto fine = Orologio::now() + durata;
    while (Orologio::now() < fine) {
        danneggiate(s);
        aspetta(s, 20ms);
    }
}

double pssKiB(pid_t pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string riga; std::getline(rollup, riga);)
        if (riga.rfind("Pss:", 0) == 0)
            return std::stod(riga.substr(4));
    throw std::runtime_error("no Pss for process " + std::to_string(pid));
}

// CPU time of every thread of the process, in nanoseconds.
double cpuNs(pid_t pid)
{
    double totale = 0;
    for (const auto& filo : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        std::ifstream statistica(filo.path() / "schedstat");
        double ns = 0;
        statistica >> ns;
        totale += ns;
    }
    return totale;
}

// Launches the copies, waits until each has drawn its window and has settled,
// then measures.
Consumo misura(Schermo& s, int copie, int secondi, const std::string& programma)
{
    danneggiate(s);
    std::vector<pid_t> pid;
    for (int i = 0; i < copie; ++i)
        pid.push_back(lancia(programma, {"-geometry", posto(i)}));
    std::set<Window> disegnate;
    const auto inizio = Orologio::now();
    while (static_cast<int>(disegnate.size()) < copie) {
        for (Window w : danneggiate(s))
            disegnate.insert(w);
        if (Orologio::now() - inizio > 60s)
            throw std::runtime_error(programma + ": not every copy drew its window");
        aspetta(s, 50ms);
    }
    pompa(s, 2s);
    Consumo c;
    double cpuPrima = 0, cpuDopo = 0;
    for (pid_t p : pid) {
        c.pssMiB += pssKiB(p) / 1024 / copie;
        cpuPrima += cpuNs(p);
    }
    pompa(s, std::chrono::seconds(secondi));
    for (pid_t p : pid)
        cpuDopo += cpuNs(p);
    c.cpuPercento = (cpuDopo - cpuPrima) / 1e9 / secondi / copie * 100;
    for (pid_t p : pid)
        termina(p);
    return c;
}

}

int laboratorio(Schermo& s, int copie, int secondi, const std::string& programma, const std::string& base)
{
    // Two rounds, the second in the other order.
    std::vector<double> pss, pssBase, cpu, cpuBase;
    for (int giro = 0; giro < 2; ++giro) {
        const Consumo primo = misura(s, copie, secondi, giro ? base : programma);
        const Consumo secondo = misura(s, copie, secondi, giro ? programma : base);
        const Consumo& p = giro ? secondo : primo;
        const Consumo& b = giro ? primo : secondo;
        pss.push_back(p.pssMiB);
        pssBase.push_back(b.pssMiB);
        cpu.push_back(p.cpuPercento);
        cpuBase.push_back(b.cpuPercento);
    }
    const std::string quante = std::to_string(copie) + " copies at once";
    riga("Proportional memory (PSS) per copy, " + quante, testo("%.2f MiB", mediana(pss)),
         testo("%.2f MiB", mediana(pssBase)), mediana(pss) / mediana(pssBase), 1.15);
    riga("Idle CPU per copy, " + quante + ", over " + std::to_string(secondi) + " s",
         testo("%.3f %% of a core", mediana(cpu)), testo("%.3f %% of a core", mediana(cpuBase)),
         mediana(cpu) / mediana(cpuBase), 1.0);
    return 0;
}

}
