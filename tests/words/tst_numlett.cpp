#include "esito.h"
#include "words/numlett.h"

namespace {

// The value given, its words as Italian spells them, and what numlett leaves
// in it; no words: error 9. Each side of every change of rule.
struct Caso {
    const char *numer, *testo, *resto = "0";
};

constexpr const char* massimo = "novecentonovantanovemiliardinovecentonovantanovemilioni"
                                "novecentonovantanovemilanovecentonovantanove";

constexpr Caso casi[] = {
    {"0", ""},
    {"9", "nove"},
    {"10", "dieci"},
    {"16", "sedici"},
    {"17", "diciassette"},
    {"19", "diciannove"},
    {"20", "venti"},
    {"21", "ventuno"},
    {"22", "ventidue"},
    {"28", "ventotto"},
    {"99", "novantanove"},
    {"100", "cento"},
    {"101", "centouno"},
    {"180", "centoottanta"},
    {"199", "centonovantanove"},
    {"200", "duecento"},
    {"999", "novecentonovantanove"},
    {"1000", "mille"},
    {"1001", "milleuno"},
    {"1999", "millenovecentonovantanove"},
    {"2000", "duemila"},
    {"21000", "ventunomila"},
    {"999999", "novecentonovantanovemilanovecentonovantanove"},
    {"1000000", "unmilione"},
    {"1000001", "unmilioneuno"},
    {"1001000", "unmilionemille"},
    {"1000000000", "unmiliardo"},
    {"1001000000", "unmiliardounmilione"},
    {"2000000001", "duemiliardiuno"},
    {"999999999999", massimo},
    {"999999999999.9999", massimo, "0.9999"},
    {"12.5", "dodici", "0.5"},
    {"0.5", "", "0.5"},
    {"-5", "", "-5"},
    {"1000000000000", nullptr, "1000000000000"},
    {"2800000000000", nullptr, "2800000000000"},
};

}

int main()
{
    // One vocabulary for every case: repeated calls must give the same words.
    words::Vocabolario vocabolario;
    for (const Caso& caso : casi) {
        auto n = platform::Currency::fromText(caso.numer);
        std::string testo;
        uguale(std::string(caso.numer) + ", error", errore([&] { testo = vocabolario.numlett(n); }),
               caso.testo ? 0 : 9);
        uguale(caso.numer, testo, std::string(caso.testo ? caso.testo : ""));
        uguale(std::string(caso.numer) + ", left in numer", n.raw(), platform::Currency::fromText(caso.resto).raw());
    }
    return esito();
}
