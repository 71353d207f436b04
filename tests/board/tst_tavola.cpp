#include "sonda.h"

#include "board/gara.h"
#include "platform/guard.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <stdexcept>

using board::Tavola;

namespace {

const QString overflow = QStringLiteral("Errore di run-time '6':\n\nOverflow|16|Contaperle\n");

// The window in one line: Text1|Text3|verdict|its colour|the three scores|
// numEsatte numErrate numEsercizi|focus|beads shown|background.
QString stato(Tavola& t)
{
    QStringList viste;
    for (const auto& perla : perle())
        if (controllo(&t, perla.nome)->isVisible())
            viste << QString::number(perla.peso);
    auto* messaggio = controllo<board::Etichetta>(&t, "lblMessage");
    return QStringList{testo(&t, "Text1"),
                       testo(&t, "Text3"),
                       messaggio->caption(),
                       messaggio->foreColor().name(),
                       caption(&t, "lblScore") + ' ' + caption(&t, "lblScore1") + ' ' + caption(&t, "lblScore2"),
                       QStringLiteral("%1 %2 %3").arg(t.numEsatte).arg(t.numErrate).arg(t.numEsercizi),
                       t.focusWidget() ? t.focusWidget()->objectName() : QString(),
                       viste.join(' '),
                       platform::toQColor(t.BackColor()).name()}
        .join('|');
}

}

// Every test starts with a contest under way: the window shown, 13 drawn and
// 18 to come.
class TstTavola : public QObject {
    Q_OBJECT
    std::unique_ptr<Servizi> servizi;
    std::unique_ptr<board::Gara> gara;

    Tavola* tavola() { return gara->tavola(); }
    QWidget* c(const char* nome) { return controllo(tavola(), nome); }

private slots:
    void init()
    {
        servizi = std::make_unique<Servizi>();
        servizi->valori = {13, 18};
        gara = std::make_unique<board::Gara>();
        gara->avvia();
        QVERIFY(QTest::qWaitForWindowActive(tavola()));
    }
    void cleanup()
    {
        gara.reset();
        servizi.reset();
        QApplication::setPalette(QPalette());
    }

