// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/numlett.h"

#include "platform/core/numbers.h"
#include "platform/core/runtime_error.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace words {
namespace {

// The words from 0 to 20, then the tens; 17 is spelled as Italian spells it.
constexpr std::array<std::string_view, 28> tabella = {
    "",         "uno",         "due",      "tre",        "quattro", "cinque",  "sei",         "sette",
    "otto",     "nove",        "dieci",    "undici",     "dodici",  "tredici", "quattordici", "quindici",
    "sedici",   "diciassette", "diciotto", "diciannove", "venti",   "trenta",  "quaranta",    "cinquanta",
    "sessanta", "settanta",    "ottanta",  "novanta",
};

// 1000 to the power 0 to 3, exact in double precision; read from a table
// since calling pow for each of the four groups took a quarter of a call.
constexpr std::array<double, 4> potenze = {1, 1e3, 1e6, 1e9};

// A top group of 1000 would need a hundreds word past "novecento", so from
// 10^12 up the words stop with error 9 instead of spelling non-words.
constexpr double gruppoMassimo = 999;

void togliUltimi(std::string& testo, std::size_t quanti) { testo.resize(testo.size() - quanti); }

}

std::string Vocabolario::numlett(platform::Currency& numer)
{
    riempi();
    std::string testo;
    for (std::int16_t k = 3; k >= 0; --k) {
        const double scala = potenze[static_cast<std::size_t>(k)];
        const double g = std::floor(numer.toDouble() / scala);
        if (!(g > 0))
            continue;
        if (g > gruppoMassimo)
            platform::raise(platform::RuntimeError::Number::SubscriptOutOfRange);
        aggiungiGruppo(testo, g);
        aggiungiScala(testo, k, g);
        numer = numer - platform::Currency::fromDouble(g * scala);
    }
    return testo;
}

void Vocabolario::riempi() { std::copy(tabella.begin(), tabella.end(), parole.begin() + 1); }

std::string_view Vocabolario::parola(double indice) const
{
    const std::int32_t i = platform::round32(indice);
    if (i < 0 || i >= static_cast<std::int32_t>(parole.size()))
        platform::raise(platform::RuntimeError::Number::SubscriptOutOfRange);
    return parole[static_cast<std::size_t>(i)];
}

void Vocabolario::aggiungiGruppo(std::string& testo, double gruppo) const
{
    double r = gruppo;
    if (r > 99) {
        const double h = std::floor(r / 100);
        r = r - 100 * h;
        if (h != 1)
            testo += parola(h + 1);
        testo += "cento";
    }
    if (r <= 20) {
        testo += parola(r + 1);
        return;
    }
    const double t = std::floor(r / 10);
    testo += parola(t + 19);
    r = r - 10 * t;
    // "vent" + "uno", "trent" + "otto": the tens word drops its vowel.
    if (r == 1 || r == 8)
        togliUltimi(testo, 1);
    testo += parola(r + 1);
}

void Vocabolario::aggiungiScala(std::string& testo, int esponente, double gruppo)
{
    const bool uno = gruppo == 1;
    switch (esponente) {
    case 3: testo = uno ? std::string("unmiliardo") : testo + "miliardi"; break;
    case 2:
        if (uno)
            togliUltimi(testo, 3);
        testo += uno ? "unmilione" : "milioni";
        break;
    case 1:
        if (uno)
            togliUltimi(testo, 3);
        testo += uno ? "mille" : "mila";
        break;
    default: break;
    }
}

}
