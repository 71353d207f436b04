// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt-free code, row by row: each call as written and the text of what it must give, or
// "error N" for the run-time error it must raise. The platform's core, the exercise, then the
// number words; last, every lesson's numbers, beads and draw.
#include "board/esercizio.h"
#include "board/lezione.h"
#include "platform/core/checked.h"
#include "platform/core/csv.h"
#include "platform/core/currency.h"
#include "platform/core/numbers.h"
#include "platform/core/runtime_error.h"
#include "words/numlett.h"

#include <algorithm>
#include <bitset>
#include <charconv>
#include <cmath>
#include <iostream>
#include <random>
#include <string>
#include <vector>

using namespace platform;

namespace {

// The text of any result, a number or a text already.
using std::to_string;
std::string to_string(std::string_view testo) { return std::string(testo); }

// numlett's words for a value, then ", " and what it leaves in numer when that is not 0. One
// vocabulary for every row, as the window keeps one: repeated calls must give the same words.
std::string parole(std::string_view numero)
{
    static words::Vocabolario vocabolario;
    auto numer = Currency::fromText(numero);
    const std::string testo = vocabolario.numlett(numer);
    char resto[32];
    const auto fine = std::to_chars(resto, resto + sizeof resto, numer.toDouble()).ptr;
    return numer.raw() == 0 ? testo : testo + ", " + std::string(resto, fine);
}

board::Esercizio esercizio(int aste, double r)
{
    board::Esercizio e(aste);
    e.estrai(r);
    return e;
}

// 1 for each answer judged right, 0 for each judged wrong.
std::string giudizi(const board::Esercizio& e, std::initializer_list<std::string_view> risposte)
{
    std::string esiti;
    for (std::string_view risposta : risposte)
        esiti += e.giusta(risposta) ? '1' : '0';
    return esiti;
}

const std::string massimo = "novecentonovantanovemiliardinovecentonovantanovemilioni"
                            "novecentonovantanovemilanovecentonovantanove";

struct Riga {
    const char* chiamata;
    std::string (*calcolo)();
    std::string atteso;
};
// A row: the call as written, a function giving its text, and the text wanted.
// clang-format off
#define R(call, want) {#call, [] { return to_string(call); }, want}

const Riga righe[] = {
    // The 16-bit counters and the total of the scores, each side of their range.
    R(add16(32766, 1), "32767"), R(add16(-32767, -1), "-32768"), R(add16(32767, 1), "error 6"),
    R(add16(-32768, -1), "error 6"), R((board::Conti{767, 32000}.totale()), "32767"),
    R((board::Conti{767, 32001}.totale()), "error 6"),
    // Currency: its bounds, spaces and sign, rounding half to even (a later decimal past the
    // half rounds up), and what is no amount.
    R(Currency::fromText("-2.5").raw(), "-25000"), R(Currency::fromText(" 7 ").raw(), "70000"),
    R(Currency::fromText("922337203685477.5807").raw(), "9223372036854775807"),
    R(Currency::fromText("-922337203685477.5808").raw(), "-9223372036854775808"),
    R(Currency::fromText("922337203685477.5808").raw(), "error 6"),
    R(Currency::fromText("-922337203685477.5809").raw(), "error 6"),
    R(Currency::fromDouble(0.03125).raw(), "312"), R(Currency::fromDouble(0.09375).raw(), "938"),
    R(Currency::fromDouble(0.0312500001).raw(), "313"), R(Currency::fromDouble(0.0937499999).raw(), "937"),
    R(Currency::fromText("1.2.3").raw(), "error 13"), R(Currency::fromText("0.00005").raw(), "error 13"),
    // Rounding to whole numbers, half to even; the digit masks.
    R(round16(-2.5), "-2"), R(round16(3.5), "4"), R(round16(32767.5), "error 6"), R(round32(-2147483648.5), "-2147483648"),
    R(round32(2147483647.5), "error 6"), R(format(0, "#0"), "0"), R(format(32767, "###0"), "32767"),
    // An exercise: the rods it takes, its range's ends, and answers judged by their exact text.
    R(board::Esercizio(2).massimo(), "error 9"), R(board::Esercizio(9).massimo(), "error 9"),
    R(esercizio(5, 0).testo(), "1"), R(esercizio(8, std::nextafter(1.0, 0.0)).testo(), "255"),
    R(giudizi(esercizio(3, 0.9), {"7", " 7", "07", "+7", "7 ", "7.0"}), "100000"),
    // A record's fields: quoted around a comma, a quote or a control character, and an apostrophe
    // before what a spreadsheet would run, which reading drops again.
    R(csvField("13"), "13"), R(csvField("a,b"), "\"a,b\""), R(csvField("\"hi\""), "\"\"\"hi\"\"\""),
    R(csvField("a\r\nb"), "\"a\r\nb\""), R(csvField("\x1b"), "\"\x1b\""), R(csvField("=1+1"), "'=1+1"),
    R(csvField("-5"), "'-5"), R(csvField("@A1"), "'@A1"), R(csvField("+1"), "'+1"), R(csvField("\t"), "\"'\t\""),
    R(csvField("'"), "''"), R(csvLine({"", "a"}), ",a\r\n"), R(csvText("''"), "'"), R(csvText("'a"), "'a"),
    // The words, each side of every change of rule.
    R(parole("0"), ""), R(parole("9"), "nove"), R(parole("10"), "dieci"), R(parole("16"), "sedici"),
    R(parole("17"), "diciassette"), R(parole("19"), "diciannove"), R(parole("20"), "venti"),
    R(parole("21"), "ventuno"), R(parole("22"), "ventidue"), R(parole("28"), "ventotto"),
    R(parole("99"), "novantanove"), R(parole("100"), "cento"), R(parole("101"), "centouno"),
    R(parole("180"), "centoottanta"), R(parole("199"), "centonovantanove"), R(parole("200"), "duecento"),
    R(parole("999"), "novecentonovantanove"), R(parole("1000"), "mille"), R(parole("1001"), "milleuno"),
    R(parole("1999"), "millenovecentonovantanove"), R(parole("2000"), "duemila"), R(parole("21000"), "ventunomila"),
    R(parole("999999"), "novecentonovantanovemilanovecentonovantanove"), R(parole("1000000"), "unmilione"),
    R(parole("1000001"), "unmilioneuno"), R(parole("1001000"), "unmilionemille"),
    R(parole("1000000000"), "unmiliardo"), R(parole("1001000000"), "unmiliardounmilione"),
    R(parole("2000000001"), "duemiliardiuno"), R(parole("999999999999"), massimo),
    R(parole("999999999999.9999"), massimo + ", 0.9999"), R(parole("12.5"), "dodici, 0.5"),
    R(parole("0.5"), ", 0.5"), R(parole("-5"), ", -5"),
    R(parole("1000000000000"), "error 9"), R(parole("2800000000000"), "error 9"),
};
// clang-format on

}

