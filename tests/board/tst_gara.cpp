#include "sonda.h"

#include "board/gara.h"

#include <QAction>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

using board::Gara;
using board::Tavola;

// What the pupil sees when a contest begins with the value drawn.
static void alVia(Tavola& tavola, const QString& valore)
{
    QCOMPARE(tavola.numEsercizi + tavola.numEsatte + tavola.numErrate, 0);
    for (const char* punteggio : {"lblScore", "lblScore1", "lblScore2"})
        QCOMPARE(caption(&tavola, punteggio), QStringLiteral("0"));
    QCOMPARE(caption(&tavola, "lblMessage"), QString());
    QCOMPARE(testo(&tavola, "Text1"), valore);
    QCOMPARE(testo(&tavola, "Text3"), QString());
    QCOMPARE(tavola.focusWidget(), controllo(&tavola, "Text3"));
    QVERIFY(controllo(&tavola, "cmdNext")->isEnabled());
    QCOMPARE(platform::toQColor(tavola.BackColor()), QColor(20, 125, 25));
}

class TstGara : public QObject {
    Q_OBJECT
private slots:
    void startUp();
    void activationDrawsThenZeroes();
    void focusComingBackDrawsNothing();
    void newContestAnsweredNo();
    void newContestAnsweredYes();
    void exitSaysGoodbye();
    void realNewContestBoxDefaultsToNo();
};

void TstGara::startUp()
{
    Servizi servizi;
    servizi.valori = {9};
    Gara gara;
    gara.avvia();
    alVia(*gara.tavola(), QStringLiteral("9"));
    QCOMPARE(testo(gara.tavola(), "Text2"), QStringLiteral("nove"));
}

void TstGara::activationDrawsThenZeroes()
{
    Servizi servizi;
    Tavola tavola;
    tavola.numErrate = 4;
    tavola.numEsercizi = 7;
    QVERIFY(mostra(tavola));
    // The first tint is taken from the counters before they are zeroed.
    QCOMPARE(platform::toQColor(tavola.BackColor()), QColor(24, 125, 225));
    QCOMPARE(tavola.numEsercizi + tavola.numEsatte + tavola.numErrate, 0);
}

void TstGara::focusComingBackDrawsNothing()
{
    Servizi servizi;
    servizi.valori = {5, 9};
    Tavola tavola;
    QVERIFY(mostra(tavola));
    QWidget altra;
    altra.show();
    QVERIFY(QTest::qWaitForWindowActive(&altra));
    tavola.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&tavola));
    tavola.hide();
    tavola.show();
    QCOMPARE(testo(&tavola, "Text1"), QStringLiteral("5"));
}

void TstGara::newContestAnsweredNo()
{
    Servizi servizi;
    servizi.valori = {5, 9};
    servizi.risposta = platform::ReplyNo;
    Gara gara;
    gara.avvia();
    Tavola* tavola = gara.tavola();
    rispondi(*tavola, "4");
    tavola->findChild<QAction*>(QStringLiteral("Next"))->trigger();
    QCOMPARE(servizi.scatole.size(), 1);
    QCOMPARE(servizi.scatole[0].titolo, QStringLiteral("INIZIARE NUOVA GARA"));
    QCOMPARE(servizi.scatole[0].flags, 292);
    QCOMPARE(gara.tavola(), tavola);
    QCOMPARE(tavola->numErrate, 1);
    QCOMPARE(caption(tavola, "lblMessage"), QStringLiteral("Sbagliato!! 5"));
}

void TstGara::newContestAnsweredYes()
{
    Servizi servizi;
    servizi.valori = {5, 9};
    Gara gara;
    gara.avvia();
    QPointer<Tavola> vecchia = gara.tavola();
    rispondi(*vecchia, "4");
    rispondi(*vecchia, "5");
    vecchia->findChild<QAction*>(QStringLiteral("Next"))->trigger();
    QTRY_VERIFY(vecchia.isNull());
    QVERIFY(gara.tavola()->isVisible());
    alVia(*gara.tavola(), QStringLiteral("9"));
    QCOMPARE(servizi.fine, -1);
}

void TstGara::exitSaysGoodbye()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    Servizi servizi;
    Tavola tavola;
    QVERIFY(mostra(tavola));
    controllo<QPushButton>(&tavola, "cmdExit")->click();
    QCOMPARE(servizi.scatole.size(), 1);
    QCOMPARE(servizi.scatole[0].prompt, QStringLiteral("Ciao a presto. Ore 09:05"));
    QCOMPARE(servizi.scatole[0].titolo, QStringLiteral("Data 06/12/26"));
    QCOMPARE(servizi.scatole[0].flags, 0);
    QCOMPARE(servizi.fine, 0);
}

void TstGara::realNewContestBoxDefaultsToNo()
{
    // The real box, answered by its default button, as Enter would.
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QCOMPARE(box->icon(), QMessageBox::Question);
        box->defaultButton()->click();
    });
    QCOMPARE(platform::msgBox(QStringLiteral("?"), 292, QStringLiteral("INIZIARE NUOVA GARA")), 7);
}

QTEST_MAIN(TstGara)
#include "tst_gara.moc"
