// The Qt-free code, table by table: the platform's core, then the number words.
#include "esito.h"
#include "platform/core/checked.h"
#include "platform/core/currency.h"
#include "platform/core/numbers.h"
#include "words/numlett.h"

#include <cmath>

using namespace platform;

namespace {

// The value a call gives, or else the run-time error it raises.
struct Chiamata {
    const char* nome;
    std::function<long long()> calcolo;
    long long atteso;
    int errore;
};

const Chiamata chiamate[] = {
    {"32766 + 1 is 32767", [] { return add16(32766, 1); }, 32767, 0},
    {"negative currency fraction", [] { return Currency::fromText("-2.5").raw(); }, -25000, 0},
    {"currency with spaces around", [] { return Currency::fromText(" 7 ").raw(); }, 70000, 0},
    {"largest currency", [] { return Currency::fromText("922337203685477.5807").raw(); }, INT64_MAX, 0},
    {"smallest currency", [] { return Currency::fromText("-922337203685477.5808").raw(); }, INT64_MIN, 0},
    {"1/32 in currency rounds half to even", [] { return Currency::fromDouble(0.03125).raw(); }, 312, 0},
    {"3/32 in currency rounds half to even", [] { return Currency::fromDouble(0.09375).raw(); }, 938, 0},
    {"+.5 rounds to even 0", [] { return textToLong("+.5"); }, 0, 0},
    {"1. is 1", [] { return textToLong("1."); }, 1, 0},
    {"a number below any double is 0", [] { return textToDouble("0." + std::string(400, '0') + "1"); }, 0, 0},
    {"-2147483648.5 rounds to even, the lowest", [] { return textToLong("-2147483648.5"); }, INT32_MIN, 0},
    {"2.5 rounds to even 2", [] { return textToLong("2.5"); }, 2, 0},
    {"3.5 rounds to even 4", [] { return textToLong(" 3.5 "); }, 4, 0},
    {"16 bits: -2.5 rounds to even -2", [] { return round16(-2.5); }, -2, 0},
    {"-7 mod 2 keeps the sign of -7", [] { return mod32(-7, 2); }, -1, 0},
    {"-32767 - 1 is -32768", [] { return add16(-32767, -1); }, -32768, 0},
    {"-128 x 256 is -32768", [] { return mul16(-128, 256); }, -32768, 0},
    {"32767 + 1 raises overflow", [] { return add16(32767, 1); }, 0, 6},
    {"-32768 - 1 raises overflow", [] { return add16(-32768, -1); }, 0, 6},
    {"656 x 50 raises overflow", [] { return mul16(656, 50); }, 0, 6},
    {"currency one past the largest", [] { return Currency::fromText("922337203685477.5808").raw(); }, 0, 6},
    {"currency one below the smallest", [] { return Currency::fromText("-922337203685477.5809").raw(); }, 0, 6},
    {"2147483647.5 rounds out of 32 bits", [] { return textToLong("2147483647.5"); }, 0, 6},
    {"-2147483649 is out of 32 bits", [] { return textToLong("-2147483649"); }, 0, 6},
    {"a number past any double", [] { return textToDouble(std::string(400, '9')); }, 0, 6},
    {"infinity has no text", [] { return std::ssize(doubleToText(HUGE_VAL)); }, 0, 6},
    {"a point alone is no number", [] { return textToLong(" . "); }, 0, 13},
    {"currency of two points", [] { return Currency::fromText("1.2.3").raw(); }, 0, 13},
    {"currency of five decimals", [] { return Currency::fromText("0.00005").raw(); }, 0, 13},
    {"32767.5 rounds out of 16 bits", [] { return round16(32767.5); }, 0, 6},
    {"a word is no number", [] { return textToDouble("sette"); }, 0, 13},
};

// The value given, its words as Italian spells them, and what numlett leaves
// in it; no words: error 9. Each side of every change of rule.
struct Caso {
    const char *numer, *testo, *resto = "0";
};

constexpr const char* massimo = "novecentonovantanovemiliardinovecentonovantanovemilioni"
                                "novecentonovantanovemilanovecentonovantanove";

constexpr Caso casi[] = {
    // clang-format off
    {"0", ""}, {"9", "nove"}, {"10", "dieci"}, {"16", "sedici"}, {"17", "diciassette"}, {"19", "diciannove"},
    {"20", "venti"}, {"21", "ventuno"}, {"22", "ventidue"}, {"28", "ventotto"}, {"99", "novantanove"},
    {"100", "cento"}, {"101", "centouno"}, {"180", "centoottanta"}, {"199", "centonovantanove"}, {"200", "duecento"},
    {"999", "novecentonovantanove"}, {"1000", "mille"}, {"1001", "milleuno"}, {"1999", "millenovecentonovantanove"},
    {"2000", "duemila"}, {"21000", "ventunomila"}, {"999999", "novecentonovantanovemilanovecentonovantanove"},
    {"1000000", "unmilione"}, {"1000001", "unmilioneuno"}, {"1001000", "unmilionemille"}, {"1000000000", "unmiliardo"},
    {"1001000000", "unmiliardounmilione"}, {"2000000001", "duemiliardiuno"}, {"999999999999", massimo},
    {"999999999999.9999", massimo, "0.9999"}, {"12.5", "dodici", "0.5"}, {"0.5", "", "0.5"}, {"-5", "", "-5"},
    {"1000000000000", nullptr, "1000000000000"}, {"2800000000000", nullptr, "2800000000000"},
    // clang-format on
};

}

int main()
{
    for (const Chiamata& caso : chiamate) {
        long long valore = 0;
        uguale(std::string(caso.nome) + ", error", errore([&] { valore = caso.calcolo(); }), caso.errore);
        uguale(caso.nome, valore, caso.atteso);
    }
    // The shortest text that reads back as the same double, in plain digits.
    const std::pair<double, const char*> testi[] = {{12.5, "12.5"},
                                                    {0, "0"},
                                                    {0.1, "0.1"},
                                                    {-1e-6, "-0.000001"},
                                                    {1.0 / 3, "0.3333333333333333"},
                                                    {1e21, "1000000000000000000000"}};
    for (const auto& [valore, testo] : testi)
        uguale(testo, doubleToText(valore), std::string(testo));
    uguale("0 in #0", format(0, "#0"), std::string("0"));
    uguale("32767 in ###0", format(32767, "###0"), std::string("32767"));
    // One vocabulary for every case: repeated calls must give the same words.
    words::Vocabolario vocabolario;
    for (const Caso& caso : casi) {
        auto n = Currency::fromText(caso.numer);
        std::string testo;
        uguale(std::string(caso.numer) + ", error", errore([&] { testo = vocabolario.numlett(n); }),
               caso.testo ? 0 : 9);
        uguale(caso.numer, testo, std::string(caso.testo ? caso.testo : ""));
        uguale(std::string(caso.numer) + ", left in numer", n.raw(), Currency::fromText(caso.resto).raw());
    }
    return esito();
}
