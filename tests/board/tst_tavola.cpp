// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sonda.h"

#include "board/gara.h"
#include "board/tastierino.h"
#include "platform/core/runtime_error.h"
#include "platform/guard.h"

#include <QAccessible>
#include <QClipboard>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

using board::Tavola;

// Every test starts with a contest under way: the window shown, 13 drawn and
// 18 to come; cleanup puts back what a test changed, whatever failed.
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
        const int senzaSeme = servizi->senzaSeme;
        gara.reset();
        servizi.reset();
        QApplication::setPalette(QPalette());
        QLocale::setDefault(QLocale::c());
        board::Etichetta::altoContrasto = false;
        QCOMPARE(senzaSeme, 0); // every draw follows a reseed
    }

    void drill_data() { righeDrill(); }
    void drill()
    {
        QFETCH(Riga, r);
        if (r.verso == board::Verso::Componi) {
            gara = std::make_unique<board::Gara>(board::Lezione{.verso = r.verso});
            servizi->valori = {13};
            gara->avvia();
            QVERIFY(QTest::qWaitForWindowActive(tavola()));
        }
        const QPointer<Tavola> prima = tavola();
        std::tie(prima->numEsatte, prima->numErrate, prima->numEsercizi) =
            std::tuple(r.conti.esatte, r.conti.errate, r.conti.esercizi);
        std::tie(servizi->valori, servizi->risposta) = std::pair(std::deque{r.prossimo}, r.risposta);
        QSignalSpy detti(prima, &Tavola::contiCambiati);
        digita(r.tasti);
        QCOMPARE(servizi->scatole, r.scatola);
        QCOMPARE(stato(*tavola()), r.atteso);
        // Every change of the scores is told, the last with the scores as they stand.
        if (prima == tavola() && r.conti != tavola()->conti())
            QCOMPARE(detti.isEmpty() ? r.conti : detti.last().at(0).value<Tavola::Conti>(), tavola()->conti());
        QTRY_VERIFY2(prima == tavola() || prima.isNull(), "the old window outlives the new contest");
        // What is painted agrees: the beads over their rods, and the background.
        const QImage immagine = tavola()->centralWidget()->grab().toImage();
        for (const auto& perla : perle)
            QCOMPARE(immagine.pixelColor(perla.centro),
                     board::risolvi(stato(*tavola()).perle & perla.peso ? perla.perla : perla.asta));
        QCOMPARE(immagine.pixelColor(750, 550).name(), platform::toQColor(tavola()->BackColor()).name());
        // Composing, a screen reader finds each rod a check box named by its caption, and the
        // first rod tells the number in digits and words.
        if (r.verso == board::Verso::Componi) {
            QAccessibleInterface* sedicine = QAccessible::queryAccessibleInterface(c("Colonna16"));
            QCOMPARE(std::tuple(sedicine->role(), sedicine->text(QAccessible::Name), bool(sedicine->state().checked)),
                     std::tuple(QAccessible::CheckBox, QString("Sedicine"), bool(r.atteso.perle & 16)));
            QCOMPARE(c("Colonna16")->property("notizia").toString(),
                     r.atteso.valore == "13" ? "13 — tredici" : "18 — diciotto");
        }
    }

    void looksAsDescribed_data()
    {
        QTest::addColumn<Aspetto>("a");
        for (const Aspetto& a : aspetti)
            QTest::newRow(a.nome) << a;
    }
    // The board before its first exercise, control by control, through the
    // widgets' own properties; a button's face and caption colour only show
    // in its pixels.
    void looksAsDescribed()
    {
        QFETCH(Aspetto, a);
        Tavola fresca;
        QWidget* w = controllo(&fresca, a.nome);
        auto* etichetta = qobject_cast<board::Etichetta*>(w);
        auto* forma = qobject_cast<board::Forma*>(w);
        QCOMPARE(etichetta ? etichetta->box() : forma ? forma->box() : w->geometry(), a.box);
        QCOMPARE(std::tuple(w->isVisibleTo(&fresca), w->isEnabled(), w->toolTip()),
                 std::tuple(a.visibile, a.attivo, QString(a.suggerimento)));
        QCOMPARE(w->testAttribute(Qt::WA_TransparentForMouseEvents), forma != nullptr); // the mouse goes through shapes
        if (a.faccia)
            QCOMPARE(w->font().key(), platform::font(a.faccia, a.punti, a.stile).key());
        if (auto* casella = qobject_cast<QLineEdit*>(w)) {
            QCOMPARE(std::tuple(casella->text(), casella->palette().color(QPalette::Text),
                                casella->palette().color(QPalette::Base)),
                     std::tuple(QString(a.testo), board::risolvi(a.colore), board::risolvi(a.sfondo)));
        } else if (auto* pulsante = qobject_cast<QPushButton*>(w)) {
            QCOMPARE(pulsante->text(), QString(a.testo));
            // A dark theme writes button text in white: on these faces the caption stays dark.
            QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));
            pulsante->setEnabled(true);
            const QImage faccia = pulsante->grab().toImage();
            QCOMPARE(faccia.pixelColor(6, 20), board::risolvi(a.sfondo));
            int scuri = 0;
            for (int punto = 0; punto < 116 * 15; ++punto)
                scuri += qGray(faccia.pixel(2 + punto % 116, 38 + punto / 116)) < 60;
            QCOMPARE_GT(scuri, 20);
        } else if (etichetta) {
            QCOMPARE(std::pair(etichetta->caption(), etichetta->foreColor()),
                     std::pair(QString(a.testo), board::risolvi(a.colore)));
            // Too wide for its box, the caption grows it, to both sides or to the right.
            etichetta->setCaption(QStringLiteral("Sbagliato!! 13 e poi ancora"));
            QCOMPARE_GT(etichetta->width(), a.box.width());
            QCOMPARE_LE(
                qAbs(a.centrata ? etichetta->geometry().center().x() - a.box.center().x() : etichetta->x() - a.box.x()),
                a.centrata ? 1 : 0);
        }
    }
    // The window itself, and its controls back to front where they overlap
    // (beads over rods, the verdict over the base bar) as listed.
    void freshWindowThenActivationOnce()
    {
        Tavola fresca;
        QCOMPARE(std::pair(fresca.windowTitle(), fresca.windowIcon().isNull()),
                 std::pair(QStringLiteral("Contaperle"), false));
        QCOMPARE(fresca.centralWidget()->size(), QSize(754, 556));
        QCOMPARE(platform::toQColor(fresca.BackColor()).rgb(), QApplication::palette().color(QPalette::Midlight).rgb());
        // Where two controls overlap, the one listed first covers the other.
        const QObjectList figli = fresca.centralWidget()->children();
        const auto posto = [&](const Aspetto& a) { return figli.indexOf(controllo(&fresca, a.nome)); };
        for (auto sopra = std::begin(aspetti); sopra != std::end(aspetti); ++sopra)
            for (auto sotto = sopra + 1; sotto != std::end(aspetti); ++sotto)
                if (controllo(&fresca, sopra->nome)->geometry().intersects(controllo(&fresca, sotto->nome)->geometry()))
                    QVERIFY2(posto(*sopra) > posto(*sotto), sopra->nome);
        // Activation draws and tints from the counters as they stand, then zeroes them.
        std::tie(fresca.numErrate, fresca.numEsercizi) = std::pair<qint16, qint16>(4, 7);
        fresca.show();
        QVERIFY(QTest::qWaitForWindowActive(&fresca));
        QCOMPARE(stato(fresca), (Stato{"18", 18, "", "", "#ff0000", "0 4 4", "0 0 0", "Text3", "#187de1"}));
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

    // Disabled, cmdNext neither takes the focus nor answers its access key:
    // Alt+X, pressed after Alt+N, ends the program and nothing else, and
    // nothing runs after the farewell.
    void accessKeysThenGoodbye()
    {
        QTest::keyClick(tavola(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(testo(tavola(), "Text1"), QStringLiteral("18"));
        c("cmdNext")->setEnabled(false);
        QTest::keyClick(c("Text3"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), c("cmdExit"));
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QTest::keyClick(tavola(), Qt::Key_N, Qt::AltModifier);
        QTest::keyClick(tavola(), Qt::Key_X, Qt::AltModifier);
        QTRY_COMPARE(servizi->fine, 0);
        c("cmdNext")->setEnabled(true);
        QTest::mouseClick(c("cmdNext"), Qt::LeftButton);
        QCOMPARE(testo(tavola(), "Text1"), QStringLiteral("18"));
        QCOMPARE(servizi->scatole, QStringLiteral("Ciao a presto. Ore 09:05|Ok Plain Ok|Data 06/12/26\n"));
    }

    // A real box, closed from a timer: Ctrl+N's question, with its icon and No
    // as its default (the contest goes on), wide enough for its title in a
    // bold title-bar font beside a window manager's icon and three buttons.
    void realBoxes()
    {
        QMessageBox::Icon icona = QMessageBox::NoIcon;
        int largo = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            std::tie(icona, largo) = std::pair(box->icon(), box->width());
            box->defaultButton()->click();
        });
        platform::services().msgBox = platform::defaultServices().msgBox;
        QTest::keyClick(tavola(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(std::pair(icona, testo(tavola(), "Text1")), std::pair(QMessageBox::Question, QStringLiteral("13")));
        const QFont sistema = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        const QFontMetrics metrica(QFont(sistema.family(), std::max(sistema.pointSize(), 14), QFont::Bold));
        QCOMPARE_GE(largo, metrica.horizontalAdvance(QStringLiteral("INIZIARE NUOVA GARA")) + 4 * metrica.height());
    }

    void untrappedErrorsReachTheBox()
    {
        platform::guarded([] { platform::raise(platform::RuntimeError::Number::Overflow); });
        platform::guarded([] { throw std::length_error("x"); });
        QCOMPARE(servizi->scatole, overflow + "Errore di run-time '51':\n\nInternal error|Ok Critical Ok|Contaperle\n");
    }

    // Two processes with the same generator, reseeding at once, draw apart:
    // a seed of whole seconds, or none, would draw alike in both.
    void reseedingDrawsApart()
    {
        int tubo[2];
        QCOMPARE(pipe(tubo), 0);
        const pid_t figlio = fork();
        std::array<double, 8> nostri{}, suoi{};
        for (double& r : nostri)
            r = (platform::defaultServices().randomize(), platform::defaultServices().rnd());
        if (figlio == 0)
            _exit(write(tubo[1], nostri.data(), sizeof nostri) == sizeof nostri ? 0 : 1);
        QCOMPARE(read(tubo[0], suoi.data(), sizeof suoi), ssize_t(sizeof suoi));
        QCOMPARE(waitpid(figlio, nullptr, 0), figlio);
        QVERIFY(nostri != suoi);
        QVERIFY(std::ranges::all_of(nostri, [](double r) { return r >= 0 && r < 1; }));
    }

    // Repeats flagged by the toolkit, or told only by a press with the time
    // stamp of the release before it, as X11 sends them.
    void heldKeyCountsOnce_data()
    {
        QTest::addColumn<Tenuto>("t");
        const Tenuto righe[] = {{"Enter in the answer box", "Text3", Qt::Key_Return, 0},
                                {"Enter on Nuovo calcolo", "cmdNext", Qt::Key_Return, 1},
                                {"Space on Nuovo calcolo", "cmdNext", Qt::Key_Space, 1},
                                {"access key Alt+N", "Text3", Qt::AltModifier | Qt::Key_N, 1}};
        for (const bool x11 : {false, true})
            for (Tenuto t : righe)
                QTest::newRow(t.nome + QByteArray(x11 ? ", X11" : ", flagged")) << (t.x11 = x11, t);
    }

    // Down, then up and down again three times, then up for good: one answer
    // judged or one exercise drawn, wherever the focus has gone meanwhile.
    void heldKeyCountsOnce()
    {
        QFETCH(Tenuto, t);
        controllo(tavola(), t.dove)->setFocus();
        for (int passo = 0; passo <= 7; ++passo) {
            tastoX(passo % 2 == 0, t.tasto, !t.x11 && passo > 0 && passo < 7,
                   quint64(t.x11 ? 1 + (passo + 1) / 2 : 1 + passo));
            // An access key clicks a moment later: wait for it before the repeats.
            if (passo == 0)
                QTRY_COMPARE(tavola()->numEsercizi + tavola()->numErrate, int(t.tasto.key() != Qt::Key_Space));
        }
        // Nor do the repeats type into the answer box, where the focus went.
        QCOMPARE(std::tuple(int(tavola()->numEsercizi), int(tavola()->numErrate), testo(tavola(), "Text3")),
                 std::tuple(t.esercizi, 1 - t.esercizi, QString()));
        QVERIFY2(!controllo<QPushButton>(tavola(), "cmdNext")->isDown(), "a repeat left the button down");
    }

    // After a right answer to 13 and a wrong one to 18: the board in reading
    // order, the boxes that hold the answer silent, and the abacus named after
    // its beads in every state. What a screen reader speaks with each focus
    // change, as the control that takes it is described then: the answer box
    // the beads, never the value; Nuovo calcolo the verdict and the scores,
    // or the scores alone once the verdict is gone. Alt+N from the answer box
    // takes the focus to Nuovo calcolo before the next beads are told.
    void screenReaderHearsTheBoard()
    {
        QStringList detti;
        QObject ascolto;
        connect(qApp, &QApplication::focusChanged, &ascolto,
                [&detti](QWidget*, QWidget* ora) { detti << ora->property("notizia").toString(); });
        digita("1 3 Return Return 8 Return");
        QAccessibleInterface* superficie = QAccessible::queryAccessibleInterface(tavola()->centralWidget());
        QStringList nomi;
        for (int indice = 0; indice < superficie->childCount(); ++indice)
            nomi << superficie->child(indice)->text(QAccessible::Name);
        QCOMPARE(nomi, QStringList({"Sedicine", "Ottine", "Quartine", "Duine", "Unità", "Perle su: Sedicine, Duine",
                                    "Sbagliato!! 18", "Risposte esatte", "1", "Risposte errate", "1", "Risposte totali",
                                    "2", "Risposta", "Nuovo calcolo", "Exit"}));
        QCOMPARE(superficie->child(13)->text(QAccessible::Description),
                 QString(QT_VERSION < QT_VERSION_CHECK(6, 8, 0) ? "Perle su: Sedicine, Duine. " : "")
                     + "Scrivi il numero e poi premi  il tasto Return (Invio)");
        for (const char* muto : {"Text1", "Text2"}) {
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(c(muto));
            QCOMPARE(std::tuple(bool(i->textInterface()), i->text(QAccessible::Name) + i->text(QAccessible::Value),
                                bool(i->state().invisible)),
                     std::tuple(false, QString(), true));
        }
        // clang-format off
        const std::pair<int, QString> stati[] = {{16, "Sedicine"}, {8, "Ottine"}, {4, "Quartine"}, {2, "Duine"}, {1, "Unità"}, {31, "Sedicine, Ottine, Quartine, Duine, Unità"}};
        // clang-format on
        const QString punti = QStringLiteral("Risposte esatte 1, Risposte errate 1, Risposte totali 2");
        QStringList attesi{"Esatto, ok!!!. Risposte esatte 0, Risposte errate 0, Risposte totali 0",
                           "Perle su: Sedicine, Duine", "Sbagliato!! 18. " + punti};
        for (const auto& [valore, nome] : stati) {
            servizi->valori = {valore};
            QTest::keyClick(c("cmdNext"), Qt::Key_Space);
            QCOMPARE(superficie->child(5)->text(QAccessible::Name), "Perle su: " + nome);
            QCOMPARE(detti, attesi << "Perle su: " + nome);
            attesi << punti; // the next key takes the focus to the button first
        }
        servizi->valori = {2};
        digita("Alt+N");
        QCOMPARE(QApplication::focusWidget(), c("cmdNext")); // for the tenth of a second the button shows pressed
        attesi << "Perle su: Duine";
        QTRY_COMPARE(detti, attesi);
    }

    // Every lesson fits a window no wider than 1024 pixels, every control in it, and its captions,
    // rods and beads stand left to right, apart.
    void everyLessonFits()
    {
        const QStringList nomi{"Centoventottine", "Sessantaquattrine", "Trentaduine", "Sedicine",
                               "Ottine",          "Quartine",          "Duine",       "Unità"};
        for (int quante = board::Lezione::minAste; quante <= board::Lezione::maxAste; ++quante) {
            Tavola t(board::Lezione{.aste = quante, .verso = board::Verso::Componi});
            const QRect finestra = t.centralWidget()->rect();
            QCOMPARE_LE(finestra.width(), 1024);
            for (const QWidget* w : t.centralWidget()->findChildren<QWidget*>())
                QVERIFY2(w->objectName() == "Picture1" || finestra.contains(w->geometry()),
                         qPrintable(w->objectName()));
            std::array<int, 3> destra{-1, -1, -1}; // where the caption, the rod and the bead before end
            for (int i = 0; i < quante; ++i) {
                const int riga = 8 - quante + i;
                const board::Asta& a = board::aste[std::size_t(riga)];
                const QRect perla = controllo<board::Forma>(&t, a.nomePerla)->box();
                const int lato = std::min(perla.width(), perla.height()), centro = perla.center().x();
                const std::array pezzi{controllo(&t, a.nomeDidascalia)->geometry(),
                                       controllo(&t, a.nomeAsta)->geometry(), QRect(centro - lato / 2, 0, lato, 1)};
                QCOMPARE(caption(&t, a.nomeDidascalia), nomi[riga]);
                for (std::size_t k = 0; k < pezzi.size(); ++k)
                    QVERIFY2(pezzi[k].left() > std::exchange(destra[k], pezzi[k].right()), a.nomeDidascalia);
            }
        }
    }

    // The keypad comes with the first touch of a touch screen, never with a
    // click; the window grows below the board, where nothing moves, and the
    // next contest keeps it. A key is 9 mm, at least 48 pixels (offscreen, 100
    // dots an inch), 48 where the screen's size is unknown or implausible.
    void keypadByFinger()
    {
        c("Label6")->setFocus(); // no caret blinks between the two pictures
        digita("clicLabel6");
        const QImage prima = tavola()->centralWidget()->grab().toImage();
        const int alta = tavola()->height();
        QVERIFY(!tavola()->findChild<QWidget*>("Tastierino"));
        digita("toccoLabel6");
        QCOMPARE(tavola()->centralWidget()->grab().toImage().copy(prima.rect()), prima);
        QTRY_COMPARE(std::pair(tavola()->height(), c("Tasto0")->size()),
                     std::pair(alta + c("Tastierino")->height(), QSize(48, 48)));
        digita("Ctrl+N");
        QVERIFY(c("Tastierino")->isVisible());
        for (const auto& [dpi, lato] :
             {std::pair{0.0, 48}, {34.0, 48}, {96.0, 48}, {160.0, 57}, {254.0, 90}, {1e4, 48}})
            QCOMPARE(board::Tastierino::lato(dpi), lato);
    }

    // An access key clicks its button a moment later: here while the question
    // of Ctrl+N is open, which must drop the click.
    void nothingRunsBehindABox()
    {
        servizi->risposta = platform::Reply::No;
        const auto registra = platform::services().msgBox;
        const QList<QPushButton*> pulsanti = tavola()->findChildren<QPushButton*>();
        bool rilasciati = true;
        platform::services().msgBox = [&](const QString& prompt, platform::Box box, const QString& titolo) {
            rilasciati &= QTest::qWaitFor([&] { return std::ranges::none_of(pulsanti, &QPushButton::isDown); });
            return registra(prompt, box, titolo);
        };
        for (Qt::Key chiave : {Qt::Key_N, Qt::Key_X}) {
            QTest::keyClick(tavola(), chiave, Qt::AltModifier);
            QTest::keyClick(tavola(), Qt::Key_N, Qt::ControlModifier);
        }
        QVERIFY(rilasciati);
        QCOMPARE(servizi->scatole, nuova.repeated(2));
        QCOMPARE(testo(tavola(), "Text1"), QStringLiteral("13"));
    }

    // Right, wrong and empty answers, odd characters, a long paste, and a new
    // contest every hundred exercises, with the real draws;
    // the count is CONTAPERLE_SOAK (ctest's tst_soak sets it). Keys go to the
    // focus, as a keyboard's would.
    void migliaiaDiEsercizi()
    {
        const int esercizi = qEnvironmentVariableIntValue("CONTAPERLE_SOAK");
        if (esercizi == 0)
            QSKIP("CONTAPERLE_SOAK unset");
        platform::services().randomize = platform::defaultServices().randomize;
        platform::services().rnd = platform::defaultServices().rnd;
        QGuiApplication::clipboard()->setText(QStringLiteral("3\u00E8").repeated(5000));
        auto memoria = [pagine = 0L]() mutable { // resident KiB: statm's second figure, in pages
            std::ifstream("/proc/self/statm") >> pagine >> pagine;
            return pagine * getpagesize() / 1024;
        };
        int esatte = 0, errate = 0;
        long primi = 0;
        for (int i = 1; i <= esercizi; ++i) {
            const QString giusta = testo(tavola(), "Text1"), strana = "\u00E8\u20AC\x01\x7F" + giusta;
            // The sixth answer is a paste.
            const QString risposta =
                std::array<QString, 6>{giusta, giusta + "0", {}, strana, giusta, {}}[std::size_t(i % 6)];
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), i % 6 == 5 ? Qt::Key_V : Qt::Key_unknown,
                                risposta, i % 6 == 5 ? Qt::ControlModifier : Qt::NoModifier);
            (i % 6 == 0 || i % 6 == 4 ? esatte : errate)++;
            // Enter judges the answer, and Enter again, on cmdNext, draws the next.
            digita("Return Return");
            primi = i == std::min(100, esercizi) ? memoria() : primi;
            if (i % 100 && i < esercizi)
                continue;
            QPointer<Tavola> t = tavola();
            QCOMPARE((std::array<int, 3>{t->numEsercizi, t->numEsatte, t->numErrate}),
                     (std::array{(i - 1) % 100 + 1, esatte, errate}));
            digita("Ctrl+N");
            QTRY_VERIFY(!t && QApplication::activeWindow() == tavola());
            esatte = errate = 0;
        }
        QCOMPARE(servizi->scatole, nuova.repeated((esercizi + 99) / 100));
        // A window or a pasted text kept by mistake would add tens of MiB; the
        // allocator's slack stays far below 4 MiB. AddressSanitizer holds freed
        // memory back on purpose, and finds leaks itself.
#ifndef __SANITIZE_ADDRESS__
        QCOMPARE_LE(memoria() - primi, 4096);
#endif
    }

    // High contrast: every label, and the digits typed in the answer box, stand out 4.5:1 from what
    // lies behind them, from no scores to both tints saturated, reading five rods and composing on
    // eight; by default each keeps its own colour.
    void highContrastAtEveryTint()
    {
        using board::Lezione;
        for (const bool alto : {false, true})
            for (const Lezione& lezione : {Lezione{.altoContrasto = alto},
                                           Lezione{.aste = 8, .verso = board::Verso::Componi, .altoContrasto = alto}}) {
                gara.reset();
                gara = std::make_unique<board::Gara>(lezione);
                gara->avvia();
                QVERIFY(QTest::qWaitForWindowActive(tavola()));
                for (const auto& [esatte, errate] :
                     {std::pair<qint16, qint16>{0, 0}, {0, 4}, {130, 0}, {0, 235}, {130, 235}, {30, 2}}) {
                    std::tie(tavola()->numEsatte, tavola()->numErrate) = std::pair(esatte, errate);
                    QTest::keyClick(c("cmdNext"), Qt::Key_Return);
                    digita(errate % 2 ? "1 Return" : "0 Return");
                    contrastoLeggibile(alto);
                }
            }
    }

private:
    // The ink of each visible text: the colour most of its box shows besides what lies behind.
    void contrastoLeggibile(bool alto)
    {
        const QImage immagine = tavola()->centralWidget()->grab().toImage();
        const QColor tinta = platform::toQColor(tavola()->BackColor()), verdino(0xC0FFC0);
        QList<std::tuple<QWidget*, QColor, QColor>> testi{{c("Text3"), verdino, QColor(0x00C0C0)}};
        for (auto* l : tavola()->centralWidget()->findChildren<board::Etichetta*>())
            if (!l->caption().isEmpty())
                testi.append({l,
                              l->objectName() == "lblMessage"  ? QColor(0x00FFFF)
                              : l->objectName() == "lblNumero" ? verdino
                                                               : tinta,
                              l->foreColor()});
        for (const auto& [w, dietro, colore] : testi) {
            if (!w->isVisible())
                continue;
            QHash<QRgb, int> colori;
            const QRect r = w->geometry().adjusted(3, 3, -3, -3);
            for (int p = 0; p < r.width() * r.height(); ++p)
                colori[immagine.pixel(r.left() + p % r.width(), r.top() + p / r.width())] += 1;
            colori.remove(dietro.rgb());
            const QColor inchiostro(std::ranges::max(colori.keys(), {}, [&](QRgb k) { return colori[k]; }));
            QVERIFY2(alto ? platform::contrast(inchiostro, dietro) >= 4.5 : inchiostro == colore,
                     qPrintable(w->objectName() + ' ' + dietro.name() + ' ' + inchiostro.name()));
        }
    }
};

QTEST_MAIN(TstTavola)
#include "tst_tavola.moc"
