// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/riepilogo.h"

#include "platform/core/csv.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <tuple>

namespace app {
namespace {

// The first line of every record (see board/registro.cpp).
const std::vector<std::string> colonne = {"ora",      "alunno", "aste",   "verso",  "numero",
                                          "risposta", "esito",  "esatte", "errate", "totale"};

struct Conto {
    int esatte = 0, errate = 0;
    // How often each number was missed.
    std::map<int, int> mancati;
};
// The pupil and the lesson: rods and direction.
using Chiave = std::tuple<std::string, int, std::string>;

bool intero(const std::string& testo, int minimo, int massimo, int& n)
{
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), n);
    return errore == std::errc() && fine == testo.data() + testo.size() && n >= minimo && n <= massimo;
}

// A line of a record into the counts; false for a damaged one. A pupil's
// name with control characters is damage too: it would reach the teacher's
// terminal as they are.
bool conta(const platform::CsvRecord& riga, std::map<Chiave, Conto>& conti)
{
    const std::vector<std::string>& c = riga.fields;
    int aste = 0, numero = 0, n = 0;
    const auto controllo = [](char k) { return std::iscntrl(static_cast<unsigned char>(k)) != 0; };
    if (!riga.wellFormed || c.size() != colonne.size() || c[1].empty()
        || std::any_of(c[1].begin(), c[1].end(), controllo) || !intero(c[2], 3, 8, aste)
        || (c[3] != "leggi" && c[3] != "componi") || !intero(c[4], 1, (1 << aste) - 1, numero)
        || (c[6] != "giusta" && c[6] != "sbagliata") || !intero(c[7], 0, 32767, n) || !intero(c[8], 0, 32767, n)
        || !intero(c[9], 0, 65534, n))
        return false;
    Conto& conto = conti[{c[1], aste, c[3]}];
    const bool giusta = c[6] == "giusta";
    conto.esatte += giusta;
    conto.errate += !giusta;
    if (!giusta)
        ++conto.mancati[numero];
    return true;
}

void leggi(const std::string& nome, std::map<Chiave, Conto>& conti, std::ostream& guasti)
{
    // A folder opens, and fails (throwing) only when read.
    std::ifstream file(nome, std::ios::binary);
    std::string testo;
    try {
        testo.assign(std::istreambuf_iterator<char>(file.is_open() ? file.rdbuf() : nullptr), {});
    } catch (const std::exception&) {
        file.close();
    }
    if (!file.is_open()) {
        guasti << "contaperle: " << nome << ": " << std::strerror(errno) << ", saltato\n";
        return;
    }
    std::size_t pos = 0;
    int linea = 1;
    platform::CsvRecord riga;
    if (!platform::readCsvRecord(testo, pos, linea, riga) || riga.fields != colonne) {
        guasti << "contaperle: " << nome << ":1: non è un registro di Contaperle, saltato\n";
        return;
    }
    while (platform::readCsvRecord(testo, pos, linea, riga))
        if (!conta(riga, conti))
            guasti << "contaperle: " << nome << ':' << riga.line << ": riga danneggiata, saltata\n";
}

// The five numbers missed most often, the most first.
void mancati(const Conto& conto, std::ostream& testo)
{
    std::vector<std::pair<int, int>> volte(conto.mancati.begin(), conto.mancati.end());
    std::stable_sort(volte.begin(), volte.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    for (std::size_t i = 0; i < std::min<std::size_t>(5, volte.size()); ++i)
        testo << (i == 0 ? "; più sbagliati: " : ", ") << volte[i].first << " (" << volte[i].second
              << (volte[i].second == 1 ? " volta)" : " volte)");
}

}

void riepilogo(const std::vector<std::string>& file, std::ostream& testo, std::ostream& guasti)
{
    std::map<Chiave, Conto> conti;
    for (const std::string& nome : file)
        leggi(nome, conti, guasti);
    for (const auto& [chiave, conto] : conti) {
        const auto& [alunno, aste, verso] = chiave;
        testo << alunno << ", " << aste << " aste, " << verso << ": " << conto.esatte + conto.errate << " risposte, "
              << conto.esatte << " esatte, " << conto.errate << " errate";
        mancati(conto, testo);
        testo << '\n';
    }
    if (conti.empty())
        testo << "Nessuna risposta nei registri.\n";
}

}
