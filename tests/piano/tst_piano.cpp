// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt-free code, row by row: each call as written and the text of what it must give, or
// "error N" for the run-time error it must raise. The platform's core, then the number words.
#include "platform/core/checked.h"
#include "platform/core/currency.h"
#include "platform/core/numbers.h"
#include "platform/core/runtime_error.h"
#include "words/numlett.h"

#include <cmath>
#include <iostream>
#include <string>

using namespace platform;

namespace {

// The text of any result, a number or a text already.
using std::to_string;
std::string to_string(const std::string& testo) { return testo; }

// numlett's words for a value, then ", " and what it leaves in numer when that is not 0. One
// vocabulary for every row, as the window keeps one: repeated calls must give the same words.
std::string parole(std::string_view numero)
{
    static words::Vocabolario vocabolario;
    auto numer = Currency::fromText(numero);
    const std::string testo = vocabolario.numlett(numer);
    return numer.raw() == 0 ? testo : testo + ", " + doubleToText(numer.toDouble());
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
    // The 16-bit counters, each side of their range.
    R(add16(32766, 1), "32767"), R(add16(-32767, -1), "-32768"), R(mul16(-128, 256), "-32768"),
    R(add16(32767, 1), "error 6"), R(add16(-32768, -1), "error 6"), R(mul16(656, 50), "error 6"),
    // Currency: its bounds, spaces and sign, rounding half to even, and what is no amount.
    R(Currency::fromText("-2.5").raw(), "-25000"), R(Currency::fromText(" 7 ").raw(), "70000"),
    R(Currency::fromText("922337203685477.5807").raw(), "9223372036854775807"),
    R(Currency::fromText("-922337203685477.5808").raw(), "-9223372036854775808"),
    R(Currency::fromText("922337203685477.5808").raw(), "error 6"),
    R(Currency::fromText("-922337203685477.5809").raw(), "error 6"),
    R(Currency::fromDouble(0.03125).raw(), "312"), R(Currency::fromDouble(0.09375).raw(), "938"),
    R(Currency::fromText("1.2.3").raw(), "error 13"), R(Currency::fromText("0.00005").raw(), "error 13"),
    // Text to numbers: rounding half to even, the 32-bit bounds, the range of doubles, no number.
    R(textToLong("+.5"), "0"), R(textToLong("1."), "1"), R(textToLong("2.5"), "2"), R(textToLong(" 3.5 "), "4"),
    R(textToLong("-2147483648.5"), "-2147483648"), R(textToLong("2147483647.5"), "error 6"),
    R(textToLong("-2147483649"), "error 6"), R(round16(-2.5), "-2"), R(round16(32767.5), "error 6"),
    R(textToDouble("0." + std::string(400, '0') + "1"), "0.000000"),
    R(textToDouble(std::string(400, '9')), "error 6"), R(doubleToText(HUGE_VAL), "error 6"),
    R(textToLong(" . "), "error 13"), R(textToDouble("sette"), "error 13"), R(mod32(-7, 2), "-1"),
    // The shortest text that reads back as the same double, in plain digits; the digit masks.
    R(doubleToText(12.5), "12.5"), R(doubleToText(0), "0"), R(doubleToText(0.1), "0.1"),
    R(doubleToText(-1e-6), "-0.000001"), R(doubleToText(1.0 / 3), "0.3333333333333333"),
    R(doubleToText(1e21), "1000000000000000000000"), R(format(0, "#0"), "0"), R(format(32767, "###0"), "32767"),
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

int main()
{
    int falliti = 0;
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
    std::cout << std::size(righe) << " checked, " << falliti << " failed\n";
    return falliti == 0 ? 0 : 1;
}
