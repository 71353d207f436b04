// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, each with its place in pixels, its look and its
// flags, built group by group; the order in which they cover one another is
// applied once, at the end, by impila().
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
    superficie->setFixedSize(754, 556);
    superficie->setAutoFillBackground(true);
    superficie->setFont(platform::font(QStringLiteral("MS Sans Serif"), 13.5));
    superficie->setCursor(platform::pointer(immagine("head"), QSize(48, 48), QPoint(1, 1)));
    QPalette tavolozza = superficie->palette();
    tavolozza.setColor(QPalette::WindowText, platform::systemColour(S::InactiveCaptionText));
    superficie->setPalette(tavolozza);
    setCentralWidget(superficie);
    // The client area keeps its size whatever the frame offers.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    costruisciCaselle();
    costruisciPulsanti();
    costruisciAbaco();
    costruisciPunteggi();
    costruisciMenu();
    impila();
    const QColor barra = platform::systemColour(S::ScrollBar);
    setBackColor(platform::rgb(barra.red(), barra.green(), barra.blue()));
}

void Tavola::costruisciCaselle()
{
    Text3 = casella("Text3", QRect(192, 488, 337, 61), QStringLiteral("Text3"));
    Text3->setFont(platform::font(QStringLiteral("Arial"), 48));
    Text3->setToolTip(QStringLiteral("Scrivi il numero e poi premi  il tasto Return (Invio)"));
    colora(Text3, verdeAcqua, verdino);

    // Text2 holds the words of the value, Text1 the value: neither is shown.
    Text2 = casella("Text2", QRect(192, 472, 313, 75), QStringLiteral("Testo"));
    Text2->setFont(platform::font(QStringLiteral("Arial"), 48, FontStyle::Bold));
    colora(Text2, verde, platform::systemColour(S::WindowBackground));
    Text2->hide();
    Text1 = casella("Text1", QRect(24, 16, 129, 27), QStringLiteral("0"));
    Text1->setFont(platform::font(QStringLiteral("MS Sans Serif"), 12, FontStyle::Bold));
    colora(Text1, platform::systemColour(S::WindowText), rosa);
    Text1->hide();
}

void Tavola::costruisciPulsanti()
{
    const QFont carattere = platform::font(QStringLiteral("MS Sans Serif"), 8.25, FontStyle::Bold);
    cmdNext =
        new Pulsante(superficie, QStringLiteral("cmdNext"), QRect(32, 488, 121, 57), QStringLiteral("&Nuovo calcolo"),
                     rosa, {immagine("smile"), immagine("neutral"), immagine("laugh")});
    cmdNext->setFont(carattere);
    cmdNext->setEnabled(false);
    cmdNext->setToolTip(QStringLiteral("Usa il tasto Return(invio) per l'esercizio successivo"));
    cmdNext->setCursor(puntatoreIcona());
    const QString divieto = immagine("noentry");
    cmdExit = new Pulsante(superficie, QStringLiteral("cmdExit"), QRect(568, 488, 121, 57), QStringLiteral("E&xit"),
                           verdeAcqua, {divieto, divieto, divieto});
    cmdExit->setFont(carattere);
    cmdExit->setToolTip(QStringLiteral("Ti prego resta ancora, forse riuscirai a farmi uscire "));
    cmdExit->setCursor(Qt::ArrowCursor);

    // An empty, hidden picture box; nothing is ever shown in it.
    auto* immagine = new QWidget(superficie);
    immagine->setObjectName(QStringLiteral("Picture1"));
    immagine->setGeometry(240, -24, 65, 73);
    immagine->hide();

    setTabOrder(cmdExit, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, cmdNext);
}

// The frame and the base bar, then the rods from 16 down to 1.
void Tavola::costruisciAbaco()
{
    Shape9 = forma("Shape9", QRect(8, 56, 737, 65),
                   {.bordo = nero,
                    .spessore = 2,
                    .sfondo = S::WindowBackground,
                    .riempimento = Riempimento::DiagonaleGiu,
                    .colore = nero});
    Shape1 = forma("Shape1", QRect(16, 304, 729, 81),
                   {.bordo = S::WindowText,
                    .spessore = 3,
                    .sfondo = ciano,
                    .riempimento = Riempimento::Incrociato,
                    .colore = ciano});
    for (std::size_t i = 0; i < aste.size(); ++i) {
        const Asta& asta = aste[i];
        didascalie[i] = etichetta(asta.nomeDidascalia, asta.boxDidascalia, QString::fromUtf8(asta.didascalia),
                                  {.centrata = asta.centrata});
        forma(asta.nomeAsta, asta.boxAsta, asta.asta);
        perle[i] = forma(asta.nomePerla, asta.boxPerla, asta.perla);
    }
}

