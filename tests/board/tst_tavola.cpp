#include "sonda.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>

using board::Etichetta;
using board::Forma;
using board::Tavola;

class TstTavola : public QObject {
    Q_OBJECT
private slots:
    void placesAndStacking();
    void freshWindow();
    void beadsAndRods();
    void verdictLiesOnTheBar();
    void keyboard();
    void menus();
    void longCaptionsAreReadInFull();
};

// Front to back: each control is painted over every control after it.
void TstTavola::placesAndStacking()
{
    const QList<QPair<const char*, QRect>> controlli = {
        {"Text3", {192, 488, 337, 61}},   {"Text2", {192, 472, 313, 75}},   {"Text1", {24, 16, 129, 27}},
        {"cmdNext", {32, 488, 121, 57}},  {"cmdExit", {568, 488, 121, 57}}, {"Picture1", {240, -24, 65, 73}},
        {"Label8", {32, 16, 89, 25}},     {"Label7", {176, 16, 81, 25}},    {"Label5", {320, 16, 81, 25}},
        {"Label4", {480, 16, 49, 25}},    {"Label2", {624, 16, 57, 25}},    {"Shape9", {8, 56, 737, 65}},
        {"Shape8_0", {8, 144, 129, 193}}, {"Shape7", {56, 120, 25, 185}},   {"Shape3_1", {600, 176, 153, 129}},
        {"Shape2_0", {664, 120, 25, 185}}, {"Shape6_1", {152, 176, 129, 129}}, {"Lblesatto", {193, 104, 39, 13}},
        {"Shape4_1", {464, 168, 129, 145}}, {"Shape5_1", {312, 88, 129, 305}}, {"lblMessage", {368, 344, 87, 37}},
        {"Shape1", {16, 304, 729, 81}},   {"Label1", {280, 392, 168, 33}},  {"Label3", {544, 392, 156, 33}},
        {"lblScore2", {608, 424, 37, 59}}, {"lblScore1", {352, 424, 36, 53}}, {"lblScore", {80, 424, 37, 53}},
        {"Label6", {16, 392, 171, 33}},   {"Shape2_1", {512, 120, 25, 185}}, {"Shape2_2", {360, 120, 25, 185}},
        {"Shape2_3", {208, 120, 24, 185}},
    };
    Tavola tavola;
    const QObjectList figli = tavola.centralWidget()->children();
    qsizetype sopra = figli.size();
    for (const auto& [nome, box] : controlli) {
        QWidget* w = controllo(&tavola, nome);
        if (auto* forma = qobject_cast<Forma*>(w))
            QCOMPARE(forma->box(), box);
        else if (auto* etichetta = qobject_cast<Etichetta*>(w))
            QCOMPARE(etichetta->box(), box);
        else
            QCOMPARE(w->geometry(), box);
        QVERIFY2(figli.indexOf(w) < sopra, nome);
        sopra = figli.indexOf(w);
    }
}

void TstTavola::freshWindow()
{
    Tavola tavola;
    QCOMPARE(tavola.windowTitle(), QStringLiteral("Contaperle"));
    QVERIFY(!tavola.windowIcon().isNull());
    QCOMPARE(tavola.centralWidget()->size(), QSize(754, 556));
    QCOMPARE(testo(&tavola, "Text3"), QStringLiteral("Text3"));
    QCOMPARE(testo(&tavola, "Text2"), QStringLiteral("Testo"));
    QCOMPARE(testo(&tavola, "Text1"), QStringLiteral("0"));
    QCOMPARE(caption(&tavola, "lblMessage"), QStringLiteral("io"));
    for (const char* punteggio : {"lblScore", "lblScore1", "lblScore2"})
        QCOMPARE(caption(&tavola, punteggio), QStringLiteral("0"));
    QCOMPARE(caption(&tavola, "Label2"), QStringLiteral("Unit\u00E0"));
    QVERIFY(!controllo(&tavola, "cmdNext")->isEnabled());
    for (const auto& perla : perle())
        QVERIFY(controllo(&tavola, perla.nome)->isVisibleTo(tavola.centralWidget()));
    for (const char* nascosto : {"Text1", "Text2", "Picture1", "Lblesatto"})
        QVERIFY(!controllo(&tavola, nascosto)->isVisibleTo(&tavola));
    QCOMPARE(tavola.numEsercizi + tavola.numEsatte + tavola.numErrate, 0);
    const QList<QPair<const char*, QString>> suggerimenti = {
        {"Text3", "Scrivi il numero e poi premi  il tasto Return (Invio)"},
        {"lblScore", "Questo \u00E8 il tuo punteggio. Forza con il  record"},
        {"cmdNext", "Usa il tasto Return(invio) per l'esercizio successivo"},
        {"cmdExit", "Ti prego resta ancora, forse riuscirai a farmi uscire "},
    };
    for (const auto& [nome, suggerimento] : suggerimenti)
        QCOMPARE(controllo(&tavola, nome)->toolTip(), suggerimento);
}