// Every lesson: each number from 1 to 2^N - 1 has its share of the draws and shows the beads of
// its binary digits, left to right; draws of chance fall evenly (chi-square, p = 0.001). A failed
// lesson prints its rods.
int lezioni()
{
    int falliti = 0;
    std::mt19937_64 caso(20261207);
    for (int aste = board::Lezione::minAste; aste <= board::Lezione::maxAste; ++aste) {
        board::Esercizio e(aste);
        const int n = e.massimo(), attese = 1000;
        std::vector<int> volte(std::size_t(n) + 2);
        bool bene = n == (1 << aste) - 1;
        for (int v = 1; v <= n; ++v) {
            std::string perle = (e.estrai((v - 0.5) / n), "");
            for (int i = 0; i < aste; ++i)
                perle += e.perla(i) ? '1' : '0';
            bene &= e.valore() == v
                    && perle
                           == std::bitset<32>(static_cast<unsigned long long>(v))
                                  .to_string()
                                  .substr(std::size_t(32 - aste));
        }
        for (int k = 0; k < attese * n; ++k)
            ++volte[std::size_t(
                std::clamp((e.estrai(std::uniform_real_distribution(0.0, 1.0)(caso)), e.valore()), 0, n + 1))];
        double chi = 0, gradi = n - 1;
        for (int v = 1; v <= n; ++v)
            chi += std::pow(volte[std::size_t(v)] - attese, 2) / attese;
        const double soglia = gradi * std::pow(1 - 2 / (9 * gradi) + 3.09 * std::sqrt(2 / (9 * gradi)), 3);
        if (!bene || volte.front() || volte.back() || chi > soglia)
            std::cout << "FAIL a lesson of " << aste << " rods (chi-square " << chi << ", bound " << soglia << ")\n",
                ++falliti;
    }
    return falliti;
}

int main()
{
    int falliti = lezioni();
    for (const Riga& riga : righe) {
        std::string ottenuto;
        try {
            ottenuto = riga.calcolo();
        } catch (const RuntimeError& e) {
            ottenuto = "error " + to_string(e.number());
        }
        if (ottenuto != riga.atteso) {
            ++falliti;
            std::cout << "FAIL " << riga.chiamata << ": got '" << ottenuto << "', want '" << riga.atteso << "'\n";
        }
    }
    std::cout << std::size(righe) + 6 << " checked, " << falliti << " failed\n";
    return falliti == 0 ? 0 : 1;
}