    // One row: numEsatte, numErrate and numEsercizi set first (missing ones
    // 0), the keys, the window afterwards (see stato), the boxes shown, the
    // next value drawn and the reply to NUOVO. Keys go to whichever control
    // has the focus, as the pupil's would: \r is Return, \n keypad Enter, \t
    // Tab, \b Backspace, \x1b Escape, ^ Ctrl+N.
    void drill_data()
    {
        QTest::addColumn<QList<int>>("conti");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("atteso");
        QTest::addColumn<QString>("scatola");
        QTest::addColumn<int>("prossimo");
        QTest::addColumn<int>("risposta");
        const auto riga = [](const char* nome, QList<int> conti, const char* tasti, const char* atteso,
                             const QString& scatola = {}, int prossimo = 18, int risposta = platform::ReplyYes) {
            QTest::newRow(nome) << conti << QString(tasti) << QString(atteso) << scatola << prossimo << risposta;
        };
        const QString nuova = QStringLiteral("INIZIAMO UNA NUOVA GARA  ?|292|INIZIARE NUOVA GARA\n");
        const char* sbagliata = "13|4|Sbagliato!! 13|#ff0000|0 1 1|0 1 0|cmdNext|8 4 1|#147d19";
        riga("13 is right", {}, "13\r", "13|13|Esatto, ok!!!|#ffff00|0 0 0|1 0 0|cmdNext|8 4 1|#147d19");
        riga("right, scored with the next", {}, "13\r\r", "18|||#0000ff|1 0 1|1 0 1|Text3|16 2|#147e19");
        riga("empty is wrong", {}, "\r", "13||Sbagliato!! 13|#ff0000|0 1 1|0 1 0|cmdNext|8 4 1|#147d19");
        riga("leading space is wrong", {}, " 13\r", "13| 13|Sbagliato!! 13|#ff0000|0 1 1|0 1 0|cmdNext|8 4 1|#147d19");
        riga("trailing space is wrong", {}, "13 \r", "13|13 |Sbagliato!! 13|#ff0000|0 1 1|0 1 0|cmdNext|8 4 1|#147d19");
        riga("plus sign is wrong", {}, "+13\r", "13|+13|Sbagliato!! 13|#ff0000|0 1 1|0 1 0|cmdNext|8 4 1|#147d19");
        riga("leading zero, wrong to the next", {}, "013\r\n", "18|||#ff0000|0 1 1|0 1 1|Text3|16 2|#157d4b");
        riga("other keys judge nothing", {}, "15\b\x1b", "13|1||#ff0000|0 0 0|0 0 0|Text3|8 4 1|#147d19");
        riga("Enter again counts again", {}, "7\r\t\t\n",
             "13|7|Sbagliato!! 13|#ff0000|0 2 2|0 2 0|cmdNext|8 4 1|#147d19");
        riga("no Enter, nothing counted", {3, 2}, "13\t ", "18|||#0000ff|3 0 5|3 2 1|Text3|16 2|#16807d");
        riga("right at 32767 overflows", {32767}, "13\r", "13|13||#ff0000|0 0 0|32767 0 0|cmdNext|8 4 1|#147d19",
             overflow);
        riga("wrong at 32767 overflows", {0, 32767}, "1\r", "13|1||#ff0000|0 0 0|0 32767 0|cmdNext|8 4 1|#147d19",
             overflow);
        riga("total 32768 overflows, not shown", {767, 32000}, "1\r",
             "13|1|Sbagliato!! 13|#ff0000|767 32001 0|767 32001 0|cmdNext|8 4 1|#147d19", overflow);
        riga("exercise 32768 overflows, beads shown", {0, 0, 32767}, "\t\r",
             "13|||#ff0000|0 0 0|0 0 32767|cmdNext|16 8 4 2 1|#147d19", overflow);
        riga("1: units bead; no answers", {}, "\t\r", "1|||#ff0000|0 0 0|0 0 1|Text3|1|#147d19", {}, 1);
        riga("10: twos, eights; 4 wrong", {0, 4}, "\t\r", "10|||#ff0000|0 4 4|0 4 1|Text3|8 2|#187de1", {}, 10);
        riga("16: sixteens; 5 wrong, blue full", {0, 5}, "\t\r", "16|||#ff0000|0 5 5|0 5 1|Text3|16|#197dff", {}, 16);
        riga("31: all five; 655 wrong", {0, 655}, "\t\r", "31|||#ff0000|0 655 655|0 655 1|Text3|16 8 4 2 1|#ff7dff", {},
             31);
        riga("7: lowest three; 32643 right, green full", {32643}, "\t\r",
             "7|||#ff0000|32643 0 32643|32643 0 1|Text3|4 2 1|#14ff19", {}, 7);
        riga("NUOVO, No: the contest goes on", {}, "4\r^", sbagliata, nuova, 18, platform::ReplyNo);
        riga("NUOVO, OK: the contest goes on", {}, "4\r^", sbagliata, nuova, 18, platform::ReplyOk);
        riga("NUOVO, Cancel: the contest goes on", {}, "4\r^", sbagliata, nuova, 18, 2);
        riga("NUOVO, Yes: a fresh window", {}, "4\r^", "18|||#ff0000|0 0 0|0 0 0|Text3|16 2|#147d19", nuova);
    }
    void drill()
    {
        QFETCH(QList<int>, conti);
        QFETCH(QString, tasti);
        QFETCH(QString, atteso);
        QFETCH(QString, scatola);
        QFETCH(int, prossimo);
        QFETCH(int, risposta);
        tavola()->numEsatte = std::int16_t(conti.value(0));
        tavola()->numErrate = std::int16_t(conti.value(1));
        tavola()->numEsercizi = std::int16_t(conti.value(2));
        servizi->valori = {prossimo};
        servizi->risposta = risposta;
        const QPointer<Tavola> prima = tavola();
        for (const QChar tasto : tasti) {
            if (tasto == '\n')
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
            else if (tasto == '^')
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
            else
                QTest::keyClick(QApplication::focusWidget(), tasto.toLatin1());
        }
        QCOMPARE(servizi->elenco(), scatola);
        QCOMPARE(stato(*tavola()), atteso);
        QTRY_VERIFY2(prima == tavola() || prima.isNull(), "the old window outlives the new contest");
        // What is painted agrees: beads over their rods, verdicts in full, and the background.
        const QImage immagine = quadro(*tavola());
        for (const auto& perla : perle())
            QCOMPARE(immagine.pixelColor(perla.centro), c(perla.nome)->isVisible() ? perla.perla : perla.asta);
        QCOMPARE(immagine.pixelColor(750, 550).name(), atteso.section('|', -1));
        auto* messaggio = controllo<board::Etichetta>(tavola(), "lblMessage");
        QVERIFY(messaggio->width() >= QFontMetrics(messaggio->font()).horizontalAdvance(messaggio->caption()));
        QVERIFY(qAbs(messaggio->geometry().center().x() - 411) <= 1);
    }