void TstTavola::beadsAndRods()
{
    Tavola tavola;
    const QImage intero = quadro(tavola);
    for (const auto& perla : perle()) {
        QCOMPARE(intero.pixelColor(perla.centro), perla.perla);
        controllo(&tavola, perla.nome)->hide();
    }
    // A hidden bead shows the rod behind it.
    const QImage vuoto = quadro(tavola);
    for (const auto& perla : perle())
        QCOMPARE(vuoto.pixelColor(perla.centro), perla.asta);
}

void TstTavola::verdictLiesOnTheBar()
{
    Tavola tavola;
    auto* messaggio = controllo<Etichetta>(&tavola, "lblMessage");
    const QImage immagine = quadro(tavola);
    int rossi = 0;
    for (int x = messaggio->x(); x <= messaggio->geometry().right(); ++x)
        for (int y = messaggio->y(); y <= messaggio->geometry().bottom(); ++y)
            rossi += immagine.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
    QVERIFY2(rossi > 20, "the caption is hidden under the bar");
    QCOMPARE(immagine.pixelColor(messaggio->x() + 2, messaggio->geometry().bottom() - 1), QColor(Qt::cyan));
}

void TstTavola::keyboard()
{
    Servizi servizi;
    Tavola tavola;
    QVERIFY(mostra(tavola));
    QWidget* text3 = controllo(&tavola, "Text3");
    auto* cmdNext = controllo<QPushButton>(&tavola, "cmdNext");
    QWidget* cmdExit = controllo(&tavola, "cmdExit");
    QCOMPARE(QApplication::focusWidget(), text3);
    for (QWidget* atteso : {static_cast<QWidget*>(cmdNext), cmdExit, text3}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), atteso);
    }
    QSignalSpy clic(cmdNext, &QPushButton::clicked);
    for (const auto& [tasto, modificatore] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                              {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Space, Qt::NoModifier}}) {
        cmdNext->setFocus();
        QTest::keyClick(cmdNext, tasto, modificatore);
    }
    QTest::keyClick(&tavola, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(clic.count(), 4);
    // Disabled, the button neither takes the focus nor answers its access key.
    cmdNext->setEnabled(false);
    QTest::keyClick(text3, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), cmdExit);
    QTest::keyClick(&tavola, Qt::Key_N, Qt::AltModifier);
    QTest::qWait(150);
    QCOMPARE(clic.count(), 4);
    QTest::keyClick(text3, Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(servizi.fine, 0);
}

void TstTavola::menus()
{
    Servizi servizi;
    servizi.risposta = platform::ReplyNo;
    Tavola tavola;
    QVERIFY(mostra(tavola));
    auto* crediti = controllo<QMenu>(&tavola, "Ciao_1");
    QCOMPARE(crediti->title(), QStringLiteral("Freeware"));
    QCOMPARE(crediti->actions().size(), 4);
    for (QAction* voce : crediti->actions())
        voce->trigger();
    QVERIFY(servizi.scatole.isEmpty());
    auto* nuovo = tavola.findChild<QAction*>(QStringLiteral("Next"));
    QCOMPARE(nuovo->text(), QStringLiteral("NUOVO"));
    QTest::keyClick(&tavola, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(servizi.prompts(), QStringList{QStringLiteral("INIZIAMO UNA NUOVA GARA  ?")});
}

void TstTavola::longCaptionsAreReadInFull()
{
    Tavola tavola;
    for (const char* nome : {"lblMessage", "Label1"}) {
        auto* etichetta = controllo<Etichetta>(&tavola, nome);
        etichetta->setCaption(QStringLiteral("Sbagliato!! 13 e poi ancora"));
        QVERIFY(etichetta->width() >= QFontMetrics(etichetta->font()).horizontalAdvance(etichetta->caption()));
        QCOMPARE(etichetta->y(), etichetta->box().y());
    }
    // A centred caption grows to both sides, a left-aligned one to the right.
    auto* messaggio = controllo<Etichetta>(&tavola, "lblMessage");
    QVERIFY(qAbs(messaggio->geometry().center().x() - messaggio->box().center().x()) <= 1);
    QCOMPARE(controllo(&tavola, "Label1")->x(), 280);
}

QTEST_MAIN(TstTavola)
#include "tst_tavola.moc"
