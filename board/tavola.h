// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/abaco.h"
#include "board/esercizio.h"
#include "board/etichetta.h"
#include "board/forma.h"
#include "board/lezione.h"
#include "board/pulsante.h"
#include "platform/colour.h"
#include "platform/core/currency.h"
#include "words/numlett.h"

#include <QLineEdit>
#include <QMainWindow>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class TstTavola;

namespace board {

class Tastierino;

// The program's one window: a base-2 abacus (five rods unless the lesson
// says otherwise, see board/abaco.h), the answer box, the verdict line and
// three scores. Constructing it builds it; showing it the first time
// activates it, which puts up the first exercise. The keys reach it through
// board::Tastiera. In a lesson that composes, the pupil puts beads on the
// rods for a number given in digits and words instead of typing it.
class Tavola : public QMainWindow {
    Q_OBJECT
public:
    // The contest's scores, which live and die with the window.
    using Conti = board::Conti;

    explicit Tavola(const Lezione& lezione = {}, QWidget* parent = nullptr);

    Conti conti() const { return {numEsatte, numErrate, numEsercizi}; }
    platform::Colour BackColor() const { return backColor_; }
    // The keypad below the board (see board/tastierino.h), once: the window
    // grows by its height, and nothing else moves.
    void mostraTastierino();

signals:
    void contiCambiati(board::Tavola::Conti conti);
    // "NUOVO" was confirmed: the owner unloads this window and shows a new one.
    void nuovaGaraRichiesta();
    // An answer was judged and counted (composing, `risposta` is the value of
    // the beads put on), before anything else changes.
    void rispostaGiudicata(int numero, const QString& risposta, bool giusta);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class Tastiera;
    // Tests start from scores near their limits.
    friend class ::TstTavola;

    // The window's event handlers. Qt reaches them through the platform's
    // error guard; they raise platform::RuntimeError on failure.
    void Form_Load();
    void Form_Activate();
    void cmdNext_Click();
    void cmdExit_Click();
    void Next_Click();
    // A key typed in the answer box (or, composing, on a rod), by its
    // character code; the key then reaches the box unchanged.
    void Text3_KeyPress(std::int16_t KeyAscii);

    std::string numlett(platform::Currency& numer);
    void verifica();
    void mostraPerle();
    void estrai();
    void nascondiZeri();
    void tingi();
    void mostraPunteggi();
    // The answer as the pupil gives it: typed, or the beads put on.
    QString risposta() const;
    // Composing: the beads of the number, shown after a wrong answer; the
    // rods take no more toggles until the next number.
    void mostraGiuste();
    void conta(std::int16_t& conto, std::int16_t valore);
    void setBackColor(platform::Colour colore);

    // Screen readers; see board/tavola_accesso.cpp.
    void rendiAccessibile();
    // Tells screen readers of the new exercise and gives the answer box the
    // focus, empty.
    void annunciaEsercizio();
    // Gives "Nuovo calcolo" the focus, telling screen readers the verdict.
    void annunciaVerdetto();
    // Tells screen readers the abacus has other beads.
    void annunciaPerle();
    // The verdict, if any, and the scores with their captions, in words.
    QString punteggi() const;
    // The news a screen reader is to speak with the control's focus, kept in
    // its property "notizia" and, with Qt before 6.8, in its description.
    void descrivi(QWidget* controllo, const QString& notizia);
    // Gives the control the focus with its news (see board/tavola_accesso.cpp).
    void daiFuoco(QWidget* controllo, const QString& notizia);
    // Sends the news that waits for the window to be active (Qt 6.8 on).
    void annunciaSospeso();

    void costruisci();
    void costruisciCaselle();
    void costruisciPulsanti();
    void costruisciPunteggi();
    void costruisciComponi();
    void costruisciMenu();
    // Where a control of the lower part lies in a window wider than usual:
    // those on the left stay, the middle ones move by half the extra width,
    // those on the right by all of it.
    QRect sotto(QRect box, int quanto) const;
    void collega();
    Etichetta* etichetta(const char* nome, const QRect& box, const QString& testo,
                         const Etichetta::Aspetto& aspetto = {});
    QLineEdit* casella(const char* nome, const QRect& box, const QString& testo);

    std::int16_t numEsercizi = 0;
    std::int16_t numEsatte = 0;
    std::int16_t numErrate = 0;

    QWidget* superficie = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text1 = nullptr;
    Pulsante* cmdNext = nullptr;
    Pulsante* cmdExit = nullptr;
    Forma* Shape9 = nullptr;
    Forma* Shape1 = nullptr;
    Etichetta* lblMessage = nullptr;
    Etichetta* Label1 = nullptr;
    Etichetta* Label3 = nullptr;
    Etichetta* Label6 = nullptr;
    Etichetta* lblScore2 = nullptr;
    Etichetta* lblScore1 = nullptr;
    Etichetta* lblScore = nullptr;
    QAction* Next = nullptr;
    // Composing: the number asked for, and the rods the pupil toggles.
    Etichetta* lblNumero = nullptr;
    std::vector<QAbstractButton*> colonne;
    Tastierino* tastierino = nullptr;

    Lezione lezione_;
    Abaco abaco_;
    Esercizio esercizio_;

    words::Vocabolario vocabolario;
    platform::Colour backColor_ = 0;
    bool attivata = false;
    std::pair<QWidget*, QString> annuncioSospeso_;
};

}
