#include "esito.h"
#include "words/numlett.h"

namespace {

// The value given, its words, and what numlett leaves in it. No words: error 9.
struct Caso {
    const char *nome, *numer, *testo, *resto;
};

constexpr const char* massimo = "novecentonovantanovemiliardinovecentonovantanovemilioni"
                                "novecentonovantanovemilanovecentonovantanove";

constexpr Caso casi[] = {
    {"zero is empty", "0", "", "0"},
    {"diciassette is spelled right", "17", "diciassette", "0"},
    {"ventuno drops the i of venti", "21", "ventuno", "0"},
    {"ventidue keeps it", "22", "ventidue", "0"},
    {"ventotto drops the i of venti", "28", "ventotto", "0"},
    {"centouno keeps the o of cento", "101", "centouno", "0"},
    {"centoottanta", "180", "centoottanta", "0"},
    {"milleuno", "1001", "milleuno", "0"},
    {"ventunomila keeps the uno before mila", "21000", "ventunomila", "0"},
    {"unmilione", "1000000", "unmilione", "0"},
    {"unmilionemille takes back the uno of the thousands", "1001000", "unmilionemille", "0"},
    {"unmiliardounmilione", "1001000000", "unmiliardounmilione", "0"},
    {"duemiliardiuno", "2000000001", "duemiliardiuno", "0"},
    {"largest whole value", "999999999999", massimo, "0"},
    {"largest value keeps its fraction", "999999999999.9999", massimo, "0.9999"},
    {"fraction is not spelled", "12.5", "dodici", "0.5"},
    {"below one is empty and untouched", "0.5", "", "0.5"},
    {"negative is empty and untouched", "-5", "", "-5"},
    {"10^12 raises 9 instead of diecicentomiliardi", "1000000000000", nullptr, "1000000000000"},
    {"2.8 x 10^12 raises 9", "2800000000000", nullptr, "2800000000000"},
};

}

int main()
{
    // One vocabulary for every case: repeated calls must give the same words.
    words::Vocabolario vocabolario;
    for (const Caso& caso : casi) {
        auto n = platform::Currency::fromText(caso.numer);
        std::string testo;
        uguale(std::string(caso.nome) + ", error", errore([&] { testo = vocabolario.numlett(n); }), caso.testo ? 0 : 9);
        uguale(caso.nome, testo, std::string(caso.testo ? caso.testo : ""));
        uguale(std::string(caso.nome) + ", left in numer", n.raw(), platform::Currency::fromText(caso.resto).raw());
    }
    return esito();
}
