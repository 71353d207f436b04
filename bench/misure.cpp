// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Contaperle's benchmarks, run by bench/run.sh in a private X server (process SERVER).
// Against a bare Qt window (BASELINE), in turns, who goes first swapped every
// turn, each ratio the median of the turns' ratios: start-up, from launch to the
// end of the first burst of drawing the DAMAGE extension reports (a quiet spell
// shorter than a cursor's blink); the lab: COPIES side by side, as on a school's
// server, and the memory (PSS) and CPU each takes over SECONDS while it waits.
// Then here, offscreen, by CPU time: CLICKS new exercises, PASSES over the number
// words. Usage: bench_misure PAIRS COPIES SECONDS CLICKS PASSES PROGRAM BASELINE SERVER
#include "board/tavola.h"
#include "words/numlett.h"

#include <QApplication>
#include <QPushButton>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <chrono>
#include <cmath>
#include <csignal>
#include <fstream>
#include <poll.h>
#include <set>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

using namespace std::chrono_literals;
using Orologio = std::chrono::steady_clock;
using Misure = std::vector<double>;
using Coppie = std::vector<std::pair<double, double>>;
using platform::Currency;

Display* schermo = nullptr;
int eventoDanno = 0, erroreDanno = 0;

// The middle value; of an even count, the mean of the two middle ones.
double mediana(Misure v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The CPU time of a process (0: this one), all its threads, in milliseconds:
// the time it ran, not the time it waited for a core on a busy machine.
double msCpu(pid_t pid = 0)
{
    clockid_t orologio{};
    timespec t{};
    if (clock_getcpuclockid(pid, &orologio) != 0 || clock_gettime(orologio, &t) != 0)
        throw std::runtime_error("no CPU clock for process " + std::to_string(pid));
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Waits for X events at most the given time, then takes them all: each new
// top-level window gets a damage watch. Gives the windows drawn into.
std::vector<Window> danneggiate(Orologio::duration attesa)
{
    pollfd fd{ConnectionNumber(schermo), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(std::max(attesa, {})).count()));
    std::vector<Window> finestre;
    while (XPending(schermo)) {
        XEvent e;
        XNextEvent(schermo, &e);
        if (e.type == CreateNotify)
            XDamageCreate(schermo, e.xcreatewindow.window, XDamageReportRawRectangles);
        else if (e.type == eventoDanno + XDamageNotify)
            finestre.push_back(reinterpret_cast<XDamageNotifyEvent&>(e).drawable);
    }
    return finestre;
}

// Serves the X server's events for a while, never keeping it waiting on us.
void attendi(Orologio::duration durata)
{
    for (const auto fine = Orologio::now() + durata; Orologio::now() < fine;)
        danneggiate(20ms);
}

// Starts copies of a program side by side on a screen of 3840 x 2400 (a window
// hidden under the others is never drawn), and waits until each has drawn and,
// if one, its burst of drawing has ended. Gives the milliseconds that took.
double avvia(std::string programma, int copie, std::vector<pid_t>& pid)
{
    danneggiate(0ms);
    const auto inizio = Orologio::now();
    for (int i = 0; i < copie; ++i) {
        char opzione[] = "-geometry", posto[32];
        std::snprintf(posto, sizeof posto, "+%d+%d", i % 5 * 768, i / 5 % 4 * 600);
        char* argv[] = {programma.data(), opzione, posto, nullptr};
        if (posix_spawn(&pid.emplace_back(), argv[0], nullptr, nullptr, argv, environ) != 0)
            throw std::runtime_error("cannot start " + programma);
    }
    std::set<Window> disegnate;
    auto ultimo = inizio;
    constexpr auto quiete = 150ms;
    while (std::ssize(disegnate) < copie || (copie == 1 && Orologio::now() - ultimo < quiete)) {
        if (Orologio::now() - inizio > 60s)
            throw std::runtime_error(programma + " did not draw every window");
        for (Window w : danneggiate(disegnate.empty() ? 50ms : quiete - (Orologio::now() - ultimo)))
            ultimo = Orologio::now(), disegnate.insert(w);
    }
    return std::chrono::duration<double, std::milli>(ultimo - inizio).count();
}

// Ends a program and gives its peak resident memory in MiB.
double termina(pid_t pid)
{
    kill(pid, SIGTERM);
    rusage uso{};
    wait4(pid, nullptr, 0, &uso);
    return static_cast<double>(uso.ru_maxrss) / 1024;
}

double pss(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string riga; std::getline(in, riga);)
        if (riga.rfind("Pss:", 0) == 0)
            return std::stod(riga.substr(4)) / 1024;
    throw std::runtime_error("no PSS for process " + std::to_string(pid));
}

// Measures both programs in turns; gives each figure's (program, baseline) pairs.
std::vector<Coppie> aTurni(int turni, const std::string (&chi)[2], const auto& misura)
{
    std::vector<Coppie> coppie;
    for (int i = 0; i < turni; ++i) {
        Misure m[2];
        m[i % 2] = misura(chi[i % 2]);
        m[1 - i % 2] = misura(chi[1 - i % 2]);
        coppie.resize(m[0].size());
        for (std::size_t f = 0; f < m[0].size(); ++f)
            coppie[f].emplace_back(m[0][f], m[1][f]);
    }
    return coppie;
}

// A row of the table: each program's median, the pairs' ratios' median and its target if any.
void confronta(const std::string& misura, const std::string& formato, const Coppie& coppie, double obiettivo = 0)
{
    Misure valori[3];
    for (const auto& [p, b] : coppie)
        valori[0].push_back(p), valori[1].push_back(b), valori[2].push_back(p / b);
    const double r = mediana(valori[2]);
    const std::string riga = "| " + misura + " | " + formato + " | " + formato + " | %.3fx | "
                             + (obiettivo > 0 ? "at most %.2fx | %s |\n" : "| |\n");
    std::printf(riga.c_str(), mediana(valori[0]), mediana(valori[1]), r, obiettivo, r <= obiettivo ? "met" : "missed");
}

