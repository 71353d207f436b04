#include "platform/runtime_error.h"
#include "words/numlett.h"

#include <QTest>

using platform::Currency;

namespace {

Currency valore(const char* testo)
{
    return Currency::fromText(testo);
}

}

class TstNumlett : public QObject {
    Q_OBJECT
private slots:
    void parole_data();
    void parole();
    void errori_data();
    void errori();
    void chiamataRipetuta();
};

void TstNumlett::parole_data()
{
    QTest::addColumn<QString>("numer");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("resto");
    const auto riga = [](const char* nome, const char* numer, const char* testo, const char* resto = "0") {
        QTest::newRow(nome) << numer << testo << resto;
    };
    riga("zero is empty", "0", "");
    riga("uno", "1", "uno");
    riga("sette", "7", "sette");
    riga("otto", "8", "otto");
    riga("dieci", "10", "dieci");
    riga("undici", "11", "undici");
    riga("sedici", "16", "sedici");
    riga("diciassette is spelled right", "17", "diciassette");
    riga("diciotto", "18", "diciotto");
    riga("diciannove", "19", "diciannove");
    riga("venti", "20", "venti");
    riga("ventuno drops the i of venti", "21", "ventuno");
    riga("ventidue keeps it", "22", "ventidue");
    riga("ventitre", "23", "ventitre");
    riga("ventotto drops the i of venti", "28", "ventotto");
    riga("ventinove", "29", "ventinove");
    riga("trenta", "30", "trenta");
    riga("trentuno", "31", "trentuno");
    riga("ottantuno", "81", "ottantuno");
    riga("novantanove", "99", "novantanove");
    riga("cento", "100", "cento");
    riga("centouno keeps the o of cento", "101", "centouno");
    riga("centootto", "108", "centootto");
    riga("centodiciotto", "118", "centodiciotto");
    riga("centoventuno", "121", "centoventuno");
    riga("centoottanta", "180", "centoottanta");
    riga("duecento", "200", "duecento");
    riga("novecentonovantanove", "999", "novecentonovantanove");
    riga("mille", "1000", "mille");
    riga("milleuno", "1001", "milleuno");
    riga("milleventuno", "1021", "milleventuno");
    riga("millecento", "1100", "millecento");
    riga("duemila", "2000", "duemila");
    riga("ventunomila keeps the uno before mila", "21000", "ventunomila");
    riga("centomila", "100000", "centomila");
    riga("unmilione", "1000000", "unmilione");
    riga("unmilionemille takes back the uno of the thousands", "1001000", "unmilionemille");
    riga("duemilioni", "2000000", "duemilioni");
    riga("unmiliardo", "1000000000", "unmiliardo");
    riga("unmiliardounmilione", "1001000000", "unmiliardounmilione");
    riga("unmiliardouno", "1000000001", "unmiliardouno");
    riga("duemiliardiuno", "2000000001", "duemiliardiuno");
    const char* massimo = "novecentonovantanovemiliardinovecentonovantanovemilioni"
                          "novecentonovantanovemilanovecentonovantanove";
    riga("largest whole value", "999999999999", massimo);
    riga("largest value keeps its fraction", "999999999999.9999", massimo, "0.9999");
    riga("fraction is not spelled", "12.5", "dodici", "0.5");
    riga("below one is empty and untouched", "0.5", "", "0.5");
    riga("negative is empty and untouched", "-5", "", "-5");
}

void TstNumlett::parole()
{
    QFETCH(QString, numer);
    QFETCH(QString, testo);
    QFETCH(QString, resto);
    words::Vocabolario vocabolario;
    Currency n = valore(numer.toUtf8().constData());
    QCOMPARE(QString::fromStdString(vocabolario.numlett(n)), testo);
    QCOMPARE(n.raw(), valore(resto.toUtf8().constData()).raw());
}

void TstNumlett::errori_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::newRow("10^12 raises 9 instead of diecicentomiliardi") << qint64(1'000'000'000'000LL * Currency::scale);
    QTest::newRow("2.8 x 10^12 raises 9") << qint64(2'800'000'000'000LL * Currency::scale);
    QTest::newRow("largest currency raises 9") << std::numeric_limits<qint64>::max();
}

void TstNumlett::errori()
{
    QFETCH(qint64, raw);
    words::Vocabolario vocabolario;
    Currency n = Currency::fromRaw(raw);
    try {
        vocabolario.numlett(n);
        QFAIL("no error raised");
    } catch (const platform::RuntimeError& e) {
        QCOMPARE(e.number(), 9);
    }
    QCOMPARE(n.raw(), raw);
}

void TstNumlett::chiamataRipetuta()
{
    words::Vocabolario vocabolario;
    for (int volta = 0; volta < 3; ++volta) {
        Currency n = valore("1021");
        QCOMPARE(vocabolario.numlett(n), std::string("milleventuno"));
    }
}

QTEST_APPLESS_MAIN(TstNumlett)
#include "tst_numlett.moc"