// The verdict line and, below it, each score's caption above its count.
void Tavola::costruisciPunteggi()
{
    lblMessage = etichetta("lblMessage", QRect(368, 344, 87, 37), QStringLiteral("io"),
                           {.carattere = platform::font(QStringLiteral("MS Sans Serif"), 24, FontStyle::BoldItalic),
                            .colore = rosso,
                            .sfondo = ciano});
    lblMessage->setCursor(puntatoreIcona());
    // Hidden, and nothing reads or writes it.
    etichetta("Lblesatto", QRect(193, 104, 39, 13), QString(),
              {.carattere = platform::font(QStringLiteral("MS Sans Serif"), 8.25), .colore = grigio, .centrata = false})
        ->hide();

    const QFont didascalia = platform::font(QStringLiteral("MS Sans Serif"), 18);
    const QFont conteggio = platform::font(QStringLiteral("Times New Roman"), 36, FontStyle::Bold);
    Label6 = etichetta("Label6", QRect(16, 392, 171, 33), QStringLiteral("Risposte esatte"),
                       {.carattere = didascalia, .colore = verdeScuro, .bordo = true});
    lblScore = etichetta("lblScore", QRect(80, 424, 37, 53), QStringLiteral("0"),
                         {.carattere = conteggio, .colore = S::ButtonText, .bordo = true});
    lblScore->setToolTip(QStringLiteral("Questo \u00E8 il tuo punteggio. Forza con il  record"));
    Label1 = etichetta("Label1", QRect(280, 392, 168, 33), QStringLiteral("Risposte errate"),
                       {.carattere = didascalia, .colore = rosso, .centrata = false, .bordo = true});
    lblScore1 = etichetta("lblScore1", QRect(352, 424, 36, 53), QStringLiteral("0"),
                          {.carattere = conteggio, .colore = rosso, .bordo = true});
    Label3 = etichetta("Label3", QRect(544, 392, 156, 33), QStringLiteral("Risposte totali"),
                       {.carattere = didascalia, .colore = blu, .centrata = false, .bordo = true});
    lblScore2 = etichetta("lblScore2", QRect(608, 424, 37, 59), QStringLiteral("0"),
                          {.carattere = conteggio, .colore = blu, .bordo = true});
}

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

// Front to back: where two controls overlap, the one earlier in this list
// covers the other (the beads their rods, the verdict the base bar).
void Tavola::impila()
{
    static constexpr const char* davantiDietro[] = {
        "Text3",     "Text2",     "Text1",    "cmdNext",  "cmdExit",    "Picture1", "Label8",   "Label7",
        "Label5",    "Label4",    "Label2",   "Shape9",   "Shape8_0",   "Shape7",   "Shape3_1", "Shape2_0",
        "Shape6_1",  "Lblesatto", "Shape4_1", "Shape5_1", "lblMessage", "Shape1",   "Label1",   "Label3",
        "lblScore2", "lblScore1", "lblScore", "Label6",   "Shape2_1",   "Shape2_2", "Shape2_3",
    };
    for (const char* nome : davantiDietro)
        superficie->findChild<QWidget*>(QLatin1String(nome), Qt::FindDirectChildrenOnly)->lower();
}

Etichetta* Tavola::etichetta(const char* nome, const QRect& box, const QString& testo,
                             const Etichetta::Aspetto& aspetto)
{
    return new Etichetta(superficie, QString::fromLatin1(nome), box, testo, aspetto);
}

Forma* Tavola::forma(const char* nome, const QRect& box, const Forma::Aspetto& aspetto)
{
    return new Forma(superficie, QString::fromLatin1(nome), box, aspetto);
}

QLineEdit* Tavola::casella(const char* nome, const QRect& box, const QString& testo)
{
    auto* c = new QLineEdit(testo, superficie);
    c->setObjectName(QString::fromLatin1(nome));
    c->setGeometry(box);
    return c;
}

}
