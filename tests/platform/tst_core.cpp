#include "esito.h"
#include "platform/core/checked.h"
#include "platform/core/currency.h"
#include "platform/core/numbers.h"

using namespace platform;

namespace {

// The value a call gives, or else the run-time error it raises.
struct Caso {
    const char* nome;
    std::function<long long()> calcolo;
    long long atteso;
    int errore;
};

const Caso casi[] = {
    {"32766 + 1 is 32767", [] { return add16(32766, 1); }, 32767, 0},
    {"negative currency fraction", [] { return Currency::fromText("-2.5").raw(); }, -25000, 0},
    {"currency with spaces around", [] { return Currency::fromText(" 7 ").raw(); }, 70000, 0},
    {"largest currency", [] { return Currency::fromText("922337203685477.5807").raw(); }, INT64_MAX, 0},
    {"2.5 rounds to even 2", [] { return textToLong("2.5"); }, 2, 0},
    {"3.5 rounds to even 4", [] { return textToLong(" 3.5 "); }, 4, 0},
    {"-7 mod 2 keeps the sign of -7", [] { return mod32(-7, 2); }, -1, 0},
    {"32767 + 1 raises overflow", [] { return add16(32767, 1); }, 0, 6},
    {"656 x 50 raises overflow", [] { return mul16(656, 50); }, 0, 6},
    {"currency one past the largest", [] { return Currency::fromText("922337203685477.5808").raw(); }, 0, 6},
    {"currency of two points", [] { return Currency::fromText("1.2.3").raw(); }, 0, 13},
    {"currency of five decimals", [] { return Currency::fromText("0.00005").raw(); }, 0, 13},
    {"32767.5 rounds out of 16 bits", [] { return round16(32767.5); }, 0, 6},
    {"a word is no number", [] { return textToDouble("sette"); }, 0, 13},
};

}

int main()
{
    for (const Caso& caso : casi) {
        long long valore = 0;
        uguale(std::string(caso.nome) + ", error", errore([&] { valore = caso.calcolo(); }), caso.errore);
        uguale(caso.nome, valore, caso.atteso);
    }
    uguale("12.5 as text", doubleToText(12.5), std::string("12.5"));
    uguale("0 as text", doubleToText(0), std::string("0"));
    uguale("0 in #0", format(0, "#0"), std::string("0"));
    uguale("32767 in ###0", format(32767, "###0"), std::string("32767"));
    return esito();
}