// The median CPU time in ms of a step done TIMES times, after a tenth more that warm up.
double cronometra(int volte, const auto& passo)
{
    Misure tempi;
    for (int i = 0; i < volte + volte / 10; ++i) {
        const double inizio = msCpu();
        passo();
        if (i >= volte / 10)
            tempi.push_back(msCpu() - inizio);
    }
    return mediana(tempi);
}

// Millions of calls of numlett per second over the values, by passes of about 32768 calls.
double milioni(const std::vector<Currency>& valori, int passate)
{
    words::Vocabolario vocabolario;
    std::size_t lettere = 0;
    const auto volte = 32768 / std::ssize(valori);
    const double ms = cronometra(passate, [&] {
        for (auto volta = volte; volta > 0; --volta)
            for (Currency v : valori)
                lettere += vocabolario.numlett(v).size();
    });
    return lettere > 0 ? static_cast<double>(volte * std::ssize(valori)) / ms / 1e3 : 0; // uses the words
}

// The rows timed here, offscreen.
void inProcesso(int argc, char* argv[], int clic, int passate)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "default.warning=false"); // about window hints offscreen ignores
    QApplication app(argc, argv);
    board::Tavola tavola;
    tavola.show();
    auto* cmdNext = tavola.findChild<QPushButton*>(QStringLiteral("cmdNext"));
    if (!cmdNext || !cmdNext->isEnabled())
        throw std::runtime_error("no enabled cmdNext on the window");
    const double tempo = cronometra(clic, [&] {
        cmdNext->click();
        QApplication::processEvents(); // the repaint, from the update request the click posts
    });
    std::printf(
        "| New exercise: click on cmdNext and its repaint, median of %d | %.3f ms CPU | | | under 1 ms | %s |\n", clic,
        tempo, tempo < 1 ? "met" : "missed");
    // 1 to 31; 4096 values evenly over the digit counts (short, long weigh alike), shuffled.
    std::vector<Currency> piccoli, gamma;
    for (std::int64_t n = 1; n <= 31; ++n)
        piccoli.push_back(Currency::fromRaw(n * Currency::scale));
    for (int i = 0; i < 4096; ++i)
        gamma.push_back(Currency::fromRaw(static_cast<std::int64_t>(std::pow(10.0, 12.0 * (i * 2963 % 4096) / 4096))
                                          * Currency::scale));
    const double ritmo = milioni(piccoli, passate);
    std::printf("| Number words, 1 to 31 | %.1f million calls/s | | | at least 5 million/s | %s |\n"
                "| Number words, 1 to 10^12 - 1, evenly over the digit counts | %.1f million calls/s | | | | |\n",
                ritmo, ritmo >= 5 ? "met" : "missed", milioni(gamma, passate));
}

}

int main(int argc, char* argv[])
try {
    const std::vector<std::string> a(argv, argv + argc);
    if (a.size() != 9)
        throw std::runtime_error("usage: bench_misure PAIRS COPIES SECONDS CLICKS PASSES PROGRAM BASELINE SERVER");
    const int coppie = std::stoi(a[1]), copie = std::stoi(a[2]), secondi = std::stoi(a[3]), server = std::stoi(a[8]);
    const std::string chi[2] = {a[6], a[7]};
    schermo = XOpenDisplay(nullptr);
    if (!schermo || !XDamageQueryExtension(schermo, &eventoDanno, &erroreDanno))
        throw std::runtime_error("no X server with the DAMAGE extension");
    // Windows come and go with the programs: a request about one just gone is no fault.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    XSelectInput(schermo, DefaultRootWindow(schermo), SubstructureNotifyMask);
    // The CPU time of the program and of the X server drawing for it; wall time; peak memory.
    const auto avvio = [&](const std::string& programma) {
        std::vector<pid_t> pid;
        const double x = msCpu(server), ms = avvia(programma, 1, pid);
        return Misure{msCpu(pid[0]) + msCpu(server) - x, ms, termina(pid[0])};
    };
    const auto lab = [&](const std::string& programma) {
        std::vector<pid_t> pid;
        avvia(programma, copie, pid);
        attendi(2s); // settles
        double memoria = 0, ms = 0;
        for (pid_t p : pid)
            memoria += pss(p) / copie, ms -= msCpu(p);
        attendi(std::chrono::seconds(secondi));
        for (pid_t p : pid)
            ms += msCpu(p), termina(p);
        return Misure{memoria, ms / 10 / secondi / copie};
    };
    aTurni(1, chi, avvio); // fills the disk and font caches: left out
    const auto avvii = aTurni(coppie, chi, avvio);
    const std::string primo = "Start-up to the first exercise painted, median of " + a[1] + " pairs: ";
    confronta(primo + "wall time", "%.0f ms", avvii[1], 1.25);
    confronta(primo + "CPU time", "%.1f ms", avvii[0]);
    confronta("Peak resident memory at start-up, median", "%.1f MiB", avvii[2], 1.15);
    const auto labs = aTurni(std::min(coppie, 3), chi, lab);
    const std::string quante = a[2] + " copies at once";
    confronta("Proportional memory (PSS) per copy, " + quante, "%.2f MiB", labs[0], 1.15);
    confronta("Idle CPU per copy, " + quante + ", over " + a[3] + " s", "%.3f %% of a core", labs[1], 1.0);
    inProcesso(argc, argv, std::stoi(a[4]), std::stoi(a[5]));
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "bench_misure: %s\n", e.what());
    return 1;
}
