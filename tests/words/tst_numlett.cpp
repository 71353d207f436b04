#include "errore.h"
#include "words/numlett.h"

#include <QTest>

using platform::Currency;

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
    riga("diciassette is spelled right", "17", "diciassette");
    riga("ventuno drops the i of venti", "21", "ventuno");
    riga("ventidue keeps it", "22", "ventidue");
    riga("ventotto drops the i of venti", "28", "ventotto");
    riga("trentuno", "31", "trentuno");
    riga("centouno keeps the o of cento", "101", "centouno");
    riga("centodiciotto", "118", "centodiciotto");
    riga("centoottanta", "180", "centoottanta");
    riga("novecentonovantanove", "999", "novecentonovantanove");
    riga("mille", "1000", "mille");
    riga("milleuno", "1001", "milleuno");
    riga("ventunomila keeps the uno before mila", "21000", "ventunomila");
    riga("unmilione", "1000000", "unmilione");
    riga("unmilionemille takes back the uno of the thousands", "1001000", "unmilionemille");
    riga("unmiliardo", "1000000000", "unmiliardo");
    riga("unmiliardounmilione", "1001000000", "unmiliardounmilione");
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
    Currency n = Currency::fromText(numer.toStdString());
    QCOMPARE(QString::fromStdString(vocabolario.numlett(n)), testo);
    QCOMPARE(n.raw(), Currency::fromText(resto.toStdString()).raw());
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
    QCOMPARE(errore([&] { vocabolario.numlett(n); }), 9);
    QCOMPARE(n.raw(), raw);
}

void TstNumlett::chiamataRipetuta()
{
    words::Vocabolario vocabolario;
    for (int volta = 0; volta < 3; ++volta) {
        Currency n = Currency::fromText("1021");
        QCOMPARE(vocabolario.numlett(n), std::string("milleventuno"));
    }
}

QTEST_APPLESS_MAIN(TstNumlett)
#include "tst_numlett.moc"
