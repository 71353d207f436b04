#include "misure.h"

#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace misure {
namespace {

// Windows come and go with the programs; a request about one that has just
// gone is no fault of the measurement.
int ignora(Display*, XErrorEvent*) { return 0; }

}

Schermo apri()
{
    Schermo s;
    s.dpy = XOpenDisplay(nullptr);
    if (!s.dpy)
        throw std::runtime_error("cannot open the X display");
    int errori = 0;
    if (!XDamageQueryExtension(s.dpy, &s.eventoDanno, &errori))
        throw std::runtime_error("the X server has no DAMAGE extension");
    XSetErrorHandler(ignora);
    XSelectInput(s.dpy, DefaultRootWindow(s.dpy), SubstructureNotifyMask);
    XSync(s.dpy, False);
    return s;
}

std::vector<Window> danneggiate(Schermo& s)
{
    std::vector<Window> finestre;
    while (XPending(s.dpy)) {
        XEvent e;
        XNextEvent(s.dpy, &e);
        if (e.type == CreateNotify)
            XDamageCreate(s.dpy, e.xcreatewindow.window, XDamageReportRawRectangles);
        else if (e.type == s.eventoDanno + XDamageNotify)
            finestre.push_back(reinterpret_cast<XDamageNotifyEvent&>(e).drawable);
    }
    return finestre;
}

void aspetta(Schermo& s, std::chrono::milliseconds attesa)
{
    pollfd fd{ConnectionNumber(s.dpy), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(std::max(attesa, std::chrono::milliseconds(1)).count()));
}

pid_t lancia(const std::string& programma, const std::vector<std::string>& argomenti)
{
    std::vector<char*> argv{const_cast<char*>(programma.c_str())};
    for (const std::string& a : argomenti)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int nulla = open("/dev/null", O_RDWR);
        dup2(nulla, STDOUT_FILENO);
        dup2(nulla, STDERR_FILENO);
        execv(programma.c_str(), argv.data());
        _exit(127);
    }
    if (pid < 0)
        throw std::runtime_error("fork failed");
    return pid;
}

long termina(pid_t pid)
{
    kill(pid, SIGTERM);
    int stato = 0;
    rusage uso{};
    wait4(pid, &stato, 0, &uso);
    return uso.ru_maxrss;
}

double mediana(std::vector<double> valori)
{
    if (valori.empty())
        return 0;
    std::sort(valori.begin(), valori.end());
    const std::size_t n = valori.size();
    return n % 2 ? valori[n / 2] : (valori[n / 2 - 1] + valori[n / 2]) / 2;
}

std::string testo(const char* formato, double valore)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, formato, valore);
    return buffer;
}

void riga(const std::string& misura, const std::string& valore, const std::string& base, double rapporto,
          double obiettivo)
{
    std::printf("| %s | %s | %s | %.2fx | at most %.2fx | %s |\n", misura.c_str(), valore.c_str(), base.c_str(),
                rapporto, obiettivo, rapporto <= obiettivo ? "met" : "missed");
    std::fflush(stdout);
}

}
