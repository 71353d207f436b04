#include "sonda.h"

using board::Tavola;

class TstEsercizio : public QObject {
    Q_OBJECT
private slots:
    void beads_data();
    void beads();
    void nextExercise();
    void tint_data();
    void tint();
    void exerciseCounterFull();
};

void TstEsercizio::beads_data()
{
    QTest::addColumn<int>("valore");
    QTest::newRow("1 shows only the units bead") << 1;
    QTest::newRow("10 shows the twos and the eights") << 10;
    QTest::newRow("16 shows only the sixteens bead") << 16;
    QTest::newRow("31 shows all five") << 31;
}

void TstEsercizio::beads()
{
    QFETCH(int, valore);
    Servizi servizi;
    servizi.valori = {valore};
    Tavola tavola;
    QVERIFY(mostra(tavola));
    QCOMPARE(testo(&tavola, "Text1"), QString::number(valore));
    const QImage immagine = quadro(tavola);
    for (const auto& perla : perle()) {
        const bool vista = (valore & perla.peso) != 0;
        QCOMPARE(controllo(&tavola, perla.nome)->isVisible(), vista);
        QCOMPARE(immagine.pixelColor(perla.centro), vista ? perla.perla : perla.asta);
    }
}

void TstEsercizio::nextExercise()
{
    Servizi servizi;
    servizi.valori = {16, 15};
    Tavola tavola;
    QVERIFY(mostra(tavola));
    QTest::keyClicks(controllo(&tavola, "Text3"), "9");
    controllo<QPushButton>(&tavola, "cmdNext")->click();
    QCOMPARE(tavola.numEsercizi, 1);
    QCOMPARE(testo(&tavola, "Text2"), QStringLiteral("quindici"));
    QCOMPARE(testo(&tavola, "Text3"), QString());
    QCOMPARE(caption(&tavola, "lblMessage"), QString());
    QCOMPARE(QApplication::focusWidget(), controllo(&tavola, "Text3"));
    // The beads hidden for 16 come back for 15, and the one shown goes.
    const QImage immagine = quadro(tavola);
    for (const auto& perla : perle())
        QCOMPARE(immagine.pixelColor(perla.centro), perla.peso == 16 ? perla.asta : perla.perla);
}

void TstEsercizio::tint_data()
{
    QTest::addColumn<int>("errate");
    QTest::addColumn<int>("esatte");
    QTest::addColumn<QColor>("colore");
    QTest::newRow("no answers") << 0 << 0 << QColor(20, 125, 25);
    QTest::newRow("4 wrong") << 4 << 0 << QColor(24, 125, 225);
    QTest::newRow("5 wrong saturates blue") << 5 << 0 << QColor(25, 125, 255);
    QTest::newRow("3 right") << 0 << 3 << QColor(20, 128, 25);
    QTest::newRow("655 wrong stays saturated") << 655 << 0 << QColor(255, 125, 255);
    QTest::newRow("32643 right saturates green") << 0 << 32643 << QColor(20, 255, 25);
}

void TstEsercizio::tint()
{
    QFETCH(int, errate);
    QFETCH(int, esatte);
    QFETCH(QColor, colore);
    Servizi servizi;
    Tavola tavola;
    QVERIFY(mostra(tavola));
    tavola.numErrate = std::int16_t(errate);
    tavola.numEsatte = std::int16_t(esatte);
    controllo<QPushButton>(&tavola, "cmdNext")->click();
    QVERIFY(servizi.scatole.isEmpty());
    QCOMPARE(platform::toQColor(tavola.BackColor()), colore);
    QCOMPARE(quadro(tavola).pixelColor(750, 550), platform::toQColor(tavola.BackColor()));
}

void TstEsercizio::exerciseCounterFull()
{
    Servizi servizi;
    servizi.valori = {2, 7};
    Tavola tavola;
    QVERIFY(mostra(tavola));
    tavola.numEsercizi = 32767;
    controllo<QPushButton>(&tavola, "cmdNext")->click();
    QCOMPARE(servizi.prompts(), QStringList{QStringLiteral("Errore di run-time '6':\n\nOverflow")});
    QCOMPARE(tavola.numEsercizi, 32767);
    QCOMPARE(testo(&tavola, "Text1"), QStringLiteral("2"));
    QCOMPARE(testo(&tavola, "Text2"), QString());
    QCOMPARE(caption(&tavola, "lblMessage"), QString());
    for (const auto& perla : perle())
        QVERIFY(controllo(&tavola, perla.nome)->isVisible());
}

QTEST_MAIN(TstEsercizio)
#include "tst_esercizio.moc"
