// What the start-up and lab measurements share: the X server with its DAMAGE
// extension, launching and ending programs, medians and table rows.
#pragma once

#include <X11/Xlib.h>

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace misure {

using Orologio = std::chrono::steady_clock;

struct Schermo {
    Display* dpy = nullptr;
    int eventoDanno = 0;
};

// Opens $DISPLAY and watches for new top-level windows.
Schermo apri();
// Takes the pending X events: each new top-level window gets a damage watch,
// and each drawing report names the window drawn into.
std::vector<Window> danneggiate(Schermo& s);
// Waits for X events for at most the given time.
void aspetta(Schermo& s, std::chrono::milliseconds attesa);

// Starts a program with its output thrown away.
pid_t lancia(const std::string& programma, const std::vector<std::string>& argomenti = {});
// Ends a program and gives its peak resident memory in KiB.
long termina(pid_t pid);

double mediana(std::vector<double> valori);
std::string testo(const char* formato, double valore);
// A row of the table, judged against the target ratio.
void riga(const std::string& misura, const std::string& valore, const std::string& base, double rapporto,
          double obiettivo);

}
