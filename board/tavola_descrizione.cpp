// The window's fixed description: every control with its place, look and
// flags. Controls are built front to back and each is lowered beneath the
// ones before it, so the order of this file is the order in which they cover
// one another.
#include "board/tavola.h"

#include "platform/fonts.h"
#include "platform/pictures.h"

#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace board {
namespace {

using platform::FontStyle;
using platform::SystemColour;
using Tipo = Forma::Tipo;
using Riempimento = Forma::Riempimento;

const QString risorsa = QStringLiteral(":/pictures/%1.svg");

QCursor puntatoreIcona()
{
    return platform::pointer(risorsa.arg("iconpointer"), QSize(32, 32), QPoint(16, 16));
}

void colora(QLineEdit* casella, const QColor& testo, const QColor& sfondo)
{
    QPalette colori = casella->palette();
    colori.setColor(QPalette::Text, testo);
    colori.setColor(QPalette::Base, sfondo);
    casella->setPalette(colori);
}

Forma::Aspetto asta(Tinta bordo, std::optional<Tinta> sfondo, Riempimento riempimento = Riempimento::Nessuno,
                    QColor colore = {})
{
    return {Tipo::Rettangolo, bordo, 3, sfondo, riempimento, colore};
}

Forma::Aspetto perla(std::optional<Tinta> sfondo, Riempimento riempimento = Riempimento::Nessuno, QColor colore = {})
{
    return {Tipo::Cerchio, SystemColour::WindowText, 2, sfondo, riempimento, colore};
}

}

void Tavola::costruisci()
{
    setWindowTitle(QStringLiteral("Contaperle"));
    setWindowIcon(platform::icon(risorsa.arg("masks")));
    superficie = new QWidget(this);
    superficie->setObjectName(QStringLiteral("Tavola_superficie"));
    superficie->setFixedSize(754, 556);
    superficie->setAutoFillBackground(true);
    superficie->setFont(platform::font(QStringLiteral("MS Sans Serif"), 13.5));
    superficie->setCursor(platform::pointer(risorsa.arg("head"), QSize(48, 48), QPoint(1, 1)));
    QPalette tavolozza = superficie->palette();
    tavolozza.setColor(QPalette::WindowText, platform::systemColour(SystemColour::InactiveCaptionText));
    superficie->setPalette(tavolozza);
    setCentralWidget(superficie);
    // The client area keeps its size whatever the frame offers.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    costruisciFinestre();
    costruisciEtichetteAlte();
    costruisciAbaco();
    costruisciPunteggi();
    costruisciMenu();
    const QColor barra = platform::systemColour(SystemColour::ScrollBar);
    setBackColor(platform::rgb(barra.red(), barra.green(), barra.blue()));
}

void Tavola::costruisciFinestre()
{
    const QFont grande = platform::font(QStringLiteral("Arial"), 48);
    Text3 = casella("Text3", QRect(192, 488, 337, 61), QStringLiteral("Text3"));
    Text3->setFont(grande);
    Text3->setToolTip(QStringLiteral("Scrivi il numero e poi premi  il tasto Return (Invio)"));
    colora(Text3, QColor(0x00, 0xC0, 0xC0), QColor(0xC0, 0xFF, 0xC0));

    Text2 = casella("Text2", QRect(192, 472, 313, 75), QStringLiteral("Testo"));
    Text2->setFont(platform::font(QStringLiteral("Arial"), 48, FontStyle::Bold));
    colora(Text2, QColor(0x00, 0xFF, 0x00), platform::systemColour(SystemColour::WindowBackground));
    Text2->hide();
    Text1 = casella("Text1", QRect(24, 16, 129, 27), QStringLiteral("0"));
    Text1->setFont(platform::font(QStringLiteral("MS Sans Serif"), 12, FontStyle::Bold));
    colora(Text1, platform::systemColour(SystemColour::WindowText), QColor(0xFF, 0x80, 0xFF));
    Text1->hide();

    const QFont pulsanti = platform::font(QStringLiteral("MS Sans Serif"), 8.25, FontStyle::Bold);
    cmdNext = new Pulsante(superficie, QStringLiteral("cmdNext"), QRect(32, 488, 121, 57),
                           QStringLiteral("&Nuovo calcolo"), QColor(0xFF, 0x80, 0xFF),
                           {risorsa.arg("smile"), risorsa.arg("neutral"), risorsa.arg("laugh")});
    cmdNext->setFont(pulsanti);
    cmdNext->setEnabled(false);
    cmdNext->setToolTip(QStringLiteral("Usa il tasto Return(invio) per l'esercizio successivo"));
    cmdNext->setCursor(puntatoreIcona());
    cmdNext->lower();
    const QString divieto = risorsa.arg("noentry");
    cmdExit = new Pulsante(superficie, QStringLiteral("cmdExit"), QRect(568, 488, 121, 57), QStringLiteral("E&xit"),
                           QColor(0x00, 0xC0, 0xC0), {divieto, divieto, divieto});
    cmdExit->setFont(pulsanti);
    cmdExit->setToolTip(QStringLiteral("Ti prego resta ancora, forse riuscirai a farmi uscire "));
    cmdExit->setCursor(Qt::ArrowCursor);
    cmdExit->lower();

    // An empty, hidden picture box; nothing is ever shown in it.
    Picture1 = new QWidget(superficie);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(240, -24, 65, 73);
    Picture1->hide();
    Picture1->lower();

    setTabOrder(cmdExit, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, cmdNext);
}

