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
    void places_data();
    void places();
    void stacking_data();
    void stacking();
    void freshWindow();
    void beadsAndRods_data();
    void beadsAndRods();
    void verdictLiesOnTheBar();
    void tabOrder();
    void keysClickTheFocusedButton_data();
    void keysClickTheFocusedButton();
    void accessKeys();
    void menus();
    void longCaptionsAreReadInFull_data();
    void longCaptionsAreReadInFull();
    void tooltips_data();
    void tooltips();
};

void TstTavola::places_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QRect>("box");
    const QList<QPair<const char*, QRect>> righe = {
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
    for (const auto& [nome, box] : righe)
        QTest::newRow(nome) << QString::fromLatin1(nome) << box;
}

void TstTavola::places()
{
    QFETCH(QString, nome);
    QFETCH(QRect, box);
    Tavola tavola;
    auto* w = tavola.findChild<QWidget*>(nome);
    QVERIFY(w);
    if (auto* forma = qobject_cast<Forma*>(w))
        QCOMPARE(forma->box(), box);
    else if (auto* etichetta = qobject_cast<Etichetta*>(w))
        QCOMPARE(etichetta->box(), box);
    else
        QCOMPARE(w->geometry(), box);
}

void TstTavola::stacking_data()
{
    QTest::addColumn<QString>("sopra");
    QTest::addColumn<QString>("sotto");
    QTest::newRow("answer box above every label") << "Text3" << "Label8";
    QTest::newRow("buttons above the shapes") << "cmdExit" << "Shape2_3";
    QTest::newRow("bead of 16 covers its rod") << "Shape8_0" << "Shape7";
    QTest::newRow("bead of 8 covers its rod") << "Shape6_1" << "Shape2_3";
    QTest::newRow("bead of 1 covers its rod") << "Shape3_1" << "Shape2_0";
    QTest::newRow("verdict lies on the base bar") << "lblMessage" << "Shape1";
    QTest::newRow("top band covers the rods") << "Shape9" << "Shape7";
    QTest::newRow("rod of 16 covers the base bar") << "Shape7" << "Shape1";
    QTest::newRow("base bar covers the rod of 2") << "Shape1" << "Shape2_1";
}

void TstTavola::stacking()
{
    QFETCH(QString, sopra);
    QFETCH(QString, sotto);
    Tavola tavola;
    const QObjectList figli = tavola.centralWidget()->children();
    // Later siblings are painted over earlier ones.
    QVERIFY(figli.indexOf(tavola.findChild<QWidget*>(sopra)) > figli.indexOf(tavola.findChild<QWidget*>(sotto)));
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
}

void TstTavola::beadsAndRods_data()
{
    QTest::addColumn<int>("indice");
    for (int i = 0; i < 5; ++i)
        QTest::newRow(qPrintable(QStringLiteral("bead of %1").arg(perle().at(i).peso))) << i;
}

void TstTavola::beadsAndRods()
{
    QFETCH(int, indice);
    const Perla perla = perle().at(indice);
    Tavola tavola;
    QCOMPARE(quadro(tavola).pixelColor(perla.centro), perla.perla);
    controllo(&tavola, perla.nome)->hide();
    QCOMPARE(quadro(tavola).pixelColor(perla.centro), perla.asta);
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

void TstTavola::tabOrder()
{
    Servizi servizi;
    Tavola tavola;
    QVERIFY(mostra(tavola));
    QWidget* text3 = controllo(&tavola, "Text3");
    QWidget* cmdNext = controllo(&tavola, "cmdNext");
    QWidget* cmdExit = controllo(&tavola, "cmdExit");
    QCOMPARE(QApplication::focusWidget(), text3);
    for (QWidget* atteso : {cmdNext, cmdExit, text3}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), atteso);
    }
    QTest::keyClick(text3, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), cmdExit);
    cmdNext->setEnabled(false);
    QTest::keyClick(cmdExit, Qt::Key_Tab);
    QTest::keyClick(text3, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), cmdExit);
}

void TstTavola::keysClickTheFocusedButton_data()
{
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("modificatori");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
}

