// Start-up and lab memory of a program against a baseline, in the private X
// server of $DISPLAY, taking turns since timings drift between runs minutes
// apart. Start-up ends with the first burst of drawing that the DAMAGE
// extension reports: after a quiet spell shorter than a cursor's 500 ms blink.
// The lab starts COPIES side by side, as on a school's server, and takes the
// share of memory (PSS) and the CPU each uses while it waits for the pupil.
// Usage: avvio PAIRS COPIES SECONDS PROGRAM BASELINE
#include "misure.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

namespace {

using namespace std::chrono_literals;
using Orologio = std::chrono::steady_clock;
using Coppie = std::vector<std::pair<double, double>>;

Display* schermo = nullptr;
int eventoDanno = 0;

// Waits for X events at most the given time (none once it is past), then
// takes them all: each new top-level window gets a damage watch. Gives the
// windows drawn into.
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

// Starts copies of a program, output thrown away, side by side on a screen of
// 3840 x 2400 (a window hidden under the others is never drawn). Gives the
// milliseconds until each has drawn and, if one, its burst of drawing ended.
double avvia(std::string programma, int copie, std::vector<pid_t>& pid)
{
    posix_spawn_file_actions_t azioni{};
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addopen(&azioni, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&azioni, STDOUT_FILENO, STDERR_FILENO);
    danneggiate(0ms);
    const auto inizio = Orologio::now();
    for (int i = 0; i < copie; ++i) {
        char opzione[] = "-geometry", posto[32];
        std::snprintf(posto, sizeof posto, "+%d+%d", i % 5 * 768, i / 5 % 4 * 600);
        char* argv[] = {programma.data(), opzione, posto, nullptr};
        if (posix_spawn(&pid.emplace_back(), argv[0], &azioni, nullptr, argv, environ) != 0)
            throw std::runtime_error("cannot start " + programma);
    }
    posix_spawn_file_actions_destroy(&azioni);
    std::set<Window> disegnate;
    auto ultimo = inizio;
    constexpr auto quiete = 150ms;
    while (std::ssize(disegnate) < copie || (copie == 1 && Orologio::now() - ultimo < quiete)) {
        if (Orologio::now() - inizio > 60s)
            throw std::runtime_error(programma + " did not draw every window");
        for (Window w : danneggiate(disegnate.empty() ? 50ms : quiete - (Orologio::now() - ultimo))) {
            disegnate.insert(w);
            ultimo = Orologio::now();
        }
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

// The number after the key on the first line of a /proc file starting with it.
double leggi(const std::filesystem::path& file, const std::string& chiave = "")
{
    std::ifstream in(file);
    for (std::string riga; std::getline(in, riga);)
        if (riga.rfind(chiave, 0) == 0)
            return std::stod(riga.substr(chiave.size()));
    throw std::runtime_error("cannot read " + file.string());
}

// CPU time of every thread of the copies in ms, by msCpu's scheduler clock.
double cpu(const std::vector<pid_t>& pid)
{
    double ns = 0;
    for (pid_t p : pid)
        for (const auto& filo : std::filesystem::directory_iterator("/proc/" + std::to_string(p) + "/task"))
            ns += leggi(filo.path() / "schedstat");
    return ns / 1e6;
}

// Measures both programs in turns, who goes first swapped every turn, and
// gives each of their two figures as pairs: (program, baseline).
template <typename Misura>
std::array<Coppie, 2> aTurni(int turni, const std::string (&chi)[2], Misura misura)
{
    std::array<Coppie, 2> coppie;
    for (int i = 0; i < turni; ++i) {
        std::pair<double, double> m[2];
        m[i % 2] = misura(chi[i % 2]);
        m[1 - i % 2] = misura(chi[1 - i % 2]);
        coppie[0].emplace_back(m[0].first, m[1].first);
        coppie[1].emplace_back(m[0].second, m[1].second);
    }
    return coppie;
}

// A row of the table: the medians of each program and of the pairs' ratios.
void confronta(const std::string& misura, const char* formato, const Coppie& coppie, double obiettivo)
{
    std::vector<double> valori, base, rapporti;
    for (const auto& [p, b] : coppie) {
        valori.push_back(p);
        base.push_back(b);
        rapporti.push_back(p / b);
    }
    const std::string riga = "| " + misura + " | " + formato + " | " + formato + " | %.3fx | at most %.2fx | %s |\n";
    const double r = misure::mediana(rapporti);
    std::printf(riga.c_str(), misure::mediana(valori), misure::mediana(base), r, obiettivo,
                r <= obiettivo ? "met" : "missed");
    std::fflush(stdout);
}

}

int main(int argc, char* argv[])
try {
    const std::vector<std::string> a(argv, argv + argc);
    if (a.size() != 6) {
        std::fprintf(stderr, "usage: avvio PAIRS COPIES SECONDS PROGRAM BASELINE\n");
        return 2;
    }
    int errori = 0;
    schermo = XOpenDisplay(nullptr);
    if (!schermo || !XDamageQueryExtension(schermo, &eventoDanno, &errori))
        throw std::runtime_error("no X server with the DAMAGE extension");
    // Windows come and go with the programs; a request about one that has
    // just gone is no fault of the measurement.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    XSelectInput(schermo, DefaultRootWindow(schermo), SubstructureNotifyMask);
    const int coppie = std::stoi(a[1]), copie = std::stoi(a[2]), secondi = std::stoi(a[3]);
    const std::string chi[2] = {a[4], a[5]};
    const auto avvio = [](const std::string& programma) {
        std::vector<pid_t> pid;
        const double ms = avvia(programma, 1, pid);
        return std::pair{ms, termina(pid[0])};
    };
    const auto lab = [&](const std::string& programma) {
        std::vector<pid_t> pid;
        avvia(programma, copie, pid);
        for (const auto fine = Orologio::now() + 2s; Orologio::now() < fine;)
            danneggiate(20ms); // settles, and never keeps the server waiting on us
        double memoria = 0, ms = -cpu(pid);
        for (pid_t p : pid)
            memoria += leggi("/proc/" + std::to_string(p) + "/smaps_rollup", "Pss:") / 1024 / copie;
        for (const auto fine = Orologio::now() + std::chrono::seconds(secondi); Orologio::now() < fine;)
            danneggiate(20ms);
        ms += cpu(pid);
        for (pid_t p : pid)
            termina(p);
        return std::pair{memoria, ms / 10 / secondi / copie};
    };
    aTurni(1, chi, avvio); // fills the disk and font caches: left out
    const auto [tempi, picchi] = aTurni(coppie, chi, avvio);
    confronta("Start-up to the first exercise painted, median of " + a[1] + " pairs", "%.0f ms", tempi, 1.25);
    confronta("Peak resident memory at start-up, median", "%.1f MiB", picchi, 1.15);
    const auto [memoria, processore] = aTurni(std::min(coppie, 3), chi, lab);
    const std::string quante = a[2] + " copies at once";
    confronta("Proportional memory (PSS) per copy, " + quante, "%.2f MiB", memoria, 1.15);
    confronta("Idle CPU per copy, " + quante + ", over " + a[3] + " s", "%.3f %% of a core", processore, 1.0);
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "avvio: %s\n", e.what());
    return 1;
}
