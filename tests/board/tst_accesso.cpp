#include "sonda.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QTimer>

#include <algorithm>

class TstAccesso : public QObject {
    Q_OBJECT
    Servizi* servizi = nullptr;
    board::Tavola* tavola = nullptr;

private slots:
    // A window on its first exercise, 5; then come 9 and 10.
    void init()
    {
        servizi = new Servizi;
        servizi->valori = {5, 9, 10};
        tavola = new board::Tavola;
        QVERIFY(mostra(*tavola));
    }

    void cleanup()
    {
        delete tavola;
        delete servizi;
        QApplication::setPalette(QPalette());
    }

    void heldKeyCountsOnce_data()
    {
        QTest::addColumn<QString>("dove");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("esercizi");
        QTest::newRow("Enter in the answer box") << "Text3" << int(Qt::Key_Return) << 0;
        QTest::newRow("Enter on Nuovo calcolo") << "cmdNext" << int(Qt::Key_Return) << 1;
        QTest::newRow("access key Alt+N") << "Text3" << (Qt::AltModifier | Qt::Key_N).toCombined() << 1;
    }

    // The first press counts (an answer judged or an exercise drawn); the
    // repeats of the held key, wherever the focus has gone, count nothing.
    void heldKeyCountsOnce()
    {
        QFETCH(QString, dove);
        QFETCH(int, tasto);
        QFETCH(int, esercizi);
        // As the keyboard sends it: to the shortcut map first, then to the focus.
        const auto invia = [tasto](bool giu, bool ripetuto) {
            QTest::simulateEvent(QApplication::focusWidget(), giu, tasto & ~Qt::KeyboardModifierMask,
                                 Qt::KeyboardModifiers(tasto & Qt::KeyboardModifierMask), QString(), ripetuto);
        };
        controllo(tavola, qPrintable(dove))->setFocus();
        invia(true, false);
        QTRY_COMPARE(tavola->numEsercizi + tavola->numErrate, 1);
        for (int passo = 1; passo <= 7; ++passo) // up and down again three times, then up for good
            invia(passo % 2 == 0, passo < 7);
        QCOMPARE(std::pair(int(tavola->numEsercizi), int(tavola->numErrate)), std::pair(esercizi, 1 - esercizi));
        QVERIFY2(!controllo<QPushButton>(tavola, "cmdNext")->isDown(), "a repeat scheduled a click");
    }

    void loneAltStealsNothing()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(tavola->numErrate, 1);
    }

    // After a right answer to 5 and a wrong one to 9, in reading order.
    void screenReaderHearsTheBoard()
    {
        rispondi(*tavola, "5");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        rispondi(*tavola, "8");
        QAccessibleInterface* superficie = QAccessible::queryAccessibleInterface(tavola->centralWidget());
        QStringList nomi;
        for (int indice = 0; indice < superficie->childCount(); ++indice)
            nomi << superficie->child(indice)->text(QAccessible::Name);
        QCOMPARE(nomi, QStringList({"Sedicine", "Ottine", "Quartine", "Duine", "Unità", "Perle su: Ottine, Unità",
                                    "Sbagliato!! 9", "Risposte esatte", "1", "Risposte errate", "1", "Risposte totali",
                                    "2", "Risposta", "Nuovo calcolo", "Exit"}));
        QCOMPARE(superficie->child(13)->text(QAccessible::Description), controllo(tavola, "Text3")->toolTip());
        // Text1 holds the answer.
        QVERIFY(!QAccessible::queryAccessibleInterface(controllo(tavola, "Text1"))->textInterface());
    }

    // Wide enough for the title in a bold title-bar font beside a window
    // manager's icon and three buttons, each as wide as the font is high.
    void farewellBoxShowsItsWholeTitle()
    {
        const QString titolo = QStringLiteral("Data 06/12/26");
        int largo = 0;
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            largo = w->width();
            w->close();
        });
        platform::defaultServices().msgBox(QStringLiteral("Ciao a presto. Ore 09:05"), platform::OkOnly, titolo);
        const QFont sistema = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        const QFontMetrics metrica(QFont(sistema.family(), sistema.pointSize(), QFont::Bold));
        QVERIFY2(largo >= metrica.horizontalAdvance(titolo) + 4 * metrica.height(), qPrintable(QString::number(largo)));
    }

    // A dark desktop theme writes button text in white: on the light pink and
    // teal faces the captions must stay dark.
    void captionsStandOutOnADarkTheme()
    {
        QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));
        for (const char* nome : {"cmdNext", "cmdExit"}) {
            const QImage testo = controllo(tavola, nome)->grab(QRect(2, 38, 116, 15)).toImage();
            int scuri = 0;
            for (int punto = 0; punto < testo.width() * testo.height(); ++punto)
                scuri += qGray(testo.pixel(punto % testo.width(), punto / testo.width())) < 60;
            QVERIFY2(scuri > 20, nome);
        }
    }

    // The verdict line and cmdNext show their own pointer all over; the beads
    // leave the window's own.
    void onlyControlsWithAPointerTakeTheMouse()
    {
        rispondi(*tavola, "13");
        QWidget* verdetto = controllo(tavola, "lblMessage");
        for (int x = verdetto->x(); x <= verdetto->geometry().right(); x += 4)
            QCOMPARE(tavola->centralWidget()->childAt(x, verdetto->geometry().center().y()), verdetto);
        QWidget* cmdNext = controllo(tavola, "cmdNext");
        QCOMPARE(tavola->centralWidget()->childAt(cmdNext->geometry().center()), cmdNext);
        for (const Perla& perla : perle())
            QCOMPARE(tavola->centralWidget()->childAt(perla.centro), nullptr);
    }

    // An access key clicks its button a moment later: here while the question
    // of Ctrl+N is open, which must drop the click.
    void nothingRunsBehindABox()
    {
        const auto registra = platform::services().msgBox;
        const QList<QPushButton*> pulsanti = tavola->findChildren<QPushButton*>();
        platform::services().msgBox = [&](const QString& prompt, int flags, const QString& titolo) {
            static_cast<void>(QTest::qWaitFor([&] { return std::ranges::none_of(pulsanti, &QPushButton::isDown); }));
            return registra(prompt, flags, titolo);
        };
        for (Qt::Key chiave : {Qt::Key_N, Qt::Key_X}) {
            QTest::keyClick(tavola, chiave, Qt::AltModifier);
            QTest::keyClick(tavola, Qt::Key_N, Qt::ControlModifier);
        }
        QCOMPARE(servizi->elenco(), QStringLiteral("INIZIAMO UNA NUOVA GARA  ?|292|INIZIARE NUOVA GARA\n").repeated(2));
        QCOMPARE(testo(tavola, "Text1"), QStringLiteral("5"));
    }
};

QTEST_MAIN(TstAccesso)
#include "tst_accesso.moc"
