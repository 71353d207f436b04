#include "sonda.h"

using board::Etichetta;
using board::Tavola;

namespace {

QStringList punteggi(Tavola& t)
{
    return {caption(&t, "lblScore"), caption(&t, "lblScore1"), caption(&t, "lblScore2")};
}

}

class TstVerifica : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void rightAnswerScoresWithTheNextExercise();
    void otherKeysChangeNothing_data();
    void otherKeysChangeNothing();
    void enterAgainCountsAgain();
    void newExerciseWithoutAnswer();
    void overflow_data();
    void overflow();

private:
    std::unique_ptr<Servizi> servizi;
    std::unique_ptr<Tavola> tavola;
};

void TstVerifica::init()
{
    servizi = std::make_unique<Servizi>();
    servizi->valori = {13, 13, 13};
    tavola = std::make_unique<Tavola>();
    QVERIFY(mostra(*tavola));
}

void TstVerifica::cleanup()
{
    tavola.reset();
    servizi.reset();
}

void TstVerifica::answers_data()
{
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<QString>("verdetto");
    QTest::addColumn<QStringList>("dopo");
    const QStringList sbagliata{"0", "1", "1"};
    // A right answer reaches the scores only with the next exercise.
    QTest::newRow("13 is right") << "13" << "Esatto, ok!!!" << QStringList{"0", "0", "0"};
    QTest::newRow("empty is wrong") << "" << "Sbagliato!! 13" << sbagliata;
    QTest::newRow("leading zero is wrong") << "013" << "Sbagliato!! 13" << sbagliata;
    QTest::newRow("leading space is wrong") << " 13" << "Sbagliato!! 13" << sbagliata;
    QTest::newRow("plus sign is wrong") << "+13" << "Sbagliato!! 13" << sbagliata;
}

void TstVerifica::answers()
{
    QFETCH(QString, risposta);
    QFETCH(QString, verdetto);
    QFETCH(QStringList, dopo);
    rispondi(*tavola, risposta);
    const bool esatta = risposta == QLatin1String("13");
    QCOMPARE(tavola->numEsatte, esatta ? 1 : 0);
    QCOMPARE(tavola->numErrate, esatta ? 0 : 1);
    auto* messaggio = controllo<Etichetta>(tavola.get(), "lblMessage");
    QCOMPARE(messaggio->caption(), verdetto);
    QCOMPARE(messaggio->foreColor(), esatta ? QColor(255, 255, 0) : QColor(255, 0, 0));
    QCOMPARE(punteggi(*tavola), dopo);
    QCOMPARE(QApplication::focusWidget(), controllo(tavola.get(), "cmdNext"));
}

void TstVerifica::rightAnswerScoresWithTheNextExercise()
{
    rispondi(*tavola, "13");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(punteggi(*tavola), (QStringList{"1", "0", "1"}));
    QCOMPARE(caption(tavola.get(), "lblMessage"), QString());
    QCOMPARE(QApplication::focusWidget(), controllo(tavola.get(), "Text3"));
}

void TstVerifica::otherKeysChangeNothing_data()
{
    QTest::addColumn<int>("tasto");
    QTest::addColumn<QString>("dopo");
    QTest::newRow("a digit is typed") << int(Qt::Key_5) << "15";
    QTest::newRow("Backspace deletes") << int(Qt::Key_Backspace) << "";
    QTest::newRow("Escape does nothing") << int(Qt::Key_Escape) << "1";
}

void TstVerifica::otherKeysChangeNothing()
{
    QFETCH(int, tasto);
    QFETCH(QString, dopo);
    auto* text3 = controllo<QLineEdit>(tavola.get(), "Text3");
    QTest::keyClicks(text3, "1");
    QTest::keyClick(text3, Qt::Key(tasto));
    QCOMPARE(text3->text(), dopo);
    QCOMPARE(tavola->numEsatte + tavola->numErrate, 0);
    QCOMPARE(caption(tavola.get(), "lblMessage"), QString());
    QCOMPARE(QApplication::focusWidget(), text3);
}

void TstVerifica::enterAgainCountsAgain()
{
    rispondi(*tavola, "7");
    controllo(tavola.get(), "Text3")->setFocus();
    QTest::keyClick(controllo(tavola.get(), "Text3"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(tavola->numErrate, 2);
    QCOMPARE(punteggi(*tavola), (QStringList{"0", "2", "2"}));
}

void TstVerifica::newExerciseWithoutAnswer()
{
    tavola->numEsatte = 3;
    tavola->numErrate = 2;
    // The typed text matches but Enter was never pressed: nothing is counted,
    // the check leaves the wrong count alone and its blue on the verdict line.
    QTest::keyClicks(controllo(tavola.get(), "Text3"), "13");
    controllo<QPushButton>(tavola.get(), "cmdNext")->click();
    QCOMPARE(tavola->numEsatte, 3);
    QCOMPARE(tavola->numErrate, 2);
    QCOMPARE(punteggi(*tavola), (QStringList{"3", "0", "5"}));
    QCOMPARE(caption(tavola.get(), "lblMessage"), QString());
    QCOMPARE(controllo<Etichetta>(tavola.get(), "lblMessage")->foreColor(), QColor(0, 0, 255));
}

void TstVerifica::overflow_data()
{
    QTest::addColumn<int>("esatte");
    QTest::addColumn<int>("errate");
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QStringList>("dopo");
    QTest::newRow("right answer at 32767 raises overflow") << 32767 << 0 << "13" << "" << QStringList{"0", "0", "0"};
    QTest::newRow("wrong answer at 32767 raises overflow") << 0 << 32767 << "1" << "" << QStringList{"0", "0", "0"};
    QTest::newRow("sum of 32768 raises overflow before the total")
        << 767 << 32000 << "1" << "Sbagliato!! 13" << QStringList{"767", "32001", "0"};
}

void TstVerifica::overflow()
{
    QFETCH(int, esatte);
    QFETCH(int, errate);
    QFETCH(QString, risposta);
    QFETCH(QString, messaggio);
    QFETCH(QStringList, dopo);
    tavola->numEsatte = std::int16_t(esatte);
    tavola->numErrate = std::int16_t(errate);
    rispondi(*tavola, risposta);
    QCOMPARE(servizi->prompts(), QStringList{QStringLiteral("Errore di run-time '6':\n\nOverflow")});
    // Only the last row gets as far as counting.
    QCOMPARE(tavola->numEsatte + tavola->numErrate, esatte + errate + (messaggio.isEmpty() ? 0 : 1));
    QCOMPARE(caption(tavola.get(), "lblMessage"), messaggio);
    QCOMPARE(punteggi(*tavola), dopo);
    // The program goes on: Enter on the focused button draws the next exercise.
    tavola->numEsatte = tavola->numErrate = 0;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(testo(tavola.get(), "Text3"), QString());
}

QTEST_MAIN(TstVerifica)
#include "tst_verifica.moc"