    void freshWindowThenActivationOnce()
    {
        Tavola fresca;
        QVERIFY(!fresca.windowIcon().isNull());
        QCOMPARE(testo(&fresca, "Text3") + caption(&fresca, "lblMessage"), QStringLiteral("Text3io"));
        QCOMPARE(caption(&fresca, "Label2"), QStringLiteral("Unit\u00E0"));
        QVERIFY(!controllo(&fresca, "cmdNext")->isEnabled());
        for (const auto& perla : perle())
            QVERIFY(controllo(&fresca, perla.nome)->isVisibleTo(&fresca));
        // A left-aligned caption too wide for its box grows to the right only.
        controllo<board::Etichetta>(&fresca, "Label1")->setCaption(QStringLiteral("Sbagliato!! 13 e poi ancora"));
        QCOMPARE(controllo(&fresca, "Label1")->geometry().topLeft(), QPoint(280, 392));
        // Activation draws and tints from the counters as they stand, then zeroes them.
        fresca.numErrate = 4;
        fresca.numEsercizi = 7;
        QVERIFY(mostra(fresca));
        QCOMPARE(stato(fresca), QStringLiteral("18|||#ff0000|0 4 4|0 0 0|Text3|16 2|#187de1"));
        QCOMPARE(testo(&fresca, "Text2"), QStringLiteral("diciotto"));
        for (const char* nascosto : {"Text1", "Text2", "Picture1", "Lblesatto"})
            QVERIFY2(!controllo(&fresca, nascosto)->isVisible(), nascosto);
        // Coming back from another window, or shown again, it draws nothing new.
        QWidget altra;
        altra.show();
        QVERIFY(QTest::qWaitForWindowActive(&altra));
        fresca.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fresca));
        fresca.hide();
        fresca.show();
        QCOMPARE(testo(&fresca, "Text1"), QStringLiteral("18"));
    }

    void accessKeysThenGoodbye()
    {
        QTest::keyClick(tavola(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(testo(tavola(), "Text1"), QStringLiteral("18"));
        // Disabled, the button neither takes the focus nor answers its access
        // key: Alt+X, pressed after Alt+N, ends the program and nothing else.
        c("cmdNext")->setEnabled(false);
        QTest::keyClick(c("Text3"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), c("cmdExit"));
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QTest::keyClick(tavola(), Qt::Key_N, Qt::AltModifier);
        QTest::keyClick(tavola(), Qt::Key_X, Qt::AltModifier);
        QTRY_COMPARE(servizi->fine, 0);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(testo(tavola(), "Text1"), QStringLiteral("18"));
        QCOMPARE(servizi->elenco(), QStringLiteral("Ciao a presto. Ore 09:05|0|Data 06/12/26\n"));
    }

    void realNewContestBoxDefaultsToNo()
    {
        // The real box, answered by its default button as Enter would.
        QMessageBox::Icon icona = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&icona] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            icona = box->icon();
            box->defaultButton()->click();
        });
        QCOMPARE(platform::defaultServices().msgBox(QStringLiteral("?"), 292, QStringLiteral("NUOVA")), 7);
        QCOMPARE(icona, QMessageBox::Question);
    }

    void untrappedErrorsReachTheBox()
    {
        platform::guarded([] { platform::raise(platform::RuntimeError::Overflow); });
        platform::guarded([] { throw std::length_error("x"); });
        QCOMPARE(servizi->elenco(), overflow + "Errore di run-time '51':\n\nInternal error|16|Contaperle\n");
    }

    void reseedingNeverRepeats()
    {
        // A seed of whole seconds would draw the same number every time here.
        const platform::Services veri = platform::defaultServices();
        QSet<int> estratti;
        for (int i = 0; i < 200; ++i, veri.randomize())
            estratti.insert(int(std::floor(veri.rnd() * 31)));
        QVERIFY2(estratti.size() > 20, qPrintable(QString::number(estratti.size())));
        QVERIFY(std::all_of(estratti.begin(), estratti.end(), [](int n) { return n >= 0 && n < 31; }));
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
            QTest::simulateEvent(QApplication::focusWidget(), giu, tasto & ~int(Qt::KeyboardModifierMask),
                                 Qt::KeyboardModifiers::fromInt(unsigned(tasto) & Qt::KeyboardModifierMask), QString(),
                                 ripetuto);
        };
        controllo(tavola(), qPrintable(dove))->setFocus();
        invia(true, false);
        QTRY_COMPARE(tavola()->numEsercizi + tavola()->numErrate, 1);
        for (int passo = 1; passo <= 7; ++passo) // up and down again three times, then up for good
            invia(passo % 2 == 0, passo < 7);
        QCOMPARE(std::pair(int(tavola()->numEsercizi), int(tavola()->numErrate)), std::pair(esercizi, 1 - esercizi));
        QVERIFY2(!controllo<QPushButton>(tavola(), "cmdNext")->isDown(), "a repeat scheduled a click");
    }

    void loneAltStealsNothing()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(tavola()->numErrate, 1);
    }

    // After a right answer to 13 and a wrong one to 18, in reading order.
    void screenReaderHearsTheBoard()
    {
        rispondi(*tavola(), "13");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        rispondi(*tavola(), "8");
        QAccessibleInterface* superficie = QAccessible::queryAccessibleInterface(tavola()->centralWidget());
        QStringList nomi;
        for (int indice = 0; indice < superficie->childCount(); ++indice)
            nomi << superficie->child(indice)->text(QAccessible::Name);
        QCOMPARE(nomi, QStringList({"Sedicine", "Ottine", "Quartine", "Duine", "Unità", "Perle su: Sedicine, Duine",
                                    "Sbagliato!! 18", "Risposte esatte", "1", "Risposte errate", "1", "Risposte totali",
                                    "2", "Risposta", "Nuovo calcolo", "Exit"}));
        QCOMPARE(superficie->child(13)->text(QAccessible::Description),
                 (QT_VERSION < 0x060800 ? "Perle su: Sedicine, Duine. " : "") + c("Text3")->toolTip());
        // Text1 holds the answer.
        QVERIFY(!QAccessible::queryAccessibleInterface(controllo(tavola(), "Text1"))->textInterface());
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
            const QImage testo = controllo(tavola(), nome)->grab(QRect(2, 38, 116, 15)).toImage();
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
        rispondi(*tavola(), "13");
        QWidget* verdetto = controllo(tavola(), "lblMessage");
        for (int x = verdetto->x(); x <= verdetto->geometry().right(); x += 4)
            QCOMPARE(tavola()->centralWidget()->childAt(x, verdetto->geometry().center().y()), verdetto);
        QWidget* cmdNext = controllo(tavola(), "cmdNext");
        QCOMPARE(tavola()->centralWidget()->childAt(cmdNext->geometry().center()), cmdNext);
        for (const Perla& perla : perle())
            QCOMPARE(tavola()->centralWidget()->childAt(perla.centro), nullptr);
    }

    // An access key clicks its button a moment later: here while the question
    // of Ctrl+N is open, which must drop the click.
    void nothingRunsBehindABox()
    {
        servizi->risposta = platform::ReplyNo;
        const auto registra = platform::services().msgBox;
        const QList<QPushButton*> pulsanti = tavola()->findChildren<QPushButton*>();
        platform::services().msgBox = [&](const QString& prompt, int flags, const QString& titolo) {
            static_cast<void>(QTest::qWaitFor([&] { return std::ranges::none_of(pulsanti, &QPushButton::isDown); }));
            return registra(prompt, flags, titolo);
        };
        for (Qt::Key chiave : {Qt::Key_N, Qt::Key_X}) {
            QTest::keyClick(tavola(), chiave, Qt::AltModifier);
            QTest::keyClick(tavola(), Qt::Key_N, Qt::ControlModifier);
        }
        QCOMPARE(servizi->elenco(), QStringLiteral("INIZIAMO UNA NUOVA GARA  ?|292|INIZIARE NUOVA GARA\n").repeated(2));
        QCOMPARE(testo(tavola(), "Text1"), QStringLiteral("13"));
    }

    // What a screen reader speaks with each focus change, as the control that
    // takes the focus is described then: the beads, never the value; the
    // verdict and the scores. Wrong, Enter, right, Enter, then Alt+N.
    void focusBringsTheNews()
    {
        QStringList detti;
        connect(qApp, &QApplication::focusChanged, this,
                [&detti](QWidget*, QWidget* ora) { detti << ora->property("notizia").toString(); });
        rispondi(*tavola(), "4");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        rispondi(*tavola(), "18");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(tavola(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(detti.size(), 6);
        disconnect(qApp, &QApplication::focusChanged, this, nullptr);
        const QString punti = QStringLiteral("Risposte esatte %1, Risposte errate 1, Risposte totali %2");
        QCOMPARE(detti, QStringList({"Sbagliato!! 13. " + punti.arg(0).arg(1), "Perle su: Sedicine, Duine",
                                     "Esatto, ok!!!. " + punti.arg(0).arg(1), "Perle su: Unità", punti.arg(1).arg(2),
                                     "Perle su: Unità"}));
    }

    // High contrast: every label stands out 4.5:1 from what lies behind it,
    // from no scores to both tints saturated; by default its colour is its own.
    void highContrastAtEveryTint()
    {
        for (const bool alto : {false, true})
            for (const auto& [esatte, errate] : {std::pair{0, 0}, {0, 4}, {130, 0}, {0, 235}, {130, 235}, {30, 2}}) {
                board::Etichetta::altoContrasto = alto;
                tavola()->numEsatte = std::int16_t(esatte);
                tavola()->numErrate = std::int16_t(errate);
                QTest::keyClick(c("cmdNext"), Qt::Key_Return);
                rispondi(*tavola(), errate % 2 ? "1" : "0");
                const QImage immagine = quadro(*tavola());
                for (auto* l : tavola()->centralWidget()->findChildren<board::Etichetta*>()) {
                    if (!l->isVisible() || l->caption().isEmpty())
                        continue;
                    const QColor dietro = l->objectName() == "lblMessage"
                                              ? QColor(0x00FFFF)
                                              : QColor(platform::toQColor(tavola()->BackColor()));
                    QHash<QRgb, int> colori;
                    const QRect r = l->geometry().adjusted(3, 3, -3, -3);
                    for (int p = 0; p < r.width() * r.height(); ++p)
                        colori[immagine.pixel(r.left() + p % r.width(), r.top() + p / r.width())] += 1;
                    colori.remove(dietro.rgb());
                    const QColor inchiostro(std::ranges::max(colori.keys(), {}, [&](QRgb k) { return colori[k]; }));
                    QVERIFY2(alto ? platform::contrast(inchiostro, dietro) >= 4.5 : inchiostro == l->foreColor(),
                             qPrintable(l->objectName() + ' ' + dietro.name()));
                }
            }
        board::Etichetta::altoContrasto = false;
    }
};

QTEST_MAIN(TstTavola)
#include "tst_tavola.moc"