void Tavola::costruisciEtichetteAlte()
{
    Label8 = etichetta("Label8", QRect(32, 16, 89, 25), QStringLiteral("Sedicine"));
    Label7 = etichetta("Label7", QRect(176, 16, 81, 25), QStringLiteral("Ottine"));
    Label5 = etichetta("Label5", QRect(320, 16, 81, 25), QStringLiteral("Quartine"));
    Label4 = etichetta("Label4", QRect(480, 16, 49, 25), QStringLiteral("Duine"));
    Label4->setCentrata(false);
    Label2 = etichetta("Label2", QRect(624, 16, 57, 25), QStringLiteral("Unit\u00E0"));
}

void Tavola::costruisciAbaco()
{
    using S = SystemColour;
    Shape9 = forma("Shape9", QRect(8, 56, 737, 65),
                   {Tipo::Rettangolo, QColor(Qt::black), 2, S::WindowBackground, Riempimento::DiagonaleGiu, Qt::black});
    Shape8.add(0, forma("Shape8_0", QRect(8, 144, 129, 193), perla(S::WindowBackground)));
    Shape7 = forma("Shape7", QRect(56, 120, 25, 185),
                   asta(S::WindowText, S::WindowBackground, Riempimento::Pieno, QColor(0x00, 0x00, 0x80)));
    Shape3.add(1, forma("Shape3_1", QRect(600, 176, 153, 129),
                        perla(QColor(0x80, 0x80, 0xFF), Riempimento::Pieno, QColor(0xFF, 0x00, 0xFF))));
    Shape2.add(0, forma("Shape2_0", QRect(664, 120, 25, 185), asta(S::WindowText, QColor(0x00, 0xFF, 0x00))));
    Shape6.add(1, forma("Shape6_1", QRect(152, 176, 129, 129),
                        perla(std::nullopt, Riempimento::Pieno, QColor(0xFF, 0xFF, 0x00))));
    Lblesatto = etichetta("Lblesatto", QRect(193, 104, 39, 13), QString());
    Lblesatto->setCarattere(platform::font(QStringLiteral("MS Sans Serif"), 8.25));
    Lblesatto->setForeColor(QColor(0x80, 0x80, 0x80));
    Lblesatto->setCentrata(false);
    Lblesatto->hide();
    Shape4.add(1, forma("Shape4_1", QRect(464, 168, 129, 145), perla(QColor(0x00, 0xC0, 0xC0))));
    Shape5.add(1, forma("Shape5_1", QRect(312, 88, 129, 305),
                        perla(std::nullopt, Riempimento::Pieno, QColor(0x00, 0x00, 0xFF))));
    lblMessage = etichetta("lblMessage", QRect(368, 344, 87, 37), QStringLiteral("io"));
    lblMessage->setCarattere(platform::font(QStringLiteral("MS Sans Serif"), 24, FontStyle::BoldItalic));
    lblMessage->setForeColor(QColor(0xFF, 0x00, 0x00));
    lblMessage->setCursor(puntatoreIcona());
    Shape1 = forma("Shape1", QRect(16, 304, 729, 81),
                   asta(S::WindowText, QColor(0x00, 0xFF, 0xFF), Riempimento::Incrociato, QColor(0x00, 0xFF, 0xFF)));
}