void TstTavola::keysClickTheFocusedButton()
{
    QFETCH(int, tasto);
    QFETCH(int, modificatori);
    Servizi servizi;
    Tavola tavola;
    QVERIFY(mostra(tavola));
    auto* cmdNext = controllo<QPushButton>(&tavola, "cmdNext");
    QSignalSpy clic(cmdNext, &QPushButton::clicked);
    cmdNext->setFocus();
    QTest::keyClick(cmdNext, Qt::Key(tasto), Qt::KeyboardModifiers(modificatori));
    QCOMPARE(clic.count(), 1);
}

void TstTavola::accessKeys()
{
    Servizi servizi;
    Tavola tavola;
    QVERIFY(mostra(tavola));
    auto* cmdNext = controllo<QPushButton>(&tavola, "cmdNext");
    QSignalSpy clic(cmdNext, &QPushButton::clicked);
    cmdNext->setEnabled(false);
    QTest::keyClick(&tavola, Qt::Key_N, Qt::AltModifier);
    QTest::qWait(150);
    QCOMPARE(clic.count(), 0);
    cmdNext->setEnabled(true);
    QTest::keyClick(&tavola, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(clic.count(), 1);

    QTest::keyClick(controllo(&tavola, "Text3"), Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(servizi.fine, 0);
    QVERIFY(servizi.prompts().last().startsWith(QStringLiteral("Ciao a presto. Ore ")));
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
    const QString valore = testo(&tavola, "Text1");
    for (QAction* voce : crediti->actions())
        voce->trigger();
    QVERIFY(servizi.scatole.isEmpty());
    QCOMPARE(testo(&tavola, "Text1"), valore);

    auto* nuovo = tavola.findChild<QAction*>(QStringLiteral("Next"));
    QCOMPARE(nuovo->text(), QStringLiteral("NUOVO"));
    nuovo->trigger();
    QCOMPARE(servizi.prompts(), QStringList{QStringLiteral("INIZIAMO UNA NUOVA GARA  ?")});
}

void TstTavola::longCaptionsAreReadInFull_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("testo");
    QTest::newRow("wrong verdict") << "lblMessage" << "Sbagliato!! 13";
    QTest::newRow("right verdict") << "lblMessage" << "Esatto, ok!!!";
    QTest::newRow("five-digit count") << "lblScore2" << "32767";
    QTest::newRow("left-aligned caption") << "Label1" << "Risposte errate";
}

void TstTavola::longCaptionsAreReadInFull()
{
    QFETCH(QString, nome);
    QFETCH(QString, testo);
    Tavola tavola;
    auto* etichetta = tavola.findChild<Etichetta*>(nome);
    etichetta->setCaption(testo);
    QVERIFY(etichetta->width() >= QFontMetrics(etichetta->font()).horizontalAdvance(testo));
    QCOMPARE(etichetta->y(), etichetta->box().y());
    if (nome == QLatin1String("Label1"))
        QCOMPARE(etichetta->x(), etichetta->box().x());
    else
        QVERIFY(qAbs(etichetta->geometry().center().x() - etichetta->box().center().x()) <= 1);
}

void TstTavola::tooltips_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("testo");
    QTest::newRow("answer box, two spaces") << "Text3" << "Scrivi il numero e poi premi  il tasto Return (Invio)";
    QTest::newRow("score, two spaces") << "lblScore" << "Questo \u00E8 il tuo punteggio. Forza con il  record";
    QTest::newRow("next") << "cmdNext" << "Usa il tasto Return(invio) per l'esercizio successivo";
    QTest::newRow("exit, trailing space") << "cmdExit" << "Ti prego resta ancora, forse riuscirai a farmi uscire ";
}

void TstTavola::tooltips()
{
    QFETCH(QString, nome);
    QFETCH(QString, testo);
    Tavola tavola;
    QCOMPARE(tavola.findChild<QWidget*>(nome)->toolTip(), testo);
}

QTEST_MAIN(TstTavola)
#include "tst_tavola.moc"
