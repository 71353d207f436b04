#include "sonda.h"

#include "board/gara.h"

#include <QClipboard>

#include <fstream>
#include <unistd.h>

// Resident memory in KiB: the second figure of /proc/self/statm, in pages.
static long memoria()
{
    long p = 0;
    std::ifstream("/proc/self/statm") >> p >> p;
    return p * getpagesize() / 1024;
}

class TstSoak : public QObject {
    Q_OBJECT
private slots:
    void migliaiaDiEsercizi();
};

// Right, wrong and empty answers from the keyboard, with odd characters, a
// long paste, held keys, and a new contest every hundred exercises; the count
// is CONTAPERLE_SOAK, 20,000 if unset. Keys go where a keyboard's would: to
// the widget with the focus.
void TstSoak::migliaiaDiEsercizi()
{
    const int esercizi = qEnvironmentVariable("CONTAPERLE_SOAK", QStringLiteral("20000")).toInt();
    Servizi servizi;
    platform::services().rnd = platform::defaultServices().rnd;
    QGuiApplication::clipboard()->setText(QStringLiteral("3\u00E8").repeated(5000));
    board::Gara gara;
    gara.avvia();
    QTRY_COMPARE(QApplication::activeWindow(), gara.tavola());
    int esatte = 0, errate = 0;
    long primi = 0;
    for (int i = 1; i <= esercizi; ++i) {
        const QString giusta = testo(gara.tavola(), "Text1"), strana = "\u00E8\u20AC\x01\x7F" + giusta;
        // The sixth answer is a paste.
        const QString risposta =
            std::array<QString, 6>{giusta, giusta + "0", {}, strana, giusta, {}}[std::size_t(i % 6)];
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), i % 6 == 5 ? Qt::Key_V : Qt::Key_unknown,
                            risposta, i % 6 == 5 ? Qt::ControlModifier : Qt::NoModifier);
        (i % 6 == 0 || i % 6 == 4 ? esatte : errate)++;
        // Enter judges the answer, and Enter again, on cmdNext, draws the next;
        // every sixth time that Enter is held, and the repeats change nothing.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        for (int volta = 0; volta < (i % 6 == 4 ? 8 : 1); ++volta)
            QTest::simulateEvent(QApplication::focusWidget(), true, Qt::Key_Return, {}, {}, volta > 0);
        primi = i == std::min(100, esercizi) ? memoria() : primi;
        if (i % 100 && i < esercizi)
            continue;
        QPointer<board::Tavola> t = gara.tavola();
        QCOMPARE((QList<int>{t->numEsercizi, t->numEsatte, t->numErrate}), (QList{(i - 1) % 100 + 1, esatte, errate}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(!t && QApplication::activeWindow() == gara.tavola());
        esatte = errate = 0;
    }
    QCOMPARE(servizi.elenco(),
             QStringLiteral("INIZIAMO UNA NUOVA GARA  ?|292|INIZIARE NUOVA GARA\n").repeated((esercizi + 99) / 100));
    // A window or a pasted text kept by mistake would add tens of MiB; the
    // allocator's slack stays far below 4 MiB. AddressSanitizer holds freed
    // memory back on purpose, and finds leaks itself.
#ifndef __SANITIZE_ADDRESS__
    QVERIFY2(memoria() - primi <= 4096, qPrintable(QString::number(memoria() - primi) + " KiB more"));
#endif
}

QTEST_MAIN(TstSoak)
#include "tst_soak.moc"
