// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, each with its place in pixels, its look and its
// flags, made back to front: each control covers those made before it where
// they overlap (the beads their rods, the verdict the base bar).
#include "board/accesso.h"
#include "board/colonna.h"
#include "board/tastierino.h"
#include "board/tavola.h"

#include "platform/fonts.h"
#include "platform/pictures.h"

#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace board {
namespace {

using platform::FontStyle;
using S = platform::SystemColour;
using Tipo = Forma::Tipo;
using Riempimento = Forma::Riempimento;

using namespace colori;

QString immagine(const char* nome) { return QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(nome)); }

QCursor puntatoreIcona() { return platform::pointer(immagine("iconpointer"), QSize(32, 32), QPoint(16, 16)); }

void colora(QLineEdit* casella, const QColor& inchiostro, const QColor& sfondo)
{
    QPalette colori = casella->palette();
    colori.setColor(QPalette::Text, inchiostro);
    colori.setColor(QPalette::Base, sfondo);
    casella->setPalette(colori);
}

}

void Tavola::costruisci()
{
    setWindowTitle(QStringLiteral("Contaperle"));
    setWindowIcon(platform::icon(immagine("masks")));
    superficie = new QWidget(this);
    superficie->setObjectName(QStringLiteral("Tavola_superficie"));
    superficie->setFixedSize(abaco_.larghezza(), 556);
    superficie->setAutoFillBackground(true);
    superficie->setFont(platform::font(QStringLiteral("MS Sans Serif"), 13.5));
    superficie->setCursor(platform::pointer(immagine("head"), QSize(48, 48), QPoint(1, 1)));
    QPalette tavolozza = superficie->palette();
    tavolozza.setColor(QPalette::WindowText, platform::systemColour(S::InactiveCaptionText));
    superficie->setPalette(tavolozza);
    setCentralWidget(superficie);
    // The client area keeps its size whatever the frame offers.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    abaco_.costruisciAsteDietro(superficie);
    costruisciPunteggi();
    abaco_.costruisciPerle(superficie);
    Shape9 = abaco_.costruisciCima(superficie);
    if (lezione_.verso == Verso::Componi)
        costruisciComponi();
    costruisciPulsanti();
    costruisciCaselle();
    costruisciMenu();
    const QColor barra = platform::systemColour(S::ScrollBar);
    setBackColor(platform::rgb(barra.red(), barra.green(), barra.blue()));
}