void Tavola::costruisciPunteggi()
{
    const QFont didascalia = platform::font(QStringLiteral("MS Sans Serif"), 18);
    const QFont conteggio = platform::font(QStringLiteral("Times New Roman"), 36, FontStyle::Bold);
    const auto riquadro = [](Etichetta* e, const QFont& f, const Tinta& colore, bool centrata) {
        e->setCarattere(f);
        e->setForeColor(colore);
        e->setCentrata(centrata);
        e->setBordo(true);
        return e;
    };
    Label1 = riquadro(etichetta("Label1", QRect(280, 392, 168, 33), QStringLiteral("Risposte errate")), didascalia,
                      QColor(0xFF, 0x00, 0x00), false);
    Label3 = riquadro(etichetta("Label3", QRect(544, 392, 156, 33), QStringLiteral("Risposte totali")), didascalia,
                      QColor(0x00, 0x00, 0xFF), false);
    lblScore2 = riquadro(etichetta("lblScore2", QRect(608, 424, 37, 59), QStringLiteral("0")), conteggio,
                         QColor(0x00, 0x00, 0xFF), true);
    lblScore1 = riquadro(etichetta("lblScore1", QRect(352, 424, 36, 53), QStringLiteral("0")), conteggio,
                         QColor(0xFF, 0x00, 0x00), true);
    lblScore = riquadro(etichetta("lblScore", QRect(80, 424, 37, 53), QStringLiteral("0")), conteggio,
                        SystemColour::ButtonText, true);
    lblScore->setToolTip(QStringLiteral("Questo \u00E8 il tuo punteggio. Forza con il  record"));
    Label6 = riquadro(etichetta("Label6", QRect(16, 392, 171, 33), QStringLiteral("Risposte esatte")), didascalia,
                      QColor(0x00, 0xC0, 0x00), true);

    using S = SystemColour;
    Shape2.add(1, forma("Shape2_1", QRect(512, 120, 25, 185), asta(S::WindowText, S::WindowBackground)));
    Shape2.add(2, forma("Shape2_2", QRect(360, 120, 25, 185),
                        asta(QColor(Qt::black), std::nullopt, Riempimento::Pieno, QColor(0xFF, 0x00, 0x00))));
    Shape2.add(3, forma("Shape2_3", QRect(208, 120, 24, 185),
                        asta(QColor(Qt::black), QColor(0x00, 0xFF, 0xFF), Riempimento::Pieno, QColor(0xFF, 0x80, 0xFF))));
}

void Tavola::costruisciMenu()
{
    auto* crediti = menuBar()->addMenu(QStringLiteral("Freeware"));
    crediti->setObjectName(QStringLiteral("Ciao_1"));
    for (const char* riga : {"Contaperle " CONTAPERLE_VERSION ": impara a leggere l'abaco binario",
                             "Software libero: GPL 3 o successive", "Cinque aste, una perla per asta",
                             "Scritto in C++ con Qt"})
        crediti->addAction(QString::fromUtf8(riga))->setObjectName(QStringLiteral("Credito"));
    Ciao.add(1, crediti);

    Next = menuBar()->addAction(QStringLiteral("NUOVO"));
    Next->setObjectName(QStringLiteral("Next"));
    // The caption has no access key; Ctrl+N reaches it from the keyboard.
    Next->setShortcut(QKeySequence::New);
    Next->setShortcutContext(Qt::WindowShortcut);
}

Etichetta* Tavola::etichetta(const char* nome, const QRect& box, const QString& caption)
{
    auto* e = new Etichetta(superficie, QString::fromLatin1(nome), box, caption);
    e->lower();
    return e;
}

Forma* Tavola::forma(const char* nome, const QRect& box, const Forma::Aspetto& aspetto)
{
    auto* f = new Forma(superficie, QString::fromLatin1(nome), box, aspetto);
    f->lower();
    return f;
}

QLineEdit* Tavola::casella(const char* nome, const QRect& box, const QString& testo)
{
    auto* c = new QLineEdit(testo, superficie);
    c->setObjectName(QString::fromLatin1(nome));
    c->setGeometry(box);
    c->lower();
    return c;
}

}
