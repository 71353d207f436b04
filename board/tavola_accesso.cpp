// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window offers to pupils who hear it: a screen reader's view of
// the board, and news spoken with every change of focus.
#include "board/accesso.h"
#include "board/tavola.h"

#include <QAccessible>
#include <QStringList>

namespace board {

void Tavola::rendiAccessibile()
{
    Text3->setAccessibleName(QStringLiteral("Risposta"));
    // The abacus from the top band down to the base bar, where the verdict lies.
    const QRect area(Shape9->geometry().topLeft(), QPoint(Shape9->geometry().right(), Shape1->geometry().top() - 1));
    const auto& didascalie = abaco_.didascalie();
    QList<QWidget*> ordine(didascalie.begin(), didascalie.end());
    ordine << Shape9;
    if (lblNumero)
        ordine << lblNumero;
    ordine << QList<QWidget*>{lblMessage, Label6, lblScore, Label1, lblScore1, Label3, lblScore2};
    if (colonne.empty())
        ordine << Text3;
    ordine << QList<QWidget*>(colonne.begin(), colonne.end()) << cmdNext << cmdExit;
    QList<Lettura::Asta> perleLette;
    for (std::size_t i = 0; i < didascalie.size(); ++i)
        perleLette.append({didascalie[i], abaco_.perle()[i]});
    new Lettura(superficie, ordine, Shape9, area, perleLette);
}

// A screen reader speaks a control that takes the focus with its name, role
// and description, and little else: Orca 43 says nothing of labels that
// change, and Qt 6.4 sends name and description changes in a form Orca cannot
// read. So each control is described before it takes the focus, and the
// screen reader speaks the news with it: the answer box the beads, never the
// value; "Nuovo calcolo" the verdict and the scores. Orca 48, with Qt 6.8,
// presents a focus change ahead of a description change that came before it,
// with the description it knew: there the descriptions stay the tooltips and
// the news follows the focus as an announcement.
void Tavola::annunciaPerle()
{
    if (QAccessible::isActive()) {
        QAccessibleEvent evento(Shape9, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&evento);
    }
}

// Composing, the number is the question: the first rod takes the focus
// with it.
void Tavola::annunciaEsercizio()
{
    annunciaPerle();
    if (lblNumero) {
        lblNumero->setCaption(Text1->text() + QStringLiteral(" \u2014 ") + Text2->text());
        daiFuoco(colonne.front(), lblNumero->caption());
    } else {
        // Focused first, emptied after: emptied first, the box would move
        // its caret before taking the focus, and Orca would take that focus
        // as one not to announce.
        daiFuoco(Text3, Lettura::di(superficie)->perle());
    }
    Text3->setText(QString());
    // The verdict is gone: the button now tells the scores alone.
    descrivi(cmdNext, punteggi());
}

// Composing, the rods take no more toggles until the next number, once the
// focus has left them.
void Tavola::annunciaVerdetto()
{
    daiFuoco(cmdNext, punteggi());
    for (QAbstractButton* colonna : colonne)
        colonna->setEnabled(false);
}

void Tavola::descrivi(QWidget* controllo, const QString& notizia)
{
    controllo->setProperty("notizia", notizia);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    controllo->setAccessibleDescription(notizia + QStringLiteral(". ") + controllo->toolTip());
#endif
}

void Tavola::daiFuoco(QWidget* controllo, const QString& notizia)
{
    descrivi(controllo, notizia);
    controllo->setFocus();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The first exercise is drawn before the window is shown: its news waits
    // for the window to be active, when a screen reader has it in view.
    annuncioSospeso_ = {controllo, notizia};
    if (isActiveWindow())
        annunciaSospeso();
#endif
}

void Tavola::annunciaSospeso()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (annuncioSospeso_.first && QAccessible::isActive()) {
        QAccessibleAnnouncementEvent annuncio(annuncioSospeso_.first, annuncioSospeso_.second);
        QAccessible::updateAccessibility(&annuncio);
    }
    annuncioSospeso_ = {};
#endif
}

QString Tavola::punteggi() const
{
    QStringList parti;
    if (!lblMessage->caption().isEmpty())
        parti << lblMessage->caption();
    QStringList conti;
    for (const auto& [didascalia, conto] : {std::pair{Label6, lblScore}, {Label1, lblScore1}, {Label3, lblScore2}})
        conti << didascalia->caption() + QLatin1Char(' ') + conto->caption();
    parti << conti.join(QStringLiteral(", "));
    return parti.join(QStringLiteral(". "));
}

}