void Tavola::costruisciCaselle()
{
    // Text1 holds the value, Text2 its words: neither is shown.
    Text1 = casella("Text1", QRect(24, 16, 129, 27), QStringLiteral("0"));
    Text1->setFont(platform::font(QStringLiteral("MS Sans Serif"), 12, FontStyle::Bold));
    colora(Text1, platform::systemColour(S::WindowText), rosa);
    Text1->hide();
    Text2 = casella("Text2", sotto(QRect(192, 472, 313, 75), 1), QStringLiteral("Testo"));
    Text2->setFont(platform::font(QStringLiteral("Arial"), 48, FontStyle::Bold));
    colora(Text2, verde, platform::systemColour(S::WindowBackground));
    Text2->hide();

    Text3 = casella("Text3", sotto(QRect(192, 488, 337, 61), 1), QStringLiteral("Text3"));
    Text3->setFont(platform::font(QStringLiteral("Arial"), 48));
    Text3->setToolTip(QStringLiteral("Scrivi il numero e poi premi  il tasto Return (Invio)"));
    // In high contrast the digits being typed, and the caret drawn in their
    // colour, stand out from the box as every label does.
    colora(Text3, lezione_.altoContrasto ? platform::legible(verdeAcqua, verdino) : verdeAcqua, verdino);
    // Composing, the pupil answers on the rods.
    Text3->setVisible(lezione_.verso == Verso::Leggi);

    QList<QWidget*> ordine{cmdExit, Text1, Text2, Text3};
    ordine.append(QList<QWidget*>(colonne.begin(), colonne.end()));
    ordine.append(cmdNext);
    for (qsizetype i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
}

void Tavola::costruisciPulsanti()
{
    // An empty, hidden picture box; nothing is ever shown in it.
    auto* figura = new QWidget(superficie);
    figura->setObjectName(QStringLiteral("Picture1"));
    figura->setGeometry(240, -24, 65, 73);
    figura->hide();

    const QFont carattere = platform::font(QStringLiteral("MS Sans Serif"), 8.25, FontStyle::Bold);
    const QString divieto = immagine("noentry");
    cmdExit = new Pulsante(superficie, QStringLiteral("cmdExit"), sotto(QRect(568, 488, 121, 57), 2),
                           QStringLiteral("E&xit"), verdeAcqua, {divieto, divieto, divieto});
    cmdExit->setFont(carattere);
    cmdExit->setToolTip(QStringLiteral("Ti prego resta ancora, forse riuscirai a farmi uscire "));
    cmdExit->setCursor(Qt::ArrowCursor);
    cmdNext =
        new Pulsante(superficie, QStringLiteral("cmdNext"), QRect(32, 488, 121, 57), QStringLiteral("&Nuovo calcolo"),
                     rosa, {immagine("smile"), immagine("neutral"), immagine("laugh")});
    cmdNext->setFont(carattere);
    cmdNext->setEnabled(false);
    cmdNext->setToolTip(QStringLiteral("Usa il tasto Return(invio) per l'esercizio successivo"));
    cmdNext->setCursor(puntatoreIcona());
}

// Each score's caption above its count, then the base bar and the verdict
// line on it.
void Tavola::costruisciPunteggi()
{
    const QFont didascalia = platform::font(QStringLiteral("MS Sans Serif"), 18);
    const QFont conteggio = platform::font(QStringLiteral("Times New Roman"), 36, FontStyle::Bold);
    Label6 = etichetta("Label6", QRect(16, 392, 171, 33), QStringLiteral("Risposte esatte"),
                       {.carattere = didascalia, .colore = verdeScuro, .bordo = true});
    lblScore = etichetta("lblScore", QRect(80, 424, 37, 53), QStringLiteral("0"),
                         {.carattere = conteggio, .colore = S::ButtonText, .bordo = true});
    lblScore->setToolTip(QStringLiteral("Questo \u00E8 il tuo punteggio. Forza con il  record"));
    lblScore1 = etichetta("lblScore1", sotto(QRect(352, 424, 36, 53), 1), QStringLiteral("0"),
                          {.carattere = conteggio, .colore = rosso, .bordo = true});
    lblScore2 = etichetta("lblScore2", sotto(QRect(608, 424, 37, 59), 2), QStringLiteral("0"),
                          {.carattere = conteggio, .colore = blu, .bordo = true});
    Label3 = etichetta("Label3", sotto(QRect(544, 392, 156, 33), 2), QStringLiteral("Risposte totali"),
                       {.carattere = didascalia, .colore = blu, .centrata = false, .bordo = true});
    Label1 = etichetta("Label1", sotto(QRect(280, 392, 168, 33), 1), QStringLiteral("Risposte errate"),
                       {.carattere = didascalia, .colore = rosso, .centrata = false, .bordo = true});

    Shape1 = abaco_.costruisciBase(superficie);
    lblMessage = etichetta("lblMessage", sotto(QRect(368, 344, 87, 37), 1), QStringLiteral("io"),
                           {.carattere = platform::font(QStringLiteral("MS Sans Serif"), 24, FontStyle::BoldItalic),
                            .colore = rosso,
                            .sfondo = ciano});
    lblMessage->setCursor(puntatoreIcona());
    // Hidden, and nothing reads or writes it.
    etichetta("Lblesatto", QRect(193, 104, 39, 13), QString(),
              {.carattere = platform::font(QStringLiteral("MS Sans Serif"), 8.25), .colore = grigio, .centrata = false})
        ->hide();
}

// The number to compose, where the answer box would be, and a toggle over
// each rod that puts its bead on or takes it off.
void Tavola::costruisciComponi()
{
    lblNumero = etichetta("lblNumero", sotto(QRect(192, 488, 337, 61), 1), QString(),
                          {.carattere = platform::font(QStringLiteral("Arial"), 24, FontStyle::Bold),
                           .colore = blunotte,
                           .bordo = true,
                           .faccia = verdino});
    for (int i = 0; i < abaco_.numero(); ++i) {
        auto* colonna = new Colonna(superficie, QStringLiteral("Colonna%1").arg(esercizio_.peso(i)), abaco_.colonna(i),
                                    abaco_.didascalie()[static_cast<std::size_t>(i)]->caption());
        Forma* perla = abaco_.perle()[static_cast<std::size_t>(i)];
        connect(colonna, &QAbstractButton::toggled, perla, [this, perla](bool su) {
            perla->setVisible(su);
            annunciaPerle();
        });
        colonne.push_back(colonna);
    }
}

void Tavola::mostraTastierino()
{
    if (tastierino)
        return;
    tastierino = new Tastierino(superficie, lezione_.verso == Verso::Leggi);
    superficie->setFixedHeight(tastierino->geometry().bottom() + 1);
    // Read last, as it lies.
    superficie->findChild<Lettura*>(QString(), Qt::FindDirectChildrenOnly)->aggiungi(tastierino);
    tastierino->show();
}

QRect Tavola::sotto(QRect box, int quanto) const { return box.translated((abaco_.larghezza() - 754) * quanto / 2, 0); }

void Tavola::costruisciMenu()
{
    auto* crediti = menuBar()->addMenu(QStringLiteral("Freeware"));
    crediti->setObjectName(QStringLiteral("Ciao_1"));
    for (const char* riga :
         {"Contaperle " CONTAPERLE_VERSION ": impara a leggere l'abaco binario", "Software libero: GPL 3 o successive",
          "Cinque aste, una perla per asta", "Scritto in C++ con Qt"})
        crediti->addAction(QString::fromUtf8(riga))->setObjectName(QStringLiteral("Credito"));

    Next = menuBar()->addAction(QStringLiteral("NUOVO"));
    Next->setObjectName(QStringLiteral("Next"));
    // The caption has no access key; Ctrl+N reaches it from the keyboard.
    Next->setShortcut(QKeySequence::New);
    Next->setShortcutContext(Qt::WindowShortcut);
}

Etichetta* Tavola::etichetta(const char* nome, const QRect& box, const QString& testo,
                             const Etichetta::Aspetto& aspetto)
{
    return new Etichetta(superficie, QString::fromLatin1(nome), box, testo, aspetto);
}

QLineEdit* Tavola::casella(const char* nome, const QRect& box, const QString& testo)
{
    auto* c = new QLineEdit(testo, superficie);
    c->setObjectName(QString::fromLatin1(nome));
    c->setGeometry(box);
    return c;
}

}
