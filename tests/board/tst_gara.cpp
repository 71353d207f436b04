#include "sonda.h"

#include "board/gara.h"

#include <QAction>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

using board::Gara;
using board::Tavola;

class TstGara : public QObject {
    Q_OBJECT
private slots:
    void startUp();
    void activationDrawsThenZeroes();
    void focusComingBackDrawsNothing();
    void newContestAnsweredNo();
    void newContestAnsweredYes();
    void exitSaysGoodbye();
    void closingTheWindowSaysNothing();
    void realNewContestBoxDefaultsToNo();
};

void TstGara::startUp()
{
    Servizi servizi;
    servizi.valori = {9};
    Gara gara;
    gara.avvia();
    Tavola& tavola = *gara.tavola();
    QVERIFY(QTest::qWaitForWindowActive(&tavola));
    QCOMPARE(tavola.numEsercizi + tavola.numEsatte + tavola.numErrate, 0);
    for (const char* punteggio : {"lblScore", "lblScore1", "lblScore2"})
        QCOMPARE(caption(&tavola, punteggio), QStringLiteral("0"));
    QCOMPARE(caption(&tavola, "lblMessage"), QString());
    QCOMPARE(testo(&tavola, "Text1"), QStringLiteral("9"));
    QCOMPARE(testo(&tavola, "Text2"), QStringLiteral("nove"));
    QCOMPARE(testo(&tavola, "Text3"), QString());
    QCOMPARE(QApplication::focusWidget(), controllo(&tavola, "Text3"));
    QVERIFY(controllo(&tavola, "cmdNext")->isEnabled());
    QCOMPARE(platform::toQColor(tavola.BackColor()), QColor(20, 125, 25));
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
    QCOMPARE(caption(&tavola, "lblScore1"), QStringLiteral("4"));
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
    QCOMPARE(testo(tavola, "Text1"), QStringLiteral("5"));
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
    Tavola* nuova = gara.tavola();
    QVERIFY(nuova && nuova->isVisible());
    QCOMPARE(nuova->numEsercizi + nuova->numEsatte + nuova->numErrate, 0);
    QCOMPARE(testo(nuova, "Text1"), QStringLiteral("9"));
    for (const char* punteggio : {"lblScore", "lblScore1", "lblScore2"})
        QCOMPARE(caption(nuova, punteggio), QStringLiteral("0"));
    QCOMPARE(caption(nuova, "lblMessage"), QString());
    QCOMPARE(platform::toQColor(nuova->BackColor()), QColor(20, 125, 25));
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
    QLocale::setDefault(QLocale::system());
}

void TstGara::closingTheWindowSaysNothing()
{
    Servizi servizi;
    Gara gara;
    gara.avvia();
    QVERIFY(gara.tavola()->close());
    QVERIFY(servizi.scatole.isEmpty());
    QCOMPARE(servizi.fine, -1);
}

void TstGara::realNewContestBoxDefaultsToNo()
{
    // The real box: Enter presses its default button, which must be No.
    QString titolo;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        titolo = box->windowTitle();
        QCOMPARE(box->icon(), QMessageBox::Question);
        box->defaultButton()->click();
    });
    const int risposta = platform::msgBox(QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"), 292,
                                          QStringLiteral("INIZIARE NUOVA GARA"));
    QCOMPARE(risposta, int(platform::ReplyNo));
    QCOMPARE(titolo, QStringLiteral("INIZIARE NUOVA GARA"));
}

QTEST_MAIN(TstGara)
#include "tst_gara.moc"
